#include "text/KorStrUtils.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/support/Ansi.h"

namespace {

using testing_support::ansi;

TEST(KorStrUtils, CopyAndDeleteClipToTheText) {
  struct Case {
    int from, count;
    std::string expected;
  };
  for (const Case& c : std::vector<Case>{{1, 3, "abc"}, {0, 2, "ab"}, {-5, 2, "ab"}, {5, 9, "ef"},
                                         {7, 1, ""}, {2, -1, ""}, {2, 0, ""}, {6, 1, "f"}, {1, INT_MAX, "abcdef"}})
    EXPECT_EQ(text::CopyText("abcdef", c.from, c.count), c.expected) << c.from << "," << c.count;
  for (const Case& c : std::vector<Case>{{2, 2, "adef"}, {0, 2, "abcdef"}, {7, 1, "abcdef"}, {2, 0, "abcdef"},
                                         {5, 99, "abcd"}, {1, 6, ""}}) {
    std::string s = "abcdef";
    text::DeleteText(s, c.from, c.count);
    EXPECT_EQ(s, c.expected) << c.from << "," << c.count;
  }
}

TEST(KorStrUtils, CopyRangeAndCutRange) {
  EXPECT_EQ(text::CopyRange("abcdef", 2, 4), "bcd");
  EXPECT_EQ(text::CopyRange("abcdef", 4, 2), "");
  EXPECT_EQ(text::CopyRange("abcdef", 5, 100), "ef");
  EXPECT_EQ(text::CopyRange("abcdef", INT_MIN, INT_MAX), "abcdef");  // no overflow in To - From + 1

  std::string s = "abcdef";
  EXPECT_EQ(text::CutRange(s, 2, 4), "bcd");
  EXPECT_EQ(s, "aef");
  EXPECT_EQ(text::CutRange(s, 3, 2), "");
  EXPECT_EQ(s, "aef");
  EXPECT_EQ(text::CutRange(s, 3, 10), "f");
  EXPECT_EQ(s, "ae");
}

TEST(KorStrUtils, TextBetweenTakesTheFirstOfEachMarker) {
  struct Case {
    std::string s, start, end, expected;
  };
  const std::vector<Case> cases = {
      {"x<a>1</a>", "<a>", "</a>", "1"},
      {"</a><a>1</a>", "<a>", "</a>", ""},  // the first end marker lies before the start marker
      {"x<a>1", "<a>", "</a>", ""},
      {"ab]c", "[", "]", "ab"},
      {"<a>1</a><a>2</a>", "<a>", "</a>", "1"},
      {"<uid>17</uid>", "<uid>", "</uid>", "17"},
  };
  for (const Case& c : cases) EXPECT_EQ(text::TextBetween(c.s, c.start, c.end), c.expected) << c.s;
}

TEST(KorStrUtils, CharacterSplits) {
  EXPECT_EQ(text::TextBefore("abc", 'x'), "abc");
  EXPECT_EQ(text::TextBefore("a=b=c", '='), "a");
  EXPECT_EQ(text::TextAfter("abc", 'x'), "");
  EXPECT_EQ(text::TextAfter("a=b=c", '='), "b=c");
  EXPECT_EQ(text::TextAfterOrAll("abc", 'x'), "abc");
  EXPECT_EQ(text::TextAfterOrAll("12|3456", '|'), "3456");
  EXPECT_EQ(text::TextAfter("abc=", '='), "");
}

TEST(KorStrUtils, ReplaceAllDoesNotRescanReplacements) {
  EXPECT_EQ(text::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(text::ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(text::ReplaceAll("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(text::ReplaceAll("it's o'k", "'", "`"), "it`s o`k");
  EXPECT_EQ(text::ReplaceAll("abc", "abc", ""), "");
}

TEST(KorStrUtils, SmallPredicatesAndCounts) {
  EXPECT_TRUE(text::IsBlank(""));
  EXPECT_TRUE(text::IsBlank("   "));
  EXPECT_FALSE(text::IsBlank(" \t"));
  EXPECT_FALSE(text::IsBlank(" a "));
  EXPECT_TRUE(text::StartsWith("", "x"));
  EXPECT_FALSE(text::StartsWith("ab", "a"));
  EXPECT_TRUE(text::StartsWith("<?xml", "<?xml version"));
  EXPECT_EQ(text::CountChar('a', "banana"), 3);
  EXPECT_EQ(text::CountChar('a', ""), 0);
  EXPECT_EQ(text::IfThen(true, 1, 2), 1);
  EXPECT_EQ(text::IfThen(false, 1, 2), 2);
  EXPECT_EQ(text::LesserOf(-3, 2), -3);
}

TEST(KorStrUtils, CharacterFilters) {
  EXPECT_EQ(text::DigitsOnly("2009.05-17x"), "20090517");
  EXPECT_EQ(text::DigitsOnly(ansi("№ 12")), "12");
  EXPECT_EQ(text::RemoveChars("a\r\nb\r\n", text::MakeCharSet("\r\n")), "ab");
  EXPECT_EQ(text::DropLastChar("abc"), "ab");
  EXPECT_EQ(text::DropLastChar(""), "");
  EXPECT_EQ(text::CapitalizeFirst(ansi("ёлка")), ansi("Ёлка"));
  EXPECT_EQ(text::CapitalizeFirst("abC"), "AbC");
  EXPECT_EQ(text::CapitalizeFirst(""), "");
}

TEST(KorStrUtils, IncludeTrailingSlash) {
  struct Case {
    std::string path, expected;
  };
  const std::vector<Case> cases = {
      {"", ""},        {"D:", "D:"},       {"d", "d:\\"},  {"Z", "Z:\\"},
      {"7", "7\\"},    {"D:\\Data", "D:\\Data\\"}, {"C:\\", "C:\\"}, {ansi("ж"), ansi("ж") + "\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(text::IncludeTrailingSlash(c.path), c.expected) << c.path;
}

TEST(KorStrUtils, TrimmingTakesEveryCodeUpTo32) {
  const std::string padded = std::string("\0\t x y\r\n ", 9);
  EXPECT_EQ(text::TrimBlanks(padded), "x y");
  EXPECT_EQ(text::TrimLeadingBlanks(padded), "x y\r\n ");
  EXPECT_EQ(text::TrimTrailingBlanks(padded), std::string("\0\t x y", 6));
  EXPECT_EQ(text::TrimBlanks("\xA0x\xA0"), "\xA0x\xA0");  // the no-break space is a character
}

TEST(KorStrUtils, CollapseSpacesShortensRunsWithoutRemovingThem) {
  EXPECT_EQ(text::CollapseSpaces("  a   b  "), " a b ");
  EXPECT_EQ(text::CollapseSpaces("a\t\t b\n\n"), "a\t\t b\n\n");
  EXPECT_EQ(text::CollapseSpaces(""), "");
}

TEST(KorStrUtils, SanitizeText) {
  struct Case {
    std::string s;
    int maxLen;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"  say \"hi\"  ", 100, " say  hi "},
      {"abcdef", 3, "abc"},
      {"abc", -1, ""},
      {"abc", 0, ""},
      {"\r\n\r\n", 10, ""},
      {"a \x01 b", 10, "a  b"},               // dropping brings two spaces together again
      {"a\r\nb\x15\x1F" "c", 10, "a\r\nb\x15\x1F" "c"},  // line breaks and codes from 21 stay
      {std::string("a\0b\x0B\x0C\x0E\x14", 7), 10, "ab"},
      {"ab cd", 3, "ab "},                    // a space that ends up last after the cut stays
      {"\"\"\"", 2, "  "},
  };
  for (const Case& c : cases) EXPECT_EQ(text::SanitizeText(c.s, c.maxLen), c.expected) << c.s;
  EXPECT_EQ(text::QuoteSanitized("x", 10, "\""), "\"x\"");
  EXPECT_EQ(text::QuoteSanitized("x", 10, ""), "x");
  EXPECT_EQ(text::QuoteSanitized("abc", 0, "\""), "\"\"");
}

}  // namespace
