#include "store/Query.h"

#include <ibase.h>
#include <gtest/gtest.h>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Records.h"
#include "store/SqlExecutor.h"
#include "store/Statements.h"
#include "tests/store/StoreTesting.h"
#include "text/Format.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using namespace store;
using store_testing::Count;
using store_testing::Execute;
using testing_support::SectionLine;
using testing_support::TermLine;
using testing_support::ansi;

class QueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = testing_support::MakeHandbookDatabase(
        dir_, {SectionLine(0, "Общие термины"), SectionLine(1, "Гастроэнтерология   "),
               TermLine(1, "Гастрит  ", "греч. gaster – желудок", "Воспаление слизистой желудка.", 1),
               TermLine(2, "Анамнез", "", "Сведения о болезни.", 0)});
    database_.Open(file_.string());
  }

  testing_support::TempDir dir_;
  std::filesystem::path file_;
  Database database_;
};

TEST_F(QueryTest, FieldsByNameInAnyCaseWithTextsAsStoredAndNullAsEmpty) {
  Query query(database_);
  query.SetSQL(text::Format(statements::SelectSectionTerms, {1}));
  ASSERT_EQ(query.SQL(), "select * from EUPHEMIZMS where section_uid = 1 order by EUPHEMIZM");
  query.Open();
  ASSERT_TRUE(query.IsOpen());
  ASSERT_EQ(query.RecordCount(), 1);
  EXPECT_EQ(query.FieldByName("euphemizm").AsString(), ansi("Гастрит  "));
  EXPECT_EQ(query.FieldByName("Etiology").AsString(), ansi("греч. gaster – желудок"));
  EXPECT_EQ(query.FieldByName("DESCRIPTION").AsString(), ansi("Воспаление слизистой желудка."));
  EXPECT_EQ(query.FieldByName("section_uid").AsInteger(), 1);
  EXPECT_EQ(query.FieldByName("EUPH_UID").AsString(), "1");
  EXPECT_TRUE(query.FieldByName("CHANGED").IsNull());
  EXPECT_EQ(query.FieldByName("CHANGED").AsString(), "");
  EXPECT_EQ(query.FieldByName("CHANGED").AsInteger(), 0);
  EXPECT_THROW(query.FieldByName("NO_SUCH_FIELD"), DatabaseError);
  EXPECT_THROW(query.FieldByName("EUPHEMIZM").AsInteger(), DatabaseError);
}

TEST_F(QueryTest, RecordTypesReadTheCurrentRow) {
  Execute(database_, "update EUPHEMIZMS set CHANGED = \"+\" where EUPH_UID = 1");
  Query query(database_);
  query.SetSQL("select * from EUPHEMIZMS where EUPH_UID = 1");
  query.Open();
  const TermRecord term = ReadTermRecord(query);
  EXPECT_EQ(term.euphUid, 1);
  EXPECT_EQ(term.euphemizm, ansi("Гастрит  "));
  EXPECT_EQ(term.etiology, ansi("греч. gaster – желудок"));
  EXPECT_EQ(term.sectionUid, 1);
  EXPECT_EQ(term.changed, ChangeMark::EditedLocally);

  query.SetSQL("select * from SECTIONS where SECTION_UID = 1");
  query.Open();
  const SectionRecord section = ReadSectionRecord(query);
  EXPECT_EQ(section.sectionUid, 1);
  EXPECT_EQ(section.sectionName, ansi("Гастроэнтерология"));

  EXPECT_EQ(ChangeMarkFromText("*"), ChangeMark::CreatedLocally);
  EXPECT_EQ(ChangeMarkFromText(""), ChangeMark::InStep);
  EXPECT_STREQ(ChangeMarkText(ChangeMark::CreatedLocally), "*");
}

TEST_F(QueryTest, LongDescriptionsAndEveryRowComeBackWhole) {
  std::string longText;
  for (int i = 0; longText.size() < 30000; ++i) longText += ansi("Строка описания ") + std::to_string(i) + ". ";
  // Read when asked for, and read with the rows (inline up to 32,765 bytes, beyond by blob id).
  for (const bool withRows : {false, true}) {
    SCOPED_TRACE(withRows ? "blobs with the rows" : "blobs when asked for");
    Execute(database_, "update EUPHEMIZMS set DESCRIPTION = \"" + longText + "\" where EUPH_UID = 2");
    Query query(database_);
    query.SetBlobsWithRows(withRows);
    query.SetSQL(std::string(statements::SelectFirstSectionTerms));
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName("DESCRIPTION").AsString(), longText);

    // Longer than any text a statement can carry: made by the server.
    Execute(database_, "update EUPHEMIZMS set DESCRIPTION = DESCRIPTION || DESCRIPTION where EUPH_UID = 2");
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName("DESCRIPTION").AsString(), longText + longText);
    EXPECT_EQ(query.FieldByName("EUPHEMIZM").AsString(), ansi("Анамнез"));
  }
}

