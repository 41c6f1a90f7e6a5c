#include "text/Cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, RoundTripsEveryByteThroughUtf8AndUtf16) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (b != 0x98) all += static_cast<char>(b);
  EXPECT_EQ(text::Utf8ToCp1251(text::Cp1251ToUtf8(all)), all);
  EXPECT_EQ(text::Utf16ToCp1251(text::Cp1251ToUtf16(all)), all);
}

TEST(Cp1251, MapsRussianLettersAndSigns) {
  EXPECT_EQ(text::Utf8ToCp1251("Ёё Аа Яя №"), "\xA8\xB8 \xC0\xE0 \xDF\xFF \xB9");
  EXPECT_EQ(text::Cp1251ToUtf8("\xC3\xE0\xF1\xF2\xF0\xE8\xF2"), "Гастрит");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(text::Utf8ToCp1251("α→😀"), "???");
  EXPECT_EQ(text::Utf8ToCp1251("a\xFF" "b"), "a?b");  // malformed UTF-8
  EXPECT_EQ(text::Cp1251ToUtf8("\x98"), "?");
  EXPECT_EQ(text::Utf8ToCp1251("\xC0\xA2|\xE0\x80\xA2|\xED\xA0\x80"), "?|?|?");  // overlong quote, surrogate
}

}  // namespace
