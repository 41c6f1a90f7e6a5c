#include "text/AnsiCase.h"

#include <gtest/gtest.h>

#include "tests/support/Ansi.h"

namespace {

using testing_support::ansi;

const std::string kLower = ansi("abcdefghijklmnopqrstuvwxyzабвгдеёжзийклмнопрстуфхцчшщъыьэюяђѓљњќћџўјґєїіѕ");
const std::string kUpper = ansi("ABCDEFGHIJKLMNOPQRSTUVWXYZАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЂЃЉЊЌЋЏЎЈҐЄЇІЅ");

TEST(AnsiCase, MapsEveryLetterOfTheCodePageBothWays) {
  ASSERT_EQ(kLower.size(), 26u + 33u + 14u);
  EXPECT_EQ(text::AnsiUpperCase(kLower), kUpper);
  EXPECT_EQ(text::AnsiLowerCase(kUpper), kLower);
  EXPECT_EQ(text::AnsiUpperCase(kUpper), kUpper);
  EXPECT_EQ(text::AnsiLowerCase(kLower), kLower);
}

TEST(AnsiCase, LeavesEveryOtherByteAlone) {
  std::string others;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    if (kLower.find(c) == std::string::npos && kUpper.find(c) == std::string::npos) others += c;
  }
  EXPECT_EQ(others.size(), 256u - 2 * kLower.size());
  EXPECT_EQ(text::AnsiUpperCase(others), others);
  EXPECT_EQ(text::AnsiLowerCase(others), others);
  EXPECT_EQ(text::AnsiUpperChar(ansi("µ")[0]), ansi("µ")[0]);  // its capital is outside the code page
}

}  // namespace
