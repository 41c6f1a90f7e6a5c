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

// The program's page cache, in pages of 8 KB. A category is listed in headword order through the
// index, and its rows lie scattered over all of the table's row pages (terms arrive in key order,
// the categories mixed): with the engine's default of 2,048 pages the biggest category of a
// million terms read nearly every row's page from the file anew (178,000 reads, half of its
// 1.2 s). 20,480 pages hold the row and index pages of a million terms (about 20,000). The
// engine's bookkeeping for them takes about 11 MB from the start; the pages themselves only as
// they are read, so a small handbook holds little more than before. Keep it below the engine's
// FileSystemCacheThreshold (65,536 pages), past which it stops reading through the system's cache.
inline constexpr int kHandbookPageCache = 20480;

// The database file name inside the handbook's folder.
inline constexpr const char* kHandbookFileName = "DB/HANDBOOK.GDB";

}  // namespace store
