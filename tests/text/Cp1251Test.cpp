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

namespace {

TEST(Cp1251, NamesEachCharacterItCannotHoldOnceInOrder) {
  struct Case {
    std::u16string typed;
    std::u32string missing;
  };
  const Case cases[] = {
      {u"Гастрит «острый» – №1, ?", U""},
      {u"✓ ½ 😀 中文 ✓", U"✓½😀中文"},
      {u"a\xD83D" u"b", U"\xD83D"},           // a lone surrogate is a character of its own
      {u"\u0098\uFFFD", U"\u0098\uFFFD"},      // the byte without a character, the replacement sign
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::CodePointsWithoutCp1251(c.typed), c.missing) << text::Utf16ToCp1251(c.typed);
  }
  EXPECT_EQ(text::Utf16ToCp1251(u"a\xD83D" u"b😀c"), "a?b?c") << "a lone surrogate must not swallow the next letter";
}

TEST(Cp1251, NamesCodePointsTheUnicodeWay) {
  EXPECT_EQ(text::CodePointName(U'½'), "U+00BD");
  EXPECT_EQ(text::CodePointName(U'✓'), "U+2713");
  EXPECT_EQ(text::CodePointName(U'😀'), "U+1F600");
}

}  // namespace
