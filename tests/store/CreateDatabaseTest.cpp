#include "store/CreateHandbookDatabase.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/LocalKeyRange.h"
#include "store/Query.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "text/Cp1251.h"

namespace {

using namespace store;
using store_testing::Count;
using store_testing::Execute;
using testing_support::SectionLine;
using testing_support::TermLine;
using testing_support::DatabaseSourceFolder;
namespace fs = std::filesystem;

struct MakerRun {
  int exitCode;
  std::string output;
};

MakerRun RunMaker(const fs::path& folder, const std::string& arguments) {
  const fs::path log = folder / "maker.log";
  const std::string command = std::string(HANDBOOK_MAKEDB) + " " + arguments + " > '" + log.string() + "' 2>&1";
  const int status = std::system(command.c_str());
  std::ifstream in(log);
  std::ostringstream output;
  output << in.rdbuf();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.str()};
}

TEST(CreateDatabaseTest, TheMakerMakesANewFileAndNeverOverwritesOne) {
  testing_support::TempDir dir;
  const fs::path schema = DatabaseSourceFolder() / "schema.sql";
  const fs::path data = dir.path() / "data.sql";
  std::ofstream(data) << "-- two rows\n\n" << SectionLine(0, "Общие термины") << "\n"
                      << TermLine(7, "Гастрит", "", "x", 0) << "\n";
  const std::string target = "'" + (dir.path() / "H.GDB").string() + "'";

  struct Case {
    std::string arguments;
    int exitCode;
    std::string message;
  };
  const Case cases[] = {
      {"", 2, "usage: handbook-makedb <new database path> <schema.sql> [data.sql ...]"},
      {target + " '" + schema.string() + "' '" + data.string() + "'", 0, "made"},
      {target + " '" + schema.string() + "'", 1, "already exists"},
      {"'" + (dir.path() / "other.gdb").string() + "' '" + (dir.path() / "none.sql").string() + "'", 1,
       "Cannot read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const MakerRun run = RunMaker(dir.path(), c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
  }
  EXPECT_FALSE(fs::exists(dir.path() / "other.gdb"));
  Database database;  // the refused second run left the first database as it was
  database.Open((dir.path() / "H.GDB").string());
  EXPECT_EQ(Count(database, "select count(*) from EUPHEMIZMS where EUPH_UID = 7"), 1);
}

// The two ways to a handbook with data: running the schema, and loading into a copy of the empty
// handbook the build made.
struct Way {
  const char* name;
  fs::path (*make)(const testing_support::TempDir&, const std::vector<std::string>&);
};
const Way kWays[] = {
    {"from the schema",
     [](const testing_support::TempDir& dir, const std::vector<std::string>& lines) {
       return testing_support::CreateHandbookDatabaseFromSchema(dir, lines);
     }},
    {"into a copy",
     [](const testing_support::TempDir& dir, const std::vector<std::string>& lines) {
       return testing_support::MakeHandbookDatabase(dir, lines);
     }},
    // As the maker reads its scripts: line by line from the file, here with a byte order mark and
    // Windows line ends.
    {"from a script file",
     [](const testing_support::TempDir& dir, const std::vector<std::string>& lines) {
       const fs::path script = dir.path() / "data.sql";
       std::ofstream out(script, std::ios::binary);
       out << "\xEF\xBB\xBF";
       for (const std::string& line : lines) out << line << "\r\n";
       out.close();
       const fs::path file = dir.path() / "HANDBOOK.GDB";
       CreateHandbookDatabase(file, DatabaseSourceFolder() / "schema.sql", {script});
       return file;
     }},
};

TEST(CreateDatabaseTest, BadDataNamesItsLineAndLeavesNoFile) {
  struct Case {
    std::string secondLine;
    std::string message;
  };
  const Case cases[] = {
      {"insert into SECTIONS (SECTION_UID, SECTION_NAME) values (1, \"a\")", "line 2: a statement must be one line"},
      {SectionLine(1, "Стрелка →"), "line 2: a character has no Windows-1251 code"},
      {"insert into SECTIONS (SECTION_UID, NO_SUCH) values (1, \"a\");", "NO_SUCH"},
      {SectionLine(0, "again"), "PRIMARY or UNIQUE KEY"},
  };
  for (const Way& way : kWays) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(way.name) + ": " + c.secondLine);
      testing_support::TempDir dir;
      try {
        way.make(dir, {SectionLine(0, "Общие термины"), c.secondLine});
        ADD_FAILURE() << "made";
      } catch (const DatabaseError& error) {
        const std::string message = text::Cp1251ToUtf8(error.what());
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_NE(message.find("line 2"), std::string::npos) << message;
      }
      EXPECT_FALSE(fs::exists(dir.path() / "HANDBOOK.GDB"));
    }
  }
}

