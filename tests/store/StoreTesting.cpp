#include "tests/store/StoreTesting.h"

#include "store/Query.h"
#include "store/QuoteLiteral.h"
#include "store/SqlExecutor.h"

namespace store_testing {

std::string SectionLine(int uid, const std::string& name) {
  return "insert into SECTIONS (SECTION_UID, SECTION_NAME) values (" + std::to_string(uid) + ", " +
         store::QuoteLiteral(name) + ");";
}

std::string TermLine(int uid, const std::string& headword, const std::string& origin,
                     const std::string& description, int section) {
  return "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID) values (" +
         std::to_string(uid) + ", " + store::QuoteLiteral(headword) + ", " +
         (origin.empty() ? std::string("NULL") : store::QuoteLiteral(origin)) + ", " +
         store::QuoteLiteral(description) + ", " + std::to_string(section) + ");";
}

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
