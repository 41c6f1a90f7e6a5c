#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace app {

QTranslator* InstallQtTranslations(const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QStringLiteral("qtbase_ru"), folder) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace app
