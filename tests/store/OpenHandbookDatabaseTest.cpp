#include "store/OpenHandbookDatabase.h"

#include <gtest/gtest.h>
#include <ibase.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <stdexcept>
#include <vector>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "tests/store/ChildProcess.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/FirebirdServer.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "text/Cp1251.h"

namespace {

using namespace store;
using store_testing::FirstValue;
using testing_support::TermLine;
using testing_support::ansi;

std::string Protocol(Database& database) {
  return FirstValue(database,
                    "select mon$remote_protocol from mon$attachments where mon$attachment_id = current_connection");
}

// What the engine says when `name` cannot be opened; the second attempt goes to a port where
// nothing listens.
DatabaseError ErrorOpening(const std::string& name) {
  Database database;
  database.SetServerPort(1);
  try {
    database.Open(name);
  } catch (const DatabaseError& error) {
    return error;
  }
  throw std::logic_error(name + " opened");
}

class OpenHandbookDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override { MakeHandbook(""); }

  // The handbook in `subfolder` (UTF-8, empty or ending with "/") of the test's folder.
  void MakeHandbook(const std::string& subfolder) {
    programFolder_ = dir_.path().string() + "/" + subfolder;
    file_ = testing_support::MakeHandbookDatabase(dir_, {TermLine(1, "A", "", "x", 0)},
                                                  subfolder + "DB/HANDBOOK.GDB");
  }

  // The message of a start-up without a server to fall back to, or "opened".
  std::string StartUpMessage() {
    Database database;
    database.SetServerPort(1);
    try {
      OpenHandbookDatabase(database, programFolder_);
    } catch (const DatabaseError& error) {
      EXPECT_TRUE(error.HasCode(isc_network_error)) << "the second attempt's codes";
      return error.what();
    }
    return "opened";
  }

  // The whole message for a first attempt that failed for `reason` (UTF-8).
  std::string Expected(const std::string& reason) {
    return ansi("Не удалось открыть справочник " + file_.string() + ": " + reason + ".\n") +
           ErrorOpening("localhost:" + file_.string()).what();
  }

  void Replace(const std::string& content) {
    std::filesystem::remove(file_);
    std::ofstream(file_, std::ios::binary) << content;
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

// The engine silently ignores some ways of sizing its cache (isc_dpb_num_buffers): the program's
// attach must end with the cache it asked for, and a plain attach (the maker's, the tools') keeps
// the engine's small default.
TEST_F(OpenHandbookDatabaseTest, TheProgramsAttachGetsItsLargePageCache) {
  const std::string buffers = "select mon$page_buffers from mon$database";
  {
    Database database;
    OpenHandbookDatabase(database, programFolder_);
    EXPECT_EQ(FirstValue(database, buffers), std::to_string(kHandbookPageCache));
  }
  Database plain;
  plain.Open(file_.string());
  EXPECT_LT(std::stoi(FirstValue(plain, buffers)), kHandbookPageCache);
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

TEST_F(OpenHandbookDatabaseTest, AFailedStartUpSaysWhichFileAndWhyBeforeTheServersError) {
  struct Case {
    const char* cause;
    std::function<void()> make;
    std::string reason;  // UTF-8; empty: the engine's own text of the first attempt
  };
  const std::vector<Case> cases = {
      {"missing", [&] { std::filesystem::remove(file_); }, "файл не найден"},
      {"shorter than a database", [&] { Replace("not a handbook\n"); }, "файл не является базой данных"},
      {"an empty file", [&] { Replace(""); }, "файл не является базой данных"},
      {"some other file", [&] { Replace(std::string(100000, 'x')); }, "файл не является базой данных"},
      {"a folder in its place", [&] {
         std::filesystem::remove(file_);
         std::filesystem::create_directory(file_);
       }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cause);
    c.make();
    const std::string expected = c.reason.empty()
        ? ansi("Не удалось открыть справочник " + file_.string() + ": ") + ErrorOpening(file_.string()).what() +
              ".\n" + ErrorOpening("localhost:" + file_.string()).what()
        : Expected(c.reason);
    EXPECT_EQ(StartUpMessage(), expected);
    std::filesystem::remove_all(file_);
  }
}

TEST_F(OpenHandbookDatabaseTest, AHandbookHeldByAnotherCopyOfTheProgramIsSaidToBeOpenElsewhere) {
  store_testing::ChildProcess other({HANDBOOK_OPEN_PROBE, "hold", file_.string()});
  ASSERT_EQ(other.ReadLine(), "open");
  EXPECT_EQ(StartUpMessage(), Expected("справочник уже открыт в другом окне программы"));
  EXPECT_EQ(other.Wait(), 0);
  EXPECT_EQ(StartUpMessage(), "opened") << "free again once the other copy has ended";
}

// Run in a process of its own: the system administrator may write any file, so as root the
// process gives up that privilege.
TEST_F(OpenHandbookDatabaseTest, AHandbookThatMayNotBeWrittenIsSaidSo) {
  std::vector<std::string> command;
  if (geteuid() == 0) {
    if (access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "setpriv is needed to give up the privilege";
    command = {"/usr/bin/setpriv", "--bounding-set", "-dac_override,-dac_read_search"};
  }
  command.insert(command.end(), {HANDBOOK_OPEN_PROBE, "open", programFolder_});
  using std::filesystem::perms;
  std::filesystem::permissions(file_, perms::owner_read | perms::group_read | perms::others_read);
  const auto lockFolder = dir_.path() / "lock";  // the shared one may be closed to such a process
  std::filesystem::create_directory(lockFolder);

  store_testing::ChildProcess probe(command, {"FIREBIRD_LOCK=" + lockFolder.string()});
  const std::string shown = probe.ReadAll();
  EXPECT_EQ(probe.Wait(), 1);
  EXPECT_EQ(shown, Expected("нет права на запись в файл"));
}

TEST_F(OpenHandbookDatabaseTest, AProgramInACyrillicFolderOpensAndNamesItsFileReadably) {
  MakeHandbook("Документы/Справочник/");
  Database database;
  OpenHandbookDatabase(database, programFolder_);
  EXPECT_EQ(FirstValue(database, "select EUPHEMIZM from EUPHEMIZMS"), "A");
  database.Close();

  std::filesystem::remove(file_);
  const std::string shown = text::Cp1251ToUtf8(StartUpMessage());
  EXPECT_EQ(shown.rfind("Не удалось открыть справочник " + file_.string() + ": файл не найден.\n", 0), 0u) << shown;

  // A cause without words of its own: the engine's text names the file as well.
  std::filesystem::create_directory(file_);
  const std::string engineText = text::Cp1251ToUtf8(StartUpMessage());
  const std::string prefix = "Не удалось открыть справочник " + file_.string() + ": ";
  ASSERT_EQ(engineText.rfind(prefix, 0), 0u) << engineText;
  EXPECT_NE(engineText.find(file_.string(), prefix.size()), std::string::npos) << engineText;
}

}  // namespace
