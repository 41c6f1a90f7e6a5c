#include "store/Statements.h"

#include <gtest/gtest.h>

#include <set>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/LocalKeyRange.h"
#include "store/Query.h"
#include "store/QuoteLiteral.h"
#include "store/SqlExecutor.h"
#include "store/UpdateSql.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "text/AnsiCase.h"
#include "text/Format.h"

namespace {

using namespace store;
using store_testing::Count;
using store_testing::FirstValue;
using testing_support::SectionLine;
using testing_support::TermLine;
using testing_support::ansi;

class StatementsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto file = testing_support::MakeHandbookDatabase(
        dir_, {SectionLine(0, "Общие термины"), SectionLine(1, "Гастроэнтерология"),
               TermLine(1, "гастрит", "греч. gaster – желудок", "Воспаление желудка.", 1),
               TermLine(2, "Анамнез", "греч. anamnesis – воспоминание", "Сведения о болезни.", 0),
               TermLine(40, "Язва", "", "Дефект слизистой.", 1)});
    database_.Open(file.string());
  }

  const std::string& Template(int number) {
    for (const auto& entry : statements::Catalogue()) {
      if (entry.number == number) {
        used_.insert(number);
        text_ = std::string(entry.text);
        return text_;
      }
    }
    throw std::logic_error("no statement " + std::to_string(number));
  }

  // Opens the query object with the formatted statement; returns the row count (-1: executed).
  int Open(int number, std::initializer_list<text::FormatArg> values = {}, const std::string& key = {}) {
    query_.SetSQL(text::Format(Template(number), values) + key);
    query_.Open();
    return query_.IsOpen() ? query_.RecordCount() : -1;
  }

  void Execute(int number, std::initializer_list<text::FormatArg> values) {
    SqlExecutor executor(database_);
    executor.SetSQL(text::Format(Template(number), values));
    executor.ExecQuery();
  }

  testing_support::TempDir dir_;
  Database database_;
  Query query_{database_};
  std::string text_;
  std::set<int> used_;
};

TEST_F(StatementsTest, EveryStatementRunsAgainstTheSchema) {
  EXPECT_EQ(Open(1), 2);
  EXPECT_EQ(query_.FieldByName("SECTION_NAME").AsString(), ansi("Общие термины"));
  EXPECT_EQ(Open(2), 1);
  EXPECT_EQ(Open(3, {1}), 2);
  EXPECT_EQ(query_.FieldByName("EUPHEMIZM").AsString(), ansi("гастрит"));
  query_.SetSQL(text::Format(statements::SelectSectionName, {1}));
  query_.Open();
  EXPECT_EQ(query_.RecordCount(), 1);
  EXPECT_EQ(query_.FieldByName("SECTION_NAME").AsString(), ansi("Гастроэнтерология"));

  // The search upper-cases Cyrillic under PXW_CYRL, in the headword and in the origin.
  EXPECT_EQ(Open(4, {ansi("ГАСТР"), ansi("ГАСТР")}), 1);
  EXPECT_EQ(Open(4, {ansi("ВОСПОМИН"), ansi("ВОСПОМИН")}), 1);
  EXPECT_EQ(query_.FieldByName("EUPH_UID").AsInteger(), 2);

  // A local insert gets its key from the database, in the range the producer never uses.
  Execute(5, {ansi("Колит"), "", ansi("Воспаление толстой кишки."), 1});
  EXPECT_EQ(FirstValue(database_, "select EUPH_UID from EUPHEMIZMS where CHANGED = \"*\""),
            std::to_string(kLocalKeyBottom));

  UpdateSql update(database_);
  update.SetModifySQL(Template(6));
  update.SetDeleteSQL(Template(7));
  const FieldValues before = {{"EUPH_UID", "1"}};
  const FieldValues after = {{"EUPH_UID", "1"}, {"EUPHEMIZM", ansi("Гастрит")}, {"ETIOLOGY", "x"},
                             {"DESCRIPTION", "y"}, {"CHANGED", "+"}};
  update.Apply(UpdateKind::Modify, after, before);
  EXPECT_EQ(FirstValue(database_, "select EUPHEMIZM from EUPHEMIZMS where EUPH_UID = 1"), ansi("Гастрит"));

  EXPECT_EQ(Open(8), 1);
  EXPECT_EQ(Open(9), 1);
  EXPECT_EQ(Open(10), -1);
  EXPECT_EQ(Open(11), -1);
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where CHANGED = \"*\" or CHANGED = \"+\""), 0);

  EXPECT_EQ(Open(12, {}, "1"), 1);
  Execute(13, {ansi("Кардиология"), "2"});
  Execute(14, {ansi("Сердце и сосуды"), "2"});
  Execute(15, {});
  EXPECT_EQ(Open(12, {}, "2"), 1);
  EXPECT_EQ(query_.FieldByName("SECTION_NAME").AsString(), ansi("Сердце и сосуды"));

  EXPECT_EQ(Open(16, {}, "500"), 0);
  Execute(17, {ansi("Стенокардия"), "", ansi("Боль за грудиной."), "2", "500"});
  Execute(18, {ansi("Стенокардия"), ansi("греч. stenos – узкий"), ansi("Приступ боли."), "500"});
  EXPECT_EQ(Open(16, {}, "500"), 1);
  EXPECT_EQ(query_.FieldByName("ETIOLOGY").AsString(), ansi("греч. stenos – узкий"));
  EXPECT_EQ(query_.FieldByName("SECTION_UID").AsInteger(), 2);

  EXPECT_EQ(Open(19, {ansi("СТЕНОКАРДИЯ")}), 1);

  const FieldValues gone = {{"EUPH_UID", "500"}};
  update.Apply(UpdateKind::Delete, gone, gone);
  EXPECT_EQ(Open(16, {}, "500"), 0);

  std::set<int> all;
  for (int n = 1; n <= 19; ++n) all.insert(n);
  EXPECT_EQ(used_, all);
}

