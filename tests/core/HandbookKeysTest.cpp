// Opening a handbook made before local keys had a range of their own moves its key generator there.
#include "core/Handbook.h"

#include <gtest/gtest.h>

#include "store/Database.h"
#include "store/LocalKeyRange.h"
#include "store/OpenHandbookDatabase.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "store/Statements.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/TempDir.h"
#include "text/Format.h"

namespace {

using store::kLocalKeyBottom;
using testing_support::SectionLine;
using testing_support::TermLine;

std::int32_t Number(store::Database& database, const std::string& sql) {
  store::Query query(database);
  query.SetSQL(sql);
  query.Open();
  return query.RecordCount() == 0 ? -1 : std::stoi(std::string(query.Text(0, 0)));
}

void Execute(store::Database& database, const std::string& sql) {
  store::SqlExecutor executor(database);
  executor.SetSQL(sql);
  executor.ExecQuery();
}

class HandbookKeysTest : public ::testing::Test {
 protected:
  std::string ProgramFolder() const { return dir_.path().string() + "/"; }
  std::string DatabaseFile() const { return ProgramFolder() + store::kHandbookFileName; }

  // A handbook as the program made it before: the generator just past the producer's keys.
  void MakeOldHandbook() {
    testing_support::MakeHandbookDatabase(
        dir_, {SectionLine(0, "Общие термины"), TermLine(101, "Гастрит", "", "x", 0), TermLine(250, "Язва", "", "y", 0)},
        store::kHandbookFileName);
    store::Database database;
    database.Open(DatabaseFile());
    Execute(database, "set generator GEN_EUPH_UID to 250");
    database.Commit();
  }

  // Adds an article the way the editor does; returns its key.
  static std::int32_t AddArticle(core::Handbook& handbook, const std::string& headword) {
    handbook.IBSQL1.SetSQL(text::Format(store::statements::InsertLocalTerm, {headword, "", "d", 0}));
    handbook.IBSQL1.ExecQuery();
    return Number(handbook.IBDatabase1,
                  "select EUPH_UID from EUPHEMIZMS where EUPHEMIZM = \"" + headword + "\"");
  }

  std::int32_t GeneratorFromAnotherAttachment() const {
    store::Database other;
    other.Open(DatabaseFile());
    return Number(other, "select gen_id(GEN_EUPH_UID, 0) from rdb$database");
  }

  testing_support::TempDir dir_;
};

TEST_F(HandbookKeysTest, OpeningAnOldHandbookMovesLocalKeysToTheirRange) {
  MakeOldHandbook();
  core::Handbook handbook(ProgramFolder());
  handbook.OpenDatabase();
  EXPECT_FALSE(handbook.IBDatabase1.InTransaction()) << "the raise is committed at once";
  EXPECT_EQ(GeneratorFromAnotherAttachment(), kLocalKeyBottom - 1);

  EXPECT_EQ(AddArticle(handbook, "Colitis"), kLocalKeyBottom);
  // The producer's next term, 251, finds no local article to overwrite.
  EXPECT_EQ(Number(handbook.IBDatabase1, "select count(*) from EUPHEMIZMS where EUPH_UID = 251"), 0);
}

TEST_F(HandbookKeysTest, OpeningAgainNeverLowersTheGenerator) {
  MakeOldHandbook();
  {
    core::Handbook handbook(ProgramFolder());
    handbook.OpenDatabase();
    EXPECT_EQ(AddArticle(handbook, "Colitis"), kLocalKeyBottom);
  }  // the handbook commits the article as it goes
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE(opening);
    core::Handbook handbook(ProgramFolder());
    handbook.OpenDatabase();
    EXPECT_EQ(GeneratorFromAnotherAttachment(), kLocalKeyBottom + opening - 1);
    EXPECT_EQ(AddArticle(handbook, "Enteritis" + std::to_string(opening)), kLocalKeyBottom + opening);
  }
}

TEST_F(HandbookKeysTest, ADatabaseWithoutTheGeneratorStillOpens) {
  std::filesystem::create_directories(dir_.path() / "DB");
  {
    store::Database bare;
    bare.Create(DatabaseFile());
  }
  core::Handbook handbook(ProgramFolder());
  ASSERT_NO_THROW(handbook.OpenDatabase());
  EXPECT_TRUE(handbook.IBDatabase1.IsOpen());
  EXPECT_EQ(Number(handbook.IBDatabase1,
                   "select count(*) from rdb$generators where rdb$generator_name = \"GEN_EUPH_UID\""),
            0);
}

}  // namespace
