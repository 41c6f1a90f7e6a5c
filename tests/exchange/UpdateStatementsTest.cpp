#include "exchange/UpdateStatements.h"

#include <gtest/gtest.h>

#include "exchange/UpdateDocumentReader.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "text/Cp1251.h"
#include "UpdateDocumentBuilder.h"

namespace {

using exchange::ProducerCategory;
using exchange::ProducerTerm;

TEST(UpdateStatements, CategoryStatementsCarryTheReceivedTexts) {
  const ProducerCategory category{"12", text::Utf8ToCp1251("Кардиология")};
  EXPECT_EQ(exchange::CategoryLookupStatement(category), "select * from SECTIONS where SECTION_UID = 12");
  const struct {
    const char* name;
    std::optional<std::string> stored;
    std::string statement;
  } cases[] = {
      {"not stored", std::nullopt,
       text::Utf8ToCp1251("insert into SECTIONS (SECTION_NAME, SECTION_UID) values (\"Кардиология\", \"12\")")},
      {"stored alike", category.name, "select 0 from SECTIONS"},
      {"stored with blanks and control characters around", "  \t" + category.name + " \r\n",
       "select 0 from SECTIONS"},
      {"stored in other letter case", text::Utf8ToCp1251("КАРДИОЛОГИЯ"),
       text::Utf8ToCp1251("update SECTIONS set SECTION_NAME = \"Кардиология\" where SECTION_UID = 12")},
      {"stored with a blank inside", text::Utf8ToCp1251("Кардио логия"),
       text::Utf8ToCp1251("update SECTIONS set SECTION_NAME = \"Кардиология\" where SECTION_UID = 12")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(exchange::CategoryChangeStatement(category, c.stored), c.statement);
  }
}

// The received name is compared as it came: blanks around it make it differ from the stored one.
TEST(UpdateStatements, AReceivedNameWithBlanksAroundIsWrittenAsItCame) {
  EXPECT_EQ(exchange::CategoryChangeStatement({"3", " Name "}, std::string("Name")),
            "update SECTIONS set SECTION_NAME = \" Name \" where SECTION_UID = 3");
}

TEST(UpdateStatements, TermStatementsCarryTheValuesAsTheyStand) {
  const struct {
    const char* name;
    ProducerTerm term;
    bool known;
    std::string statement;
  } cases[] = {
      {"new", {"101", "7", "Alpha", "Greek", "a\n\rb"}, false,
       "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, EUPH_UID) values "
       "(\"Alpha\", \"Greek\", \"a\n\rb\", \"7\", \"101\")"},
      {"known", {"101", "7", "Alpha", "Greek", "a\n\rb"}, true,
       "update EUPHEMIZMS set EUPHEMIZM = \"Alpha\", ETIOLOGY = \"Greek\", DESCRIPTION = \"a\n\rb\", "
       "CHANGED = \"\" where EUPH_UID = 101"},
      {"empty values, signed keys", {"+5", "-1", "", "", ""}, false,
       "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, EUPH_UID) values "
       "(\"\", \"\", \"\", \"-1\", \"+5\")"},
      {"quotes and percent signs unescaped", {"9", "0", "50% \"x\"", "%s", "%%"}, true,
       "update EUPHEMIZMS set EUPHEMIZM = \"50% \"x\"\", ETIOLOGY = \"%s\", DESCRIPTION = \"%%\", "
       "CHANGED = \"\" where EUPH_UID = 9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(exchange::TermLookupStatement(c.term), "select * from EUPHEMIZMS where EUPH_UID = " + c.term.uid);
    const std::string statement = exchange::TermChangeStatement(c.term, c.known);
    EXPECT_EQ(statement, c.statement);
    EXPECT_EQ(exchange::FailedUpdateStatementMessage(statement), c.statement);
  }
}

// The statements run against a real handbook the way the download applies a document: a look-up,
// then the change statement it decides on; a rejected statement is reported and the run goes on.
class ApplyingUpdateStatements : public ::testing::Test {
 protected:
  void SetUp() override {
    using testing_support::SectionLine;
    using testing_support::TermLine;
    const auto file = testing_support::MakeHandbookDatabase(
        dir_, {SectionLine(0, "Общие"), SectionLine(1, "  Хирургия "), SectionLine(2, "терапия"),
               TermLine(10, "Старый", "старое", "было", 2, "+"), TermLine(11, "Нетронутый", "", "x", 0)});
    database_.Open(file.string());
  }

  void Apply(const exchange::UpdateDocument& document) {
    for (const ProducerCategory& category : document.categories) {
      store::Query lookup(database_);
      lookup.SetSQL(exchange::CategoryLookupStatement(category));
      lookup.Open();
      const std::optional<std::string> stored =
          lookup.RecordCount() == 0 ? std::nullopt : std::optional(lookup.FieldByName("SECTION_NAME").AsString());
      Execute(exchange::CategoryChangeStatement(category, stored));
    }
    for (const ProducerTerm& term : document.terms) {
      store::Query lookup(database_);
      lookup.SetSQL(exchange::TermLookupStatement(term));
      lookup.Open();
      Execute(exchange::TermChangeStatement(term, lookup.RecordCount() > 0));
    }
  }

  void Execute(const std::string& statement) {
    store::SqlExecutor executor(database_);
    executor.SetSQL(statement);
    try {
      executor.ExecQuery();
    } catch (const store::DatabaseError&) {
      failures_.push_back(exchange::FailedUpdateStatementMessage(statement));
    }
  }

  std::string Value(const std::string& sql) {
    store::Query query(database_);
    query.SetSQL(sql);
    query.Open();
    return query.RecordCount() == 0 ? "<no row>" : std::string(query.Text(0, 0));
  }

  testing_support::TempDir dir_;
  store::Database database_;
  std::vector<std::string> failures_;
};

TEST_F(ApplyingUpdateStatements, CategoriesAreAddedRenamedOrKept) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"1", text::Utf8ToCp1251("Хирургия")},
                  {"2", text::Utf8ToCp1251("Терапия")},
                  {"3", text::Utf8ToCp1251("Новая")}};
  b.terms = {{"11", "0", text::Utf8ToCp1251("Нетронутый"), "", "x"}};
  Apply(exchange::ReadUpdateDocument(b.Signed()));
  EXPECT_TRUE(failures_.empty());
  EXPECT_EQ(Value("select SECTION_NAME from SECTIONS where SECTION_UID = 1"), text::Utf8ToCp1251("  Хирургия "));
  EXPECT_EQ(Value("select SECTION_NAME from SECTIONS where SECTION_UID = 2"), text::Utf8ToCp1251("Терапия"));
  EXPECT_EQ(Value("select SECTION_NAME from SECTIONS where SECTION_UID = 3"), text::Utf8ToCp1251("Новая"));
}

