#include "store/SqlExecutor.h"

#include <gtest/gtest.h>
#include <ibase.h>

#include <string>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Statements.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using namespace store;
using store_testing::Count;
using store_testing::FirstValue;
using testing_support::ansi;

// About a megabyte of Russian text in Windows-1251 with CR LF line breaks.
std::string MegabyteArticle() {
  std::string text;
  for (int i = 0; text.size() < (1u << 20); ++i) text += ansi("Абзац ") + std::to_string(i) + ansi(" «статьи».\r\n");
  return text;
}

class SqlExecutorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database_.Open(testing_support::MakeHandbookDatabase(dir_, {testing_support::SectionLine(3, "Раздел")}).string());
    executor_.SetSQL(std::string(statements::InsertLocalTermBound));
  }

  std::string Stored(const std::string& column, const std::string& headword) {
    return FirstValue(database_, "select " + column + " from EUPHEMIZMS where EUPHEMIZM = \"" + headword + "\"");
  }

  testing_support::TempDir dir_;
  Database database_;
  SqlExecutor executor_{database_};
};

TEST_F(SqlExecutorTest, BoundValuesAreStoredExactlyWhateverTheirLengthAndQuotes) {
  const std::string article = MegabyteArticle();
  ASSERT_GT(article.size(), 65535u * 16);
  executor_.ExecQuery({ansi("Язва \"острая\""), ansi("лат. 'ulcus'"), article, "3"});
  executor_.ExecQuery({ansi("Гастрит"), std::nullopt, ansi("Воспаление."), "3"});  // the same statement again

  EXPECT_EQ(Stored("DESCRIPTION", ansi("Язва \"\"острая\"\"")), article) << "read back whole";
  EXPECT_EQ(Stored("ETIOLOGY", ansi("Язва \"\"острая\"\"")), ansi("лат. 'ulcus'"));
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where SECTION_UID = 3 and CHANGED = \"*\""), 2);
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where ETIOLOGY is null"), 1);
  EXPECT_EQ(executor_.SQL(), statements::InsertLocalTermBound);
}

TEST_F(SqlExecutorTest, ARejectedValueFailsThatStatementOnly) {
  executor_.ExecQuery({"A", "", "first", "3"});
  try {
    executor_.ExecQuery({std::string(300, 'x'), "", "second", "3"});  // wider than the headword column
    FAIL() << "no error";
  } catch (const DatabaseError& error) {
    EXPECT_TRUE(error.HasCode(isc_string_truncation)) << error.what();
  }
  EXPECT_THROW(executor_.ExecQuery({"B", "", "too few values"}), DatabaseError);
  EXPECT_THROW(executor_.ExecQuery({"B", "", "too many", "3", "values"}), DatabaseError);
  EXPECT_THROW(executor_.ExecQuery(), DatabaseError);
  executor_.ExecQuery({"C", "", "third", "3"});
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS"), 2);
}

TEST_F(SqlExecutorTest, ASelectTakesBoundValuesToo) {
  executor_.SetSQL("select SECTION_NAME from SECTIONS where SECTION_UID = ?");
  EXPECT_NO_THROW(executor_.ExecQuery({"3"}));
  EXPECT_THROW(executor_.ExecQuery({"three"}), DatabaseError);  // not a number
}

}  // namespace