// Values that would end a spliced literal early are stored and compared exactly.
TEST_F(StatementsTest, LiteralBodyKeepsEveryValueInsideItsLiteral) {
  const std::string values[] = {"a\"b", "\"", "\"\"", "ends with \"", "it's", "%_",
                                "x\", \"y\", \"z\", 1, \"*\") --"};
  int expectedKey = kLocalKeyBottom;
  for (const std::string& value : values) {
    SCOPED_TRACE(value);
    Execute(5, {LiteralBody(value), LiteralBody(value), "d", 1});
    EXPECT_EQ(FirstValue(database_, "select EUPHEMIZM from EUPHEMIZMS where EUPH_UID = " +
                                        std::to_string(expectedKey)), value);
    EXPECT_EQ(Open(19, {LiteralBody(text::AnsiUpperCase(value))}), 1);
    ++expectedKey;
  }
  EXPECT_EQ(QuoteLiteral("a\"b"), "\"a\"\"b\"");
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where EUPHEMIZM = " + QuoteLiteral("a\"b")), 1);
}

TEST_F(StatementsTest, ARawDoubleQuoteEndsTheLiteralEarly) {
  // What LiteralBody prevents: the value closes the literal and rewrites the statement.
  Execute(5, {"x\", \"y\", \"z\", 1, \"*\") --", "o", "d", 1});
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where EUPHEMIZM = \"x\""), 1);
  EXPECT_THROW(Execute(5, {"a\"b", "o", "d", 1}), DatabaseError);
}

TEST(StatementCatalogueTest, TextsAreTheDocumentedOnes) {
  EXPECT_EQ(statements::Catalogue().size(), 21u);
  EXPECT_EQ(statements::SearchTerms,
            "select * from EUPHEMIZMS where upper(EUPHEMIZM collate PXW_CYRL) like \"%%%s%%\" or "
            "upper(ETIOLOGY collate PXW_CYRL) like \"%%%s%%\" order by EUPHEMIZM");
  EXPECT_EQ(text::Format(statements::SearchTerms, {"AB", "AB"}),
            "select * from EUPHEMIZMS where upper(EUPHEMIZM collate PXW_CYRL) like \"%AB%\" or "
            "upper(ETIOLOGY collate PXW_CYRL) like \"%AB%\" order by EUPHEMIZM");
  EXPECT_EQ(statements::ClearEditedMarks, "update EUPHEMIZMS set changed = \"\" where changed = \"+\"");
}

}  // namespace
