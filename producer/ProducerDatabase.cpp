#include "producer/ProducerDatabase.h"

#include <ibase.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "producer/HandbookScripts.h"
#include "store/CreateHandbookDatabase.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/SqlExecutor.h"

namespace producer {
namespace {

// Dialect 1: "timestamp" is a date with its time of day, double quotes delimit strings.
constexpr std::string_view kProducerTables[] = {
    "alter table SECTIONS add PUBLISHED_AT timestamp",
    "alter table EUPHEMIZMS add PUBLISHED_AT timestamp",
    // An update asks for the terms published since a date.
    "create index EUPHEMIZMS_PUBLISHED on EUPHEMIZMS (PUBLISHED_AT)",
    // One row each time something was published; the latest tells servers their cached updates
    // are old.
    "create table PUBLICATIONS (PUBLICATION_ID integer not null primary key, PUBLISHED_AT timestamp not null, "
    "WHAT varchar(250))",
    "create descending index PUBLICATIONS_LATEST on PUBLICATIONS (PUBLICATION_ID)",
    "create generator GEN_PUBLICATION",
    // What readers sent: one row a set, one row a term as sent. EUPH_UID is NULL for a term the
    // reader created; DECISION is NULL until an editor accepts ("accepted") or rejects
    // ("rejected") the term; PUBLISHED_UID is the published term it became.
    "create table CHANGE_SETS (SET_ID integer not null primary key, SENDER varchar(64), "
    "RECEIVED_AT timestamp not null)",
    "create generator GEN_CHANGE_SET",
    "create table RECEIVED_TERMS (SET_ID integer not null references CHANGE_SETS, TERM_NO integer not null, "
    "EUPH_UID integer, EUPHEMIZM varchar(250) collate PXW_CYRL, ETIOLOGY varchar(2000) collate PXW_CYRL, "
    "DESCRIPTION blob sub_type text, DECISION varchar(10), PUBLISHED_UID integer, "
    "primary key (SET_ID, TERM_NO))",
};

// The embedded engine gives the system's error number; a server passes it on as text only.
bool IsMissingFile(const store::DatabaseError& error) {
  if (error.HasSystemCode(ENOENT)) return true;
  return error.HasCode(isc_io_open_err) && std::string_view(error.what()).find(std::strerror(ENOENT)) != std::string_view::npos;
}

}  // namespace

void CreateProducerDatabase(store::Database& database, const std::string& name) {
  store::CreateHandbookDatabaseFromText(name, std::string(HandbookSchemaScript()), {});
  database.Open(name);
  for (std::string_view statement : kProducerTables) {
    store::SqlExecutor executor(database);
    executor.SetSQL(std::string(statement));
    executor.ExecQuery();
    database.Commit();
  }
}

bool OpenProducerDatabase(store::Database& database, const std::string& name) {
  try {
    database.Open(name);
    return false;
  } catch (const store::DatabaseError& error) {
    if (!IsMissingFile(error)) throw;
  }
  CreateProducerDatabase(database, name);
  return true;
}

}  // namespace producer
