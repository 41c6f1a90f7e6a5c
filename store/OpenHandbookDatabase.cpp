#include "store/OpenHandbookDatabase.h"

#include <ibase.h>

#include <cerrno>

#include "store/DatabaseError.h"
#include "text/Cp1251.h"

namespace store {
namespace {

// Why the embedded engine could not open the file (Windows-1251): in plain words where the codes
// tell the cause, else the engine's own text.
std::string Reason(const DatabaseError& error) {
  // Another process holds the file: the engine locks it for its own process only.
  if (error.HasCode(isc_already_opened)) return text::Utf8ToCp1251("справочник уже открыт в другом окне программы");
  if (error.HasCode(isc_io_open_err) && error.HasSystemCode(ENOENT)) return text::Utf8ToCp1251("файл не найден");
  // The engine opens a file it may only read, then refuses to work on it.
  if (error.HasCode(isc_no_priv)) return text::Utf8ToCp1251("нет права на запись в файл");
  // A file shorter than a database header fails while reading, with no system error.
  const bool shortFile = error.HasCode(isc_io_error) && !error.HasCode(isc_io_open_err) &&
                         !error.HasCode(isc_io_read_err) && error.SystemCodes().empty();
  if (error.HasCode(isc_bad_db_format) || shortFile) return text::Utf8ToCp1251("файл не является базой данных");
  return error.what();
}

}  // namespace

std::string OpenFailureText(const std::string& path, const DatabaseError& error) {
  return text::Utf8ToCp1251("Не удалось открыть справочник " + path + ": ") + Reason(error) + ".";
}

void OpenHandbookDatabase(Database& database, const std::string& folder) {
  if (database.IsOpen()) database.Close();
  const std::string path = folder + kHandbookFileName;
  database.SetDatabaseName(path);
  database.SetPageCache(kHandbookPageCache);
  try {
    database.Open();
  } catch (const DatabaseError& first) {
    // The file may be held by a database server on this machine.
    database.SetDatabaseName("localhost:" + path);
    try {
      database.Open();
    } catch (const DatabaseError& second) {
      throw DatabaseError(OpenFailureText(path, first) + "\n" + second.what(), second.Codes(), second.SystemCodes());
    }
  }
}

}  // namespace store
