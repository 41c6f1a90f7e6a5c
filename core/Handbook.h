#pragma once
// The handbook's state for the run: the database with its one transaction, the query objects and
// the fields the windows share. The program creates it before any window and destroys it after
// the last one, so nothing that shows or reads a query outlives it.
#include <cstdint>
#include <string>

#include "exchange/HttpClient.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "store/UpdateSql.h"
#include "text/DateTime.h"

namespace core {

class Handbook {
 public:
  // programFolder ends with a separator and holds DB/HANDBOOK.GDB and html/index.html.
  explicit Handbook(std::string programFolder);
  // The database and the local page in folders of their own (platform::SettleHandbookFiles);
  // each ends with a separator.
  Handbook(std::string databaseFolder, std::string pageFolder);
  // Commits what is still open (rolls it back if that fails) and disconnects.
  ~Handbook();
  Handbook(const Handbook&) = delete;
  Handbook& operator=(const Handbook&) = delete;

  const std::string& DatabaseFolder() const { return databaseFolder_; }
  // Holds html/index.html, the local page of the producer's other products.
  const std::string& PageFolder() const { return pageFolder_; }

  // Connects to the database folder's DB/HANDBOOK.GDB, through the local server if the file
  // cannot be opened directly. Throws DatabaseError with the reasons of both attempts.
  void OpenDatabase();
  // Commits what is open and disconnects; for the ways the program ends. Never throws.
  void CloseDatabase();

  // Headword, origin and description last parsed by an editorial tool (Windows-1251); they
  // pre-fill the editor when an article is added.
  std::string FPendingTitle;
  std::string FPendingOrigin;
  std::string FPendingDescription;
  // SECTION_UID of the category the term list shows; also the section of articles added locally.
  std::int32_t FCurrentSection = 0;
  // Date of the last update from the producer, used in update requests.
  text::DateTime FLastUpdate = 0;
  // Card windows open at the moment.
  std::int32_t FOpenCards = 0;
  // The next search that finds nothing opens the editor instead of saying so.
  bool FAddIfNotFound = false;

  store::Database IBDatabase1;
  // Categories at start-up, changed rows, look-ups while an update is applied.
  store::Query IBQuery1{IBDatabase1};
  // The term list behind the grid; every look-up moves its current row.
  store::Query IBQuery2{IBDatabase1};
  // The search results behind the result list.
  store::Query IBQuery3{IBDatabase1};
  // The editorial tools' exact-headword look-up.
  store::Query IBQuery4{IBDatabase1};
  // Single statements that return no rows: added articles, applied updates.
  store::SqlExecutor IBSQL1{IBDatabase1};
  // Writes an edited row of IBQuery2 back, inserts one, or deletes one.
  store::UpdateSql IBUpdateSQL1{IBDatabase1};
  // The grid's link to IBQuery2.
  store::DataSource DataSource1{IBQuery2};

  // The one client of the run for the producer's server: its cookies and headers stay.
  exchange::HttpClient IdHTTP1;

 private:
  std::string databaseFolder_;
  std::string pageFolder_;
};

}  // namespace core
