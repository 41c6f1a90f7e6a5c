#include "store/UpdateSql.h"

#include <gtest/gtest.h>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using namespace store;
using store_testing::Count;
using store_testing::FirstValue;
using testing_support::TermLine;
using testing_support::ansi;

// The term list with its update object, as the main window wires them.
class UpdateSqlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto file = testing_support::MakeHandbookDatabase(
        dir_, {TermLine(1, "Анамнез", "", "a", 0), TermLine(2, "Бронхит", "лат. bronchus", "b", 0),
               TermLine(3, "Вакцина", "лат. vacca – корова", "c", 0), TermLine(4, "Гастрит", "", "d", 1)});
    database_.Open(file.string());
    updateObject_.SetModifySQL(std::string(statements::ModifyTerm));
    updateObject_.SetDeleteSQL(std::string(statements::DeleteTerm));
    updateObject_.SetInsertSQL(std::string(statements::InsertTermRow));
    list_.SetUpdateObject(&updateObject_);
    list_.SetSQL(std::string(statements::SelectFirstSectionTerms));
    list_.Open();
  }

  std::string Stored(const std::string& column, int key) {
    return FirstValue(database_, "select " + column + " from EUPHEMIZMS where EUPH_UID = " + std::to_string(key));
  }

  testing_support::TempDir dir_;
  Database database_;
  UpdateSql updateObject_{database_};
  Query list_{database_};
};

TEST_F(UpdateSqlTest, PostWritesTheNewValuesKeyedByTheKeyAsFetched) {
  list_.MoveTo(1);
  list_.Edit();
  list_.SetFieldText("EUPHEMIZM", ansi("Бронхит острый"));
  list_.SetFieldText("etiology", ansi("греч. bronchos – дыхательное горло"));
  list_.SetFieldText("DESCRIPTION", ansi("Воспаление бронхов;\r\nчасто после простуды."));
  list_.SetFieldText("CHANGED", "+");
  list_.SetFieldText("EUPH_UID", "3");  // the where clause still uses the old key
  list_.Post();

  EXPECT_FALSE(list_.IsEditing());
  EXPECT_EQ(list_.FieldByName("EUPHEMIZM").AsString(), ansi("Бронхит острый"));
  EXPECT_EQ(Stored("EUPHEMIZM", 2), ansi("Бронхит острый"));
  EXPECT_EQ(Stored("ETIOLOGY", 2), ansi("греч. bronchos – дыхательное горло"));
  EXPECT_EQ(Stored("DESCRIPTION", 2), ansi("Воспаление бронхов;\r\nчасто после простуды."));
  EXPECT_EQ(Stored("CHANGED", 2), "+");
  EXPECT_EQ(Stored("EUPHEMIZM", 3), ansi("Вакцина"));
}

TEST_F(UpdateSqlTest, ALongDescriptionIsWrittenAndReadWhole) {
  std::string description;
  for (int i = 0; description.size() < 70000; ++i) description += ansi("Абзац ") + std::to_string(i) + ".\r\n";
  list_.Edit();
  list_.SetFieldText("DESCRIPTION", description);
  list_.Post();
  list_.Open();
  EXPECT_EQ(list_.FieldByName("DESCRIPTION").AsString(), description);
  EXPECT_EQ(list_.FieldByName("EUPHEMIZM").AsString(), ansi("Анамнез"));
}

TEST_F(UpdateSqlTest, NullValuesAreBoundAsNull) {
  list_.MoveTo(1);
  list_.Edit();
  list_.SetFieldNull("ETIOLOGY");
  list_.Post();
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where EUPH_UID = 2 and ETIOLOGY is null"), 1);
}

TEST_F(UpdateSqlTest, AFailedPostLeavesRowAndDatabaseAsTheyWere) {
  list_.MoveTo(0);
  list_.Edit();
  list_.SetFieldText("EUPHEMIZM", std::string(400, 'x'));  // longer than the column
  EXPECT_THROW(list_.Post(), DatabaseError);
  EXPECT_FALSE(list_.IsEditing());
  EXPECT_EQ(list_.FieldByName("EUPHEMIZM").AsString(), ansi("Анамнез"));
  EXPECT_EQ(Stored("EUPHEMIZM", 1), ansi("Анамнез"));
}

