#include "tests/store/StoreTesting.h"

#include "store/Query.h"
#include "store/SqlExecutor.h"

namespace store_testing {

void Execute(store::Database& database, const std::string& sql) {
  store::SqlExecutor executor(database);
  executor.SetSQL(sql);
  executor.ExecQuery();
}

std::string FirstValue(store::Database& database, const std::string& sql) {
  store::Query query(database);
  query.SetSQL(sql);
  query.Open();
  return query.RecordCount() == 0 ? std::string() : std::string(query.Text(0, 0));
}

std::int32_t Count(store::Database& database, const std::string& sql) {
  return std::stoi(FirstValue(database, sql));
}

}  // namespace store_testing
