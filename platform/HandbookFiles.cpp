#include "platform/HandbookFiles.h"

#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

const fs::path kDatabaseFile = fs::path("DB") / "HANDBOOK.GDB";
const fs::path kTableFile = "Translit.tlt";
const fs::path kPageFile = fs::path("html") / "index.html";

fs::path WithSeparator(fs::path folder) {
  folder /= "";
  return folder;
}

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// Copies through a temporary name, so that a copy cut short is never taken for the user's own
// file and kept. The copy is the user's to write, whatever the shipped file's mode.
void CopyOnce(const fs::path& from, const fs::path& to) {
  if (IsFile(to) || !IsFile(from)) return;
  std::error_code error;
  fs::create_directories(to.parent_path(), error);
  fs::path partial = to;
  partial += ".part";
  fs::copy_file(from, partial, fs::copy_options::overwrite_existing, error);
  if (!error) fs::permissions(partial, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
  if (!error) fs::rename(partial, to, error);
  if (error) fs::remove(partial, error);
}

}  // namespace

fs::path SharedFilesFolder(const fs::path& programFolder) {
  return WithSeparator((programFolder / ".." / ".." / "share" / "korvand-handbook").lexically_normal());
}

fs::path ShippedFile(const fs::path& programFolder, const fs::path& relative) {
  const fs::path beside = programFolder / relative;
  if (IsFile(beside)) return beside;
  const fs::path shared = SharedFilesFolder(programFolder) / relative;
  return IsFile(shared) ? shared : beside;
}

HandbookFiles SettleHandbookFiles(const fs::path& programFolder, const fs::path& dataFolder) {
  HandbookFiles files;
  files.pageFolder = WithSeparator(ShippedFile(programFolder, kPageFile).parent_path().parent_path());
  CopyOnce(ShippedFile(programFolder, kTableFile), dataFolder / kTableFile);
  const fs::path shippedDatabase = ShippedFile(programFolder, kDatabaseFile);
  if (shippedDatabase == programFolder / kDatabaseFile && IsFile(shippedDatabase)) {
    files.databaseFolder = WithSeparator(programFolder);
    return files;
  }
  CopyOnce(shippedDatabase, dataFolder / kDatabaseFile);
  files.databaseFolder = WithSeparator(IsFile(dataFolder / kDatabaseFile) ? dataFolder : programFolder);
  return files;
}

}  // namespace platform
