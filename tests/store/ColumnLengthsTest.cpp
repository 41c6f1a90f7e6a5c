// The column widths the editor relies on are the ones the schema makes.
#include "store/ColumnLengths.h"

#include <gtest/gtest.h>

#include "store/Database.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/HandbookDatabase.h"

namespace {

TEST(ColumnLengths, AreTheWidthsOfTheSchemasColumns) {
  testing_support::TempDir dir;
  store::Database database;
  database.Open(testing_support::MakeHandbookDatabase(dir).string());
  const struct {
    const char* column;
    int length;
  } columns[] = {{"EUPHEMIZM", store::kHeadwordColumnLength}, {"ETIOLOGY", store::kOriginColumnLength}};
  for (const auto& c : columns) {
    EXPECT_EQ(store_testing::FirstValue(database,
                                        std::string("select f.RDB$CHARACTER_LENGTH from RDB$RELATION_FIELDS r join "
                                                    "RDB$FIELDS f on f.RDB$FIELD_NAME = r.RDB$FIELD_SOURCE where "
                                                    "r.RDB$RELATION_NAME = 'EUPHEMIZMS' and r.RDB$FIELD_NAME = '") +
                                            c.column + "'"),
              std::to_string(c.length))
        << c.column;
  }
}

}  // namespace