// A failing line takes the lines before it along: the copy is left as empty as it came.
TEST(CreateDatabaseTest, LoadingBadDataIntoACopyStoresNothing) {
  testing_support::TempDir dir;
  const fs::path file = testing_support::MakeHandbookDatabase(dir);
  EXPECT_THROW(LoadHandbookData(file, {SectionLine(0, "Общие термины"), SectionLine(0, "again")}),
               DatabaseError);
  Database database;
  database.Open(file.string());
  EXPECT_EQ(Count(database, "select count(*) from SECTIONS"), 0);
}

// Local keys start in their own range whatever the producer's keys are, and go past a key that
// was loaded into that range already.
TEST(CreateDatabaseTest, LocalKeysStartInTheirOwnRange) {
  struct Case {
    std::vector<int> loadedKeys;
    std::int32_t firstLocalKey;
  };
  const Case cases[] = {
      {{}, kLocalKeyBottom},
      {{500, 20}, kLocalKeyBottom},
      {{kLocalKeyBottom - 1}, kLocalKeyBottom},
      {{kLocalKeyBottom, 20}, kLocalKeyBottom + 1},
      {{20, kLocalKeyBottom + 5, 500}, kLocalKeyBottom + 6},
  };
  for (const Way& way : kWays) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(way.name) + ", loaded keys " + ::testing::PrintToString(c.loadedKeys));
      testing_support::TempDir dir;
      std::vector<std::string> lines = {SectionLine(0, "Общие термины")};
      for (int key : c.loadedKeys) lines.push_back(TermLine(key, "K" + std::to_string(key), "", "x", 0));
      const auto file = way.make(dir, lines);
      Database database;
      database.Open(file.string());
      Execute(database, "insert into EUPHEMIZMS (EUPHEMIZM, SECTION_UID) values (\"C\", 0)");
      EXPECT_EQ(store_testing::FirstValue(database, "select EUPH_UID from EUPHEMIZMS where EUPHEMIZM = \"C\""),
                std::to_string(c.firstLocalKey));
    }
  }
}

TEST(CreateDatabaseTest, TheDemoHandbookLoads) {
  testing_support::TempDir dir;
  const fs::path file = dir.path() / "HANDBOOK.GDB";
  CreateHandbookDatabase(file, DatabaseSourceFolder() / "schema.sql", {DatabaseSourceFolder() / "demo.sql"});
  Database database;
  database.Open(file.string());
  EXPECT_GT(Count(database, "select count(*) from EUPHEMIZMS"), 200);
  const int sections = Count(database, "select count(*) from SECTIONS");
  EXPECT_EQ(Count(database, "select max(SECTION_UID) from SECTIONS"), sections - 1);
  // The producer's keys stay as they are, below the local range, which starts afresh.
  EXPECT_LT(Count(database, "select max(EUPH_UID) from EUPHEMIZMS"), kLocalKeyBottom);
  EXPECT_EQ(Count(database, "select gen_id(GEN_EUPH_UID, 0) from rdb$database"), kLocalKeyBottom - 1);
  // Made quickly without waiting for the disk, kept afterwards with synchronous writes.
  EXPECT_EQ(Count(database, "select mon$forced_writes from mon$database"), 1);
  EXPECT_EQ(Count(database, "select mon$sql_dialect from mon$database"), 1);
}

// Users keep programs in folders such as "Документы"; a test run may have LANG=C.
TEST(CreateDatabaseTest, CyrillicFoldersWorkWhateverTheLocale) {
  std::setlocale(LC_ALL, "C");
  testing_support::TempDir dir;
  const auto file = testing_support::CreateHandbookDatabaseFromSchema(dir, {SectionLine(0, "Общие")},
                                                                      "Документы/DB/HANDBOOK.GDB");
  Database database;
  database.Open(file.string());
  EXPECT_EQ(Count(database, "select count(*) from SECTIONS"), 1);
}

}  // namespace
