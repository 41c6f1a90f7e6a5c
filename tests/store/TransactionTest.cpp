#include <gtest/gtest.h>

#include <memory>

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
using store_testing::Execute;
using testing_support::TermLine;

class TransactionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = testing_support::MakeHandbookDatabase(dir_, {TermLine(1, "Anamnesis", "", "x", 0)});
  }

  int TermsAfterReopen() {
    Database database;
    database.Open(file_.string());
    return Count(database, "select count(*) from EUPHEMIZMS");
  }

  testing_support::TempDir dir_;
  std::filesystem::path file_;
};

TEST_F(TransactionTest, StartsWithTheFirstStatementAndEndsOnCommit) {
  Database database;
  database.Open(file_.string());
  EXPECT_FALSE(database.InTransaction());
  Query query(database);
  query.SetSQL(std::string(statements::SelectFirstSectionTerms));
  query.Open();
  EXPECT_TRUE(database.InTransaction());

  database.CommitRetaining();
  EXPECT_TRUE(database.InTransaction());
  EXPECT_TRUE(query.IsOpen());
  EXPECT_EQ(query.RecordCount(), 1);

  database.Commit();
  EXPECT_FALSE(database.InTransaction());
  EXPECT_FALSE(query.IsOpen());
  query.Open();  // a new transaction starts by itself
  EXPECT_TRUE(database.InTransaction());
}

TEST_F(TransactionTest, ChangesSurviveTheDestructionOfTheStoreAndAReopen) {
  {
    Database database;
    database.Open(file_.string());
    Execute(database, "insert into EUPHEMIZMS (EUPHEMIZM, SECTION_UID) values (\"Bronchitis\", 0)");
  }
  EXPECT_EQ(TermsAfterReopen(), 2);
}

TEST_F(TransactionTest, CommitRetainingMakesChangesDurableWhileQueriesStayOpen) {
  Database database;
  database.Open(file_.string());
  Execute(database, "insert into EUPHEMIZMS (EUPHEMIZM, SECTION_UID) values (\"Bronchitis\", 0)");
  database.CommitRetaining();
  // A second attachment in this process sees only committed work.
  EXPECT_EQ(TermsAfterReopen(), 2);
}

TEST_F(TransactionTest, RollbackDiscardsChanges) {
  Database database;
  database.Open(file_.string());
  Execute(database, "delete from EUPHEMIZMS");
  database.Rollback();
  EXPECT_EQ(Count(database, "select count(*) from EUPHEMIZMS"), 1);
}

// A database trigger that refuses every commit while a row "refuse commit" exists.
void RefuseCommitsOfMarkedRows(const std::filesystem::path& file) {
  Database database;
  database.Open(file.string());
  Execute(database, "create exception COMMIT_REFUSED \"commit refused by the test\"");
  database.Commit();
  Execute(database,
          "create trigger REFUSE_COMMIT on transaction commit as begin "
          "if (exists(select 1 from EUPHEMIZMS where EUPHEMIZM = \"refuse commit\")) then "
          "exception COMMIT_REFUSED; end");
  database.Commit();
}

TEST_F(TransactionTest, AFailedFinalCommitRollsBack) {
  RefuseCommitsOfMarkedRows(file_);
  {
    Database database;
    database.Open(file_.string());
    Execute(database, "insert into EUPHEMIZMS (EUPHEMIZM, SECTION_UID) values (\"Bronchitis\", 0)");
    Execute(database, "insert into EUPHEMIZMS (EUPHEMIZM, SECTION_UID) values (\"refuse commit\", 0)");
    try {
      database.Commit();
      FAIL() << "the commit went through";
    } catch (const DatabaseError& error) {
      EXPECT_NE(std::string(error.what()).find("commit refused by the test"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(database.InTransaction());
  }  // the final commit fails the same way and is rolled back
  EXPECT_EQ(TermsAfterReopen(), 1);

  Database database;  // and the database is usable afterwards
  database.Open(file_.string());
  Execute(database, "insert into EUPHEMIZMS (EUPHEMIZM, SECTION_UID) values (\"Bronchitis\", 0)");
  database.Close();
  EXPECT_EQ(TermsAfterReopen(), 2);
}

TEST_F(TransactionTest, QueriesThatOutliveTheirDatabaseOnlyFail) {
  auto database = std::make_unique<Database>();
  database->Open(file_.string());
  Query query(*database);
  query.SetSQL(std::string(statements::SelectFirstSectionTerms));
  query.Open();
  database.reset();  // commits and closes the query
  EXPECT_FALSE(query.IsOpen());
  EXPECT_THROW(query.Open(), DatabaseError);
  EXPECT_EQ(TermsAfterReopen(), 1);
}

TEST_F(TransactionTest, OpeningAMissingFileFailsWithTheServersMessage) {
  Database database;
  try {
    database.Open((dir_.path() / "missing.gdb").string());
    FAIL() << "opened";
  } catch (const DatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(database.IsOpen());
}

}  // namespace
