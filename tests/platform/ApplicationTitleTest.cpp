#include "platform/ApplicationTitle.h"

#include <gtest/gtest.h>

#include "tests/support/Ansi.h"

namespace {

using testing_support::ansi;

TEST(ApplicationTitle, IsTheFileNameWithoutExtensionFirstLetterKeptRestLowered) {
  const struct {
    std::string fileName;
    std::string title;
  } table[] = {
      {"Korvand", "Korvand"},
      {"/opt/korvand/bin/KORVAND.EXE", "Korvand"},
      {"C:\\Programs\\HandBook.exe", "Handbook"},
      {"korvand", "korvand"},
      {"My.Prog.exe", "My.prog"},
      {ansi("КОРВАНД.exe"), ansi("Корванд")},
      {".hidden", ".hidden"},
      {"", ""},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.fileName);
    EXPECT_EQ(platform::ApplicationTitleFromFileName(row.fileName), row.title);
  }
}

TEST(ApplicationTitle, OfThisProgramComesFromItsOwnFileName) {
  EXPECT_EQ(platform::ApplicationTitle(), "handbook_platform_tests");
}

}  // namespace
