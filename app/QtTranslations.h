#pragma once
// Qt's own texts (the standard buttons of message boxes and dialogs) in Russian, like the rest of
// the interface.
#include <QLibraryInfo>
#include <QString>

class QTranslator;

namespace app {

// Installs Qt's Russian catalogue from `folder` on the application. Returns the translator (owned
// by the application; deleting it takes the texts back), or nullptr when there is no catalogue:
// the program then goes on with Qt's English texts.
QTranslator* InstallQtTranslations(const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace app
