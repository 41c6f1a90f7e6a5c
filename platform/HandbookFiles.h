#pragma once
// Where the handbook's files are. Beside the program when they are there (the build folder, or a
// folder the program was copied to as a whole). Otherwise the program is installed: its read-only
// files lie in ../../share/korvand-handbook/ from the program's folder, and the database and the
// transliteration table, which the user changes, are copied once into the user's data folder.
#include <filesystem>

namespace platform {

// programFolder/../../share/korvand-handbook/, with the dots taken out; ends with a separator.
std::filesystem::path SharedFilesFolder(const std::filesystem::path& programFolder);

// `relative` beside the program when it is there, else in the shared folder when it is there,
// else beside the program (so that a complaint names the program's folder).
std::filesystem::path ShippedFile(const std::filesystem::path& programFolder, const std::filesystem::path& relative);

struct HandbookFiles {
  std::filesystem::path databaseFolder;  // holds DB/HANDBOOK.GDB; ends with a separator
  std::filesystem::path pageFolder;      // holds html/index.html; ends with a separator
};

// Chooses the folders for a program in programFolder and a user whose data folder is dataFolder,
// and makes the user's copies of the shipped database and transliteration table that are still
// missing. A copy the user already has is never overwritten. A copy that cannot be made is left
// for the database's opening or the table's loading to complain about.
HandbookFiles SettleHandbookFiles(const std::filesystem::path& programFolder, const std::filesystem::path& dataFolder);

}  // namespace platform
