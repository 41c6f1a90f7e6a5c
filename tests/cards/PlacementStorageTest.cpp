#include <gtest/gtest.h>

#include <string>

#include "cards/StoredLines.h"
#include "cards/WindowPlacement.h"
#include "platform/SettingsStore.h"
#include "tests/support/TempDir.h"

namespace {

using cards::PlacementFromText;
using cards::PlacementToText;
using cards::WindowPlacement;

TEST(WindowPlacement, ReadsBackWhatItWrote) {
  const WindowPlacement placement{-1200, 35, 463, 340, 120};
  EXPECT_EQ(PlacementToText(placement), "Left=-1200;Top=35;Width=463;Height=340;PixelsPerInch=120");
  EXPECT_EQ(PlacementFromText(PlacementToText(placement)), placement);
}

TEST(WindowPlacement, RefusesDamagedText) {
  const char* damaged[] = {
      "",
      "Left=1;Top=2;Width=3;Height=4",                          // a property missing
      "Left=1;Top=2;Width=3;Height=4;PixelsPerInch=x",          // not a number
      "Left=1;Top=2;Width=3;Height=4;PixelsPerInch=96;Left=5",  // repeated
      "Left=1;Top=2;Width=3;Height=4;PixelsPerInch=96;junk",    // no "="
      "Left= 1;Top=2;Width=3;Height=4;PixelsPerInch=96",
      "Left=99999999999;Top=2;Width=3;Height=4;PixelsPerInch=96",
  };
  for (const char* text : damaged) EXPECT_FALSE(PlacementFromText(text)) << text;
  EXPECT_EQ(PlacementFromText("Top=2;Colour=red;Left=1;Height=4;Width=3;PixelsPerInch=96"),
            (WindowPlacement{1, 2, 3, 4, 96}));
}

class StoredLinesTest : public ::testing::Test {
 protected:
  static constexpr const char* kSection = "Software\\Korvand\\Form5";
  testing_support::TempDir dir_;
  platform::SettingsStore settings_{dir_.path() / "Handbook.conf"};
};

TEST_F(StoredLinesTest, LongTextIsSplitIntoNumberedLinesOfEightyCharacters) {
  std::string text;
  for (int i = 0; i < 190; ++i) text += static_cast<char>('a' + i % 26);
  cards::WriteStoredLines(settings_, kSection, text);

  EXPECT_EQ(settings_.ReadText(kSection, "Line0000000000"), text.substr(0, 80));
  EXPECT_EQ(settings_.ReadText(kSection, "Line0000000001"), text.substr(80, 80));
  EXPECT_EQ(settings_.ReadText(kSection, "Line0000000002"), text.substr(160));
  EXPECT_FALSE(settings_.ReadText(kSection, "Line0000000003"));
  EXPECT_EQ(cards::ReadStoredLines(settings_, kSection), text);
}

TEST_F(StoredLinesTest, ShorterTextDeletesTheLinesLeftOver) {
  cards::WriteStoredLines(settings_, kSection, std::string(200, 'x'));
  cards::WriteStoredLines(settings_, kSection, "Left=1;Top=2");

  EXPECT_FALSE(settings_.ReadText(kSection, "Line0000000001"));
  EXPECT_FALSE(settings_.ReadText(kSection, "Line0000000002"));
  const platform::SettingsStore reopened(dir_.path() / "Handbook.conf");
  EXPECT_EQ(cards::ReadStoredLines(reopened, kSection), "Left=1;Top=2");
}

TEST_F(StoredLinesTest, NothingStoredReadsAsNothing) {
  EXPECT_FALSE(cards::ReadStoredLines(settings_, kSection));
}

}  // namespace
