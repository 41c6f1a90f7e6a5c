#include "platform/Folders.h"

#include <system_error>

namespace platform {
namespace {

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

}  // namespace platform