TEST_F(UpdateSqlTest, CancelRestoresTheFetchedValues) {
  list_.Edit();
  list_.SetFieldText("EUPHEMIZM", "changed");
  list_.Cancel();
  EXPECT_EQ(list_.FieldByName("EUPHEMIZM").AsString(), ansi("Анамнез"));
  EXPECT_THROW(list_.SetFieldText("EUPHEMIZM", "x"), DatabaseError);  // not editing any more
}

TEST_F(UpdateSqlTest, DeleteRemovesTheRowAndTheNextBecomesCurrent) {
  list_.MoveTo(1);
  list_.Delete();
  EXPECT_EQ(list_.RecordCount(), 2);
  EXPECT_EQ(list_.RecNo(), 1);
  EXPECT_EQ(list_.FieldByName("EUPH_UID").AsInteger(), 3);
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where EUPH_UID = 2"), 0);

  list_.Delete();  // the last row: the one before it becomes current
  EXPECT_EQ(list_.RecNo(), 0);
  EXPECT_EQ(list_.FieldByName("EUPH_UID").AsInteger(), 1);
  list_.Delete();
  EXPECT_EQ(list_.RecNo(), -1);
  EXPECT_NO_THROW(list_.Delete());  // nothing left: nothing happens
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS"), 1);
}

TEST_F(UpdateSqlTest, EditingAnEmptyListInsertsANewRow) {
  updateObject_.SetInsertSQL(
      "insert into EUPHEMIZMS (CHANGED, EUPHEMIZM, DESCRIPTION, SECTION_UID) "
      "values (:CHANGED, :EUPHEMIZM, :DESCRIPTION, :SECTION_UID)");
  list_.SetSQL("select * from EUPHEMIZMS where section_uid = 7");
  list_.Open();
  ASSERT_EQ(list_.RecordCount(), 0);
  list_.Edit();
  EXPECT_EQ(list_.RecordCount(), 1);
  list_.SetFieldText("EUPHEMIZM", "New");
  list_.SetFieldText("DESCRIPTION", "text");
  list_.SetFieldText("CHANGED", "+");
  list_.SetFieldText("SECTION_UID", "7");
  list_.Post();
  EXPECT_EQ(Count(database_, "select count(*) from EUPHEMIZMS where SECTION_UID = 7 and CHANGED = \"+\""), 1);
}

TEST_F(UpdateSqlTest, TheTermListsOwnInsertStatementNeedsASection) {
  list_.SetSQL("select * from EUPHEMIZMS where section_uid = 7");
  list_.Open();
  list_.Edit();
  list_.SetFieldText("EUPHEMIZM", "New");
  EXPECT_THROW(list_.Post(), DatabaseError);  // no SECTION_UID: refused rather than lost
  EXPECT_EQ(list_.RecordCount(), 0);
  EXPECT_EQ(list_.RecNo(), -1);
}

TEST_F(UpdateSqlTest, AParameterWithoutAFieldIsAnError) {
  UpdateSql update(database_);
  update.SetModifySQL("update EUPHEMIZMS set ETIOLOGY = :NO_SUCH_FIELD where EUPH_UID = :OLD_EUPH_UID");
  const FieldValues row = {{"EUPH_UID", "1"}};
  EXPECT_THROW(update.Apply(UpdateKind::Modify, row, row), DatabaseError);
  EXPECT_THROW(update.Apply(UpdateKind::Insert, row, row), DatabaseError);  // no statement
}

TEST_F(UpdateSqlTest, ParameterNamesInsideQuotedTextAreNotParameters) {
  UpdateSql update(database_);
  update.SetModifySQL("update EUPHEMIZMS set ETIOLOGY = \"a :B 'c'\" where EUPH_UID = :old_euph_uid");
  const FieldValues row = {{"euph_uid", "4"}};
  update.Apply(UpdateKind::Modify, row, row);
  EXPECT_EQ(Stored("ETIOLOGY", 4), "a :B 'c'");
}

}  // namespace
