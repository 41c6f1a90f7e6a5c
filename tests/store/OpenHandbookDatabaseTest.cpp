#include "store/OpenHandbookDatabase.h"

#include <gtest/gtest.h>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/FirebirdServer.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using namespace store;
using store_testing::FirstValue;
using testing_support::TermLine;

std::string Protocol(Database& database) {
  return FirstValue(database,
                    "select mon$remote_protocol from mon$attachments where mon$attachment_id = current_connection");
}

class OpenHandbookDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    programFolder_ = dir_.path().string() + "/";
    file_ = testing_support::MakeHandbookDatabase(dir_, {TermLine(1, "A", "", "x", 0)}, "DB/HANDBOOK.GDB");
  }

  testing_support::TempDir dir_;
  std::string programFolder_;
  std::filesystem::path file_;
};

TEST_F(OpenHandbookDatabaseTest, ThePlainPathIsOpenedByTheEmbeddedEngine) {
  Database database;
  OpenHandbookDatabase(database, programFolder_);
  EXPECT_EQ(database.DatabaseName(), file_.string());
  EXPECT_EQ(Protocol(database), "");  // no network protocol: embedded

  OpenHandbookDatabase(database, programFolder_);  // an open connection is closed first
  EXPECT_TRUE(database.IsOpen());
}

TEST_F(OpenHandbookDatabaseTest, FallsBackToTheLocalServerWhileItHoldsTheFile) {
  testing_support::FirebirdServer server;
  Database holder;  // the server now has the file open, so the embedded engine cannot
  holder.SetServerPort(server.port());
  holder.Open("localhost:" + file_.string());

  Database database;
  database.SetServerPort(server.port());
  OpenHandbookDatabase(database, programFolder_);
  EXPECT_EQ(database.DatabaseName(), "localhost:" + file_.string());
  EXPECT_EQ(Protocol(database).substr(0, 3), "TCP");
  EXPECT_EQ(FirstValue(database, "select EUPHEMIZM from EUPHEMIZMS"), "A");
}

TEST_F(OpenHandbookDatabaseTest, WhenBothNamesFailTheSecondErrorPropagates) {
  std::filesystem::remove(file_);
  Database database;
  database.SetServerPort(1);  // nothing listens there
  EXPECT_THROW(OpenHandbookDatabase(database, programFolder_), DatabaseError);
  EXPECT_FALSE(database.IsOpen());
  EXPECT_EQ(database.DatabaseName(), "localhost:" + file_.string());
}

}  // namespace
