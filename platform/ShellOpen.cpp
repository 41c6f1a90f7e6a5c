#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/QtText.h"

namespace platform {
namespace {

bool HasScheme(const QString& target) {
  static const char* const kSchemes[] = {"http://", "https://", "ftp://", "file://", "mailto:"};
  for (const char* scheme : kSchemes)
    if (target.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
  return false;
}

}  // namespace

void ShellOpen(std::string_view target) {
  const QString text = ToQString(target);
  if (text.isEmpty()) return;
  const QUrl url = HasScheme(text) ? QUrl(text) : QUrl::fromLocalFile(text);
  QDesktopServices::openUrl(url);
}

}  // namespace platform
