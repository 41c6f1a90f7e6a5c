#include "store/LocalKeyRange.h"

#include <gtest/gtest.h>

#include "store/Database.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using namespace store;
using store_testing::Count;
using store_testing::Execute;
using testing_support::SectionLine;
using testing_support::TermLine;

constexpr const char* kGeneratorValue = "select gen_id(GEN_EUPH_UID, 0) from rdb$database";

// A handbook made before local keys had their range: producer keys, the generator just past them.
class LocalKeyRangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = testing_support::MakeHandbookDatabase(
        dir_, {SectionLine(0, "Общие термины"), TermLine(101, "Гастрит", "", "x", 0), TermLine(250, "Язва", "", "y", 0)});
  }

  void SetGenerator(std::int32_t value) {
    Database database;
    database.Open(file_.string());
    Execute(database, "set generator GEN_EUPH_UID to " + std::to_string(value));
    database.Commit();
  }

  std::int32_t GeneratorAfterFreshAttach() {
    Database database;
    database.Open(file_.string());
    return Count(database, kGeneratorValue);
  }

  testing_support::TempDir dir_;
  std::filesystem::path file_;
};

TEST_F(LocalKeyRangeTest, RaisesALowGeneratorToTheRangeAndNeverLowersOne) {
  struct Case {
    std::int32_t before;
    std::int32_t after;
  };
  const Case cases[] = {
      {0, kLocalKeyBottom - 1},
      {250, kLocalKeyBottom - 1},
      {kLocalKeyBottom - 2, kLocalKeyBottom - 1},
      {kLocalKeyBottom - 1, kLocalKeyBottom - 1},
      {kLocalKeyBottom + 41, kLocalKeyBottom + 41},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    SetGenerator(c.before);
    {
      Database database;
      database.Open(file_.string());
      KeepLocalKeysApart(database);
      EXPECT_FALSE(database.InTransaction()) << "the change is committed, nothing left open";
      KeepLocalKeysApart(database);  // a second time changes nothing
      EXPECT_EQ(Count(database, kGeneratorValue), c.after);
      database.Rollback();
    }
    EXPECT_EQ(GeneratorAfterFreshAttach(), c.after);
  }
}

TEST_F(LocalKeyRangeTest, TheNextLocalTermAfterTheRaiseGetsTheRangesFirstKey) {
  SetGenerator(250);
  Database database;
  database.Open(file_.string());
  KeepLocalKeysApart(database);
  Execute(database, "insert into EUPHEMIZMS (EUPHEMIZM, SECTION_UID, CHANGED) values (\"Колит\", 0, \"*\")");
  EXPECT_EQ(Count(database, "select EUPH_UID from EUPHEMIZMS where CHANGED = \"*\""), kLocalKeyBottom);
  // The producer's next key, 251, still belongs to no term here: an update inserts it anew.
  EXPECT_EQ(Count(database, "select count(*) from EUPHEMIZMS where EUPH_UID = 251"), 0);
}

TEST(LocalKeyRangeWithoutGeneratorTest, ADatabaseWithoutTheGeneratorIsLeftAlone) {
  testing_support::TempDir dir;
  const std::string file = (dir.path() / "OTHER.GDB").string();
  {
    Database database;
    database.Create(file);
    Execute(database, "create table T (A integer)");
    database.Commit();
  }
  Database database;
  database.Open(file);
  EXPECT_NO_THROW(KeepLocalKeysApart(database));
  EXPECT_EQ(Count(database, "select count(*) from rdb$generators where rdb$generator_name = \"GEN_EUPH_UID\""), 0);
  EXPECT_EQ(Count(database, "select count(*) from T"), 0);
}

}  // namespace