TEST_F(ApplyingUpdateStatements, TermsTakeTheProducersTextsAndKnownOnesKeepTheirCategory) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"5", "Fresh"}};
  b.terms = {{"10", "5", "New title", "new origin", "a<br />b"}, {"20", "5", "Brand new", "", "c"}};
  Apply(exchange::ReadUpdateDocument(b.Signed()));
  EXPECT_TRUE(failures_.empty());
  EXPECT_EQ(Value("select EUPHEMIZM from EUPHEMIZMS where EUPH_UID = 10"), "New title");
  EXPECT_EQ(Value("select ETIOLOGY from EUPHEMIZMS where EUPH_UID = 10"), "new origin");
  EXPECT_EQ(Value("select DESCRIPTION from EUPHEMIZMS where EUPH_UID = 10"), "a\n\rb");
  EXPECT_EQ(Value("select CHANGED from EUPHEMIZMS where EUPH_UID = 10"), "");
  EXPECT_EQ(Value("select SECTION_UID from EUPHEMIZMS where EUPH_UID = 10"), "2");
  EXPECT_EQ(Value("select SECTION_UID from EUPHEMIZMS where EUPH_UID = 20"), "5");
  EXPECT_EQ(Value("select count(*) from EUPHEMIZMS where EUPH_UID = 20 and CHANGED is null"), "1");
}

TEST_F(ApplyingUpdateStatements, ARejectedStatementIsReportedAsItsTextAndTheRestApplies) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"0", text::Utf8ToCp1251("Общие")}};
  b.terms = {{"30", "0", "Says \"hi\"", "", "d"}, {"31", "0", "After", "", "e"}};
  Apply(exchange::ReadUpdateDocument(b.Signed()));
  ASSERT_EQ(failures_.size(), 1u);
  EXPECT_EQ(failures_[0],
            "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, EUPH_UID) values "
            "(\"Says \"hi\"\", \"\", \"d\", \"0\", \"30\")");
  EXPECT_EQ(Value("select EUPHEMIZM from EUPHEMIZMS where EUPH_UID = 30"), "<no row>");
  EXPECT_EQ(Value("select EUPHEMIZM from EUPHEMIZMS where EUPH_UID = 31"), "After");
}

}  // namespace
