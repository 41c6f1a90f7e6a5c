#include "platform/ApplicationTitle.h"

#include <QString>

#include "platform/Folders.h"
#include "platform/QtText.h"

namespace platform {

std::string ApplicationTitleFromFileName(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of("/\\");
  if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
  const std::size_t dot = fileName.rfind('.');
  if (dot != std::string_view::npos && dot > 0) fileName = fileName.substr(0, dot);
  if (fileName.empty()) return {};
  const QString rest = ToQString(fileName.substr(1)).toLower();
  return std::string(1, fileName.front()) + FromQString(rest);
}

std::string ApplicationTitle() {
  return ApplicationTitleFromFileName(FromQString(QString::fromStdString(ProgramFile().filename().string())));
}

}  // namespace platform
