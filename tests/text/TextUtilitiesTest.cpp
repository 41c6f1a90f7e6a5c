#include "text/TextUtilities.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/Ansi.h"
#include "tests/support/TempDir.h"
#include "tests/text/RuleTableFile.h"
#include "tests/text/ScopedEnvironment.h"
#include "text/MessageSink.h"

namespace {

using testing_support::ansi;

class TextUtilitiesStart : public ::testing::Test {
 protected:
  TextUtilitiesStart() {
    previousSink_ = text::SetMessageSink([this](const std::string& m) { shown_.push_back(m); });
  }
  ~TextUtilitiesStart() override {
    text::FinalizeTextUtilities();
    text::SetMessageSink(previousSink_);
  }

  text_tests::PassThroughReset reset_;
  text_tests::ScopedEnvironment env_;
  testing_support::TempDir dir_;
  std::vector<std::string> shown_;
  text::MessageSink previousSink_;
};

TEST_F(TextUtilitiesStart, LoadsTheTableFromTheUsersDataFolder) {
  env_.Set("XDG_DATA_HOME", dir_.path().string());
  const auto folder = dir_.path() / "Korvand" / "Tessaly";
  std::filesystem::create_directories(folder);
  text_tests::WriteRuleTable(folder / "Translit.tlt", {"d=" + ansi("д"), "o=" + ansi("о"), "m=" + ansi("м")});

  text::InitializeTextUtilities();
  EXPECT_EQ(text::DataFolder(), folder / "");
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(text::GlobalTransliterator().Transliterate("Dom"), ansi("Дом"));
}

TEST_F(TextUtilitiesStart, FallsBackToTheHomeFolder) {
  env_.Set("XDG_DATA_HOME", std::nullopt);
  env_.Set("HOME", dir_.path().string());
  text::InitializeTextUtilities();
  EXPECT_EQ(text::DataFolder(), dir_.path() / ".local" / "share" / "Korvand" / "Tessaly" / "");
}

TEST_F(TextUtilitiesStart, AMissingTableIsReportedOnceWithItsFullPath) {
  env_.Set("XDG_DATA_HOME", (dir_.path() / "Документы").string());
  text::InitializeTextUtilities();
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0], ansi("Error! File " + dir_.path().string() + "/Документы/Korvand/Tessaly/Translit.tlt not found"));
  EXPECT_EQ(text::GlobalTransliterator().Detransliterate(ansi("Дом")), ansi("Дом"));
}

TEST_F(TextUtilitiesStart, ATableInAFolderWithACyrillicNameIsFound) {
  const auto base = dir_.path() / "Документы";
  env_.Set("XDG_DATA_HOME", base.string());
  std::filesystem::create_directories(base / "Korvand" / "Tessaly");
  text_tests::WriteRuleTable(base / "Korvand" / "Tessaly" / "Translit.tlt", {"a=" + ansi("а")});
  text::InitializeTextUtilities();
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(text::GlobalTransliterator().Transliterate("a"), ansi("а"));
}

}  // namespace
