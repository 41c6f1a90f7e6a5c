#pragma once
// Opens DB/HANDBOOK.GDB in the program's folder; when that fails for any reason, once more through
// the local server as "localhost:" + the same path. A failure of the second attempt propagates.
#include <string>

#include "store/Database.h"

namespace store {

// programFolder ends with a path separator.
void OpenHandbookDatabase(Database& database, const std::string& programFolder);

// The database file name inside the program's folder.
inline constexpr const char* kHandbookFileName = "DB/HANDBOOK.GDB";

}  // namespace store
