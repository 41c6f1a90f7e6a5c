#include "platform/Folders.h"

#include <cstdlib>
#include <system_error>

namespace platform {
namespace {

std::filesystem::path EnvironmentFolder(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path WithSeparator(std::filesystem::path folder) {
  folder /= "";
  return folder;
}

}  // namespace

std::filesystem::path ProgramFile() {
  std::error_code error;
  const std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : file;
}

std::filesystem::path ProgramFolder() { return WithSeparator(ProgramFile().parent_path()); }

std::filesystem::path DataFolder() {
  std::filesystem::path base = EnvironmentFolder("XDG_DATA_HOME");
  if (base.empty()) base = EnvironmentFolder("HOME") / ".local" / "share";
  return WithSeparator(base / "Korvand" / "Tessaly");
}

}  // namespace platform
