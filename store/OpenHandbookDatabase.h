#pragma once
// Opens DB/HANDBOOK.GDB in the handbook's folder (the program's, or the user's data folder for
// an installed program); when that fails for any reason, once more through
// the local server as "localhost:" + the same path. A failure of the second attempt propagates
// with the second attempt's codes; its message first names the file and why the first attempt
// failed (OpenFailureText), then, on a line of its own, gives the second attempt's text.
#include <string>

#include "store/Database.h"
#include "store/DatabaseError.h"

namespace store {

// folder ends with a path separator.
void OpenHandbookDatabase(Database& database, const std::string& folder);

// "Не удалось открыть справочник <path>: <reason>." in Windows-1251; `path` is UTF-8. The reason
// is said in plain words for a missing file, a file that may not be written, a file that is not a
// database and one that another copy of the program holds, else it is the engine's text.
std::string OpenFailureText(const std::string& path, const DatabaseError& error);

// The database file name inside the handbook's folder.
inline constexpr const char* kHandbookFileName = "DB/HANDBOOK.GDB";

}  // namespace store
