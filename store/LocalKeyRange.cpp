#include "store/LocalKeyRange.h"

#include <string>

#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"

namespace store {
namespace {

bool HasKeyGenerator(Database& database) {
  Query query(database);
  query.SetSQL(std::string("select 1 from RDB$GENERATORS where RDB$GENERATOR_NAME = \"") + kTermKeyGenerator +
               "\"");
  query.Open();
  return query.RecordCount() > 0;
}

std::int32_t GeneratorValue(Database& database) {
  Query query(database);
  query.SetSQL(std::string("select gen_id(") + kTermKeyGenerator + ", 0) as LAST_KEY from RDB$DATABASE");
  query.Open();
  return query.FieldByName("LAST_KEY").AsInteger();
}

// Moves the generator up to `lastKey` unless it is there or higher already, and commits.
void RaiseGenerator(Database& database, std::int32_t lastKey) {
  if (GeneratorValue(database) < lastKey) {
    SqlExecutor executor(database);
    executor.SetSQL(std::string("set generator ") + kTermKeyGenerator + " to " + std::to_string(lastKey));
    executor.ExecQuery();
  }
  database.Commit();
}

}  // namespace

void KeepLocalKeysApart(Database& database) {
  if (!HasKeyGenerator(database)) {
    database.Commit();
    return;
  }
  RaiseGenerator(database, kLocalKeyBottom - 1);
}

void MoveLocalKeysPastLoadedOnes(Database& database) {
  Query query(database);
  query.SetSQL("select coalesce(max(EUPH_UID), 0) as TOP_KEY from EUPHEMIZMS");
  query.Open();
  const std::int32_t top = query.FieldByName("TOP_KEY").AsInteger();
  query.Close();
  // Producer keys lie below the range and are no reason to move it.
  if (top >= kLocalKeyBottom) {
    RaiseGenerator(database, top);
  } else {
    database.Commit();
  }
}

}  // namespace store
