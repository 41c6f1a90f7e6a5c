#include "store/LocateRow.h"

#include <gtest/gtest.h>

#include "store/Database.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using namespace store;
using testing_support::TermLine;
using testing_support::ansi;

class LocateRowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto file = testing_support::MakeHandbookDatabase(
        dir_, {TermLine(10, "Zebra", "", "x", 0), TermLine(11, "zoom", "", "x", 0),
               TermLine(12, "Анемия", "", "x", 0), TermLine(13, "Анемия", "", "x", 0),
               TermLine(14, "Гастрит", "", "x", 0), TermLine(15, "гастроскопия", "", "x", 0),
               TermLine(16, "Ёлка", "", "x", 0), TermLine(17, "Язва  ", "", "x", 0)});
    database_.Open(file.string());
    query_.SetSQL(std::string(statements::SelectFirstSectionTerms));
    query_.Open();
    ASSERT_EQ(query_.RecordCount(), 8);
  }

  int CurrentKey() const { return query_.FieldByName("EUPH_UID").AsInteger(); }

  testing_support::TempDir dir_;
  Database database_;
  Query query_{database_};
};

struct Case {
  const char* column;
  const char* valueUtf8;
  unsigned options;
  int expectedKey;  // 0: no match
};

TEST_F(LocateRowTest, FindsTheFirstMatchingRowOrKeepsTheCurrentOne) {
  const Case cases[] = {
      {"EUPHEMIZM", "Гастрит", LocateExact, 14},
      {"EUPHEMIZM", "гастрит", LocateExact, 0},  // exact is case-sensitive
      {"EUPHEMIZM", "гастрит", LocateCaseInsensitive, 14},
      {"EUPHEMIZM", "ГАСТРИТ", LocateCaseInsensitive, 14},
      {"EUPHEMIZM", "Гастр", LocateExact, 0},
      {"EUPHEMIZM", "Гастр", LocatePrefix, 14},
      {"EUPHEMIZM", "гастр", LocatePrefix, 15},
      {"EUPHEMIZM", "гастр", LocatePrefix | LocateCaseInsensitive, 14},
      {"EUPHEMIZM", "ё", LocatePrefix | LocateCaseInsensitive, 16},
      {"EUPHEMIZM", "z", LocatePrefix, 11},
      {"EUPHEMIZM", "z", LocatePrefix | LocateCaseInsensitive, 10},
      {"EUPHEMIZM", "ZOOM", LocateCaseInsensitive, 11},
      {"EUPHEMIZM", "Язва", LocateExact, 0},  // the stored text ends with blanks
      {"EUPHEMIZM", "Язва  ", LocateExact, 17},
      {"EUPHEMIZM", "Язва", LocatePrefix, 17},
      {"EUPHEMIZM", "Язвенная", LocatePrefix | LocateCaseInsensitive, 0},
      {"EUPHEMIZM", "", LocatePrefix | LocateCaseInsensitive, 0},
      {"euph_uid", "15", LocateExact, 15},
      {"EUPH_UID", "1", LocateExact, 0},
      {"EUPH_UID", "99", LocateExact, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.column) + " '" + c.valueUtf8 + "' options " + std::to_string(c.options));
    query_.MoveTo(5);
    const int before = CurrentKey();
    const bool found = LocateRow(query_, c.column, ansi(c.valueUtf8), c.options);
    EXPECT_EQ(found, c.expectedKey != 0);
    EXPECT_EQ(CurrentKey(), c.expectedKey != 0 ? c.expectedKey : before);
  }
}

TEST_F(LocateRowTest, TwoRowsWithTheSameHeadwordGiveTheFirstInListOrder) {
  query_.MoveTo(7);
  ASSERT_TRUE(LocateRow(query_, "EUPHEMIZM", ansi("Анемия")));
  EXPECT_EQ(query_.RecNo(), 2);
  EXPECT_EQ(query_.Text(3, query_.FieldIndex("EUPHEMIZM")), ansi("Анемия"));
}

TEST_F(LocateRowTest, ClosedQueryFindsNothing) {
  query_.Close();
  EXPECT_FALSE(LocateRow(query_, "EUPHEMIZM", ansi("Гастрит")));
}

}  // namespace
