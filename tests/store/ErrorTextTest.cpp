#include "store/StatusText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/TempDir.h"
#include "text/Cp1251.h"

namespace {

using namespace store;
using testing_support::ansi;

TEST(StatusArgumentText, FileNamesInUtf8AreConvertedAndWindows1251IsKept) {
  struct Case {
    const char* what;
    std::string argument, expected;
  };
  const std::vector<Case> cases = {
      {"ASCII", "/tmp/db/HANDBOOK.GDB", "/tmp/db/HANDBOOK.GDB"},
      {"a UTF-8 path", "/home/ира/Документы/HANDBOOK.GDB", ansi("/home/ира/Документы/HANDBOOK.GDB")},
      {"UTF-8 outside the code page", "/tmp/日本/a", "/tmp/?\?/a"},
      {"a Windows-1251 word", ansi("Язва желудка"), ansi("Язва желудка")},
      {"one Windows-1251 letter", ansi("я"), ansi("я")},
      {"Windows-1251 letters with ё", ansi("ёлка Ёж"), ansi("ёлка Ёж")},
      {"Windows-1251 quotes and dash", ansi("«а» – б"), ansi("«а» – б")},
      {"an overlong UTF-8 form", "a\xC0\x80", "a\xC0\x80"},
      {"a cut UTF-8 sequence", "\xD0\x94\xD0", "\xD0\x94\xD0"},
      {"a UTF-8 surrogate", "\xED\xA0\x80", "\xED\xA0\x80"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(StatusArgumentText(c.argument), c.expected) << c.what;
}

// Folders like "Документы" are common; the engine writes their names in UTF-8.
TEST(EngineErrorText, APathInACyrillicFolderReadsCorrectly) {
  testing_support::TempDir dir;
  const std::filesystem::path folder = dir.path() / "Документы" / "Справочник";
  std::filesystem::create_directories(folder);
  const std::string missing = (folder / "НЕТ.GDB").string();

  Database database;
  try {
    database.Open(missing);
    FAIL() << "opened a missing file";
  } catch (const DatabaseError& error) {
    const std::string shown = text::Cp1251ToUtf8(error.what());
    EXPECT_NE(shown.find("\"" + missing + "\""), std::string::npos) << shown;
  }
}

TEST(EngineErrorText, AWindows1251ValueFromAStatementReadsCorrectly) {
  testing_support::TempDir dir;
  Database database;
  database.Open(testing_support::MakeHandbookDatabase(dir).string());
  try {
    store_testing::Execute(database, ansi("select cast(\"абв где\" as integer) from rdb$database"));
    FAIL() << "no conversion error";
  } catch (const DatabaseError& error) {
    const std::string shown = text::Cp1251ToUtf8(error.what());
    EXPECT_NE(shown.find("\"абв где\""), std::string::npos) << shown;
  }
}

}  // namespace
