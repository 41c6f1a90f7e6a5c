#include "store/OpenHandbookDatabase.h"

#include "store/DatabaseError.h"

namespace store {

void OpenHandbookDatabase(Database& database, const std::string& programFolder) {
  if (database.IsOpen()) database.Close();
  const std::string path = programFolder + kHandbookFileName;
  database.SetDatabaseName(path);
  try {
    database.Open();
  } catch (const DatabaseError&) {
    // The file may be held by a database server on this machine.
    database.SetDatabaseName("localhost:" + path);
    database.Open();
  }
}

}  // namespace store