TEST_F(QueryTest, BoundValuesServeOnePreparedLookUpForEveryKey) {
  // Key texts as an update document may write them; the engine converts each to the integer.
  const struct {
    std::string key;
    std::string headword;  // empty: no row
  } cases[] = {{"1", ansi("Гастрит  ")}, {"+2", ansi("Анамнез")}, {"002", ansi("Анамнез")}, {"-1", ""}, {"3", ""}};
  Query query(database_);
  query.SetSQL("select * from EUPHEMIZMS where EUPH_UID = ?");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    query.SetSQL("select * from EUPHEMIZMS where EUPH_UID = ?");  // the same text: still prepared
    query.Open({c.key});
    ASSERT_EQ(query.RecordCount(), c.headword.empty() ? 0 : 1);
    if (!c.headword.empty()) {
      EXPECT_EQ(query.FieldByName("EUPHEMIZM").AsString(), c.headword);
    }
  }

  // A text with a double quote is compared as it is; a description longer than an inline text
  // comes back whole.
  Execute(database_, "update EUPHEMIZMS set EUPHEMIZM = 'Anamnesis \"vitae\"' where EUPH_UID = 2");
  const std::string longText(40000, 'x');
  Execute(database_, "update EUPHEMIZMS set DESCRIPTION = '" + std::string(20000, 'x') + "' where EUPH_UID = 2");
  Execute(database_, "update EUPHEMIZMS set DESCRIPTION = DESCRIPTION || DESCRIPTION where EUPH_UID = 2");
  query.SetSQL("select * from EUPHEMIZMS where EUPHEMIZM = ?");
  query.Open({"Anamnesis \"vitae\""});
  ASSERT_EQ(query.RecordCount(), 1);
  EXPECT_EQ(query.FieldByName("DESCRIPTION").AsString(), longText);

  // A statement that is not a select runs with its values too.
  query.SetSQL("update EUPHEMIZMS set CHANGED = ? where EUPH_UID = ?");
  query.Open({"+", "1"});
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where CHANGED = '+'"), 1);

  // Values that do not match the parameters leave the query closed.
  query.SetSQL("select * from EUPHEMIZMS where EUPH_UID = ?");
  EXPECT_THROW(query.Open({"1", "2"}), DatabaseError);
  EXPECT_FALSE(query.IsOpen());
  EXPECT_THROW(query.Open(), DatabaseError);
  EXPECT_FALSE(query.IsOpen());
}

TEST_F(QueryTest, NavigationAndReplacingTheTextCloses) {
  Query query(database_);
  query.SetSQL("select EUPH_UID from EUPHEMIZMS order by EUPH_UID");
  query.Open();
  std::vector<int> keys;
  for (query.First(); !query.Eof(); query.Next()) keys.push_back(query.FieldByName("EUPH_UID").AsInteger());
  EXPECT_EQ(keys, (std::vector<int>{1, 2}));
  query.MoveTo(99);
  EXPECT_EQ(query.RecNo(), 1);

  query.SetSQL("select * from SECTIONS");
  EXPECT_FALSE(query.IsOpen());
  EXPECT_EQ(query.RecordCount(), 0);
  EXPECT_EQ(query.RecNo(), -1);
  EXPECT_TRUE(query.Eof());
}

TEST_F(QueryTest, OpeningAStatementThatIsNotASelectExecutesIt) {
  Query query(database_);
  query.SetSQL(std::string(statements::DeleteCreatedTerms));
  Execute(database_, "update EUPHEMIZMS set CHANGED = \"*\" where EUPH_UID = 2");
  query.Open();
  EXPECT_FALSE(query.IsOpen());
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS"), 1);
}

TEST_F(QueryTest, OpeningWhileDisconnectedConnectsWithTheCurrentName) {
  database_.Close();
  ASSERT_FALSE(database_.IsOpen());
  Query query(database_);
  query.SetSQL(std::string(statements::SelectSectionNames));
  query.Open();
  EXPECT_TRUE(database_.IsOpen());
  EXPECT_EQ(query.RecordCount(), 2);
}

TEST_F(QueryTest, ServerErrorsCarryTheServersMessageAndKeepEarlierChanges) {
  Execute(database_, "update EUPHEMIZMS set ETIOLOGY = \"new\" where EUPH_UID = 2");
  Query query(database_);
  query.SetSQL("select NO_SUCH_COLUMN from EUPHEMIZMS");
  try {
    query.Open();
    FAIL() << "no error";
  } catch (const DatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find("NO_SUCH_COLUMN"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(query.IsOpen());

  const std::string tooLong(300, 'x');
  try {
    Execute(database_, "update EUPHEMIZMS set EUPHEMIZM = \"" + tooLong + "\"");
    FAIL() << "no error";
  } catch (const DatabaseError& error) {
    EXPECT_TRUE(error.HasCode(isc_string_truncation)) << error.what();
  }
  // A constraint violation: two rows with one key.
  EXPECT_THROW(Execute(database_, "update EUPHEMIZMS set EUPH_UID = 1"), DatabaseError);

  EXPECT_TRUE(database_.InTransaction());
  EXPECT_EQ(store_testing::FirstValue(database_, "select ETIOLOGY from EUPHEMIZMS where EUPH_UID = 2"), "new");
}

// Descriptions are read from the store only when asked for; they must still be what the listing
// saw, whatever happened to the rows since, and an edit must start from them.
TEST_F(QueryTest, DescriptionsReadWhenAskedForAreThoseOfTheListing) {
  Execute(database_, "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, DESCRIPTION, SECTION_UID) values "
                     "(3, \"Язва\", \"As listed.\", 5)");
  database_.CommitRetaining();
  Query query(database_);
  query.SetSQL(text::Format(statements::SelectSectionTerms, {5}));
  query.Open();
  ASSERT_EQ(query.RecordCount(), 1);
  Execute(database_, "update EUPHEMIZMS set DESCRIPTION = \"Changed behind the list.\" where EUPH_UID = 3");
  EXPECT_EQ(query.FieldByName("DESCRIPTION").AsString(), "As listed.");

  query.Open();
  database_.CommitRetaining();
  query.Edit();
  EXPECT_EQ(FindFieldValue(query.OriginalValues(), "DESCRIPTION")->value, "Changed behind the list.");
  query.SetFieldText("DESCRIPTION", "Being edited.");
  query.Cancel();
  EXPECT_EQ(query.FieldByName("DESCRIPTION").AsString(), "Changed behind the list.");
}

TEST_F(QueryTest, SqlExecutorRunsSelectsWithManyRows) {
  SqlExecutor executor(database_);
  executor.SetSQL(std::string(statements::KeepSection));
  EXPECT_NO_THROW(executor.ExecQuery());
  EXPECT_EQ(executor.SQL(), "select 0 from SECTIONS");
}

}  // namespace

namespace {

// Bound values travel outside the statement: a double quote, which would end a dialect 1 string
// literal, and a blob-sized text are both taken as they are.
TEST(QueryParametersTest, ASelectFindsRowsByBoundValuesOfAnyContent) {
  testing_support::TempDir dir;
  const std::string longDescription(40000, 'x');
  const auto file = testing_support::MakeHandbookDatabase(
      dir, {SectionLine(0, "Общие термины"), TermLine(1, "Гастрит", "", "", 0), TermLine(2, "Анамнез", "", "", 0)});
  Database database;
  database.Open(file.string());
  SqlExecutor insert(database);
  insert.SetSQL("insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, DESCRIPTION, SECTION_UID) values (?, ?, ?, ?)");
  insert.ExecQuery({"3", ansi("Синдром \"белого халата\""), longDescription, "0"});

  Query query(database);
  query.SetSQL("select EUPH_UID, DESCRIPTION from EUPHEMIZMS where EUPHEMIZM = ? or EUPH_UID = ? order by EUPH_UID");
  query.Open({ansi("Синдром \"белого халата\""), "2"});
  ASSERT_EQ(query.RecordCount(), 2);
  EXPECT_EQ(query.FieldByName("EUPH_UID").AsInteger(), 2);
  query.Next();
  EXPECT_EQ(query.FieldByName("EUPH_UID").AsInteger(), 3);
  EXPECT_EQ(query.FieldByName("DESCRIPTION").AsString(), longDescription);

  query.Open({ansi("Нет такого"), "99"});
  EXPECT_EQ(query.RecordCount(), 0) << "opened again with other values";
  EXPECT_THROW(query.Open({"1"}), DatabaseError) << "fewer values than parameters";
}

}  // namespace
