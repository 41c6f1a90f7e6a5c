#include "text/FormatEx.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/Ansi.h"
#include "tests/support/TempDir.h"
#include "tests/text/RuleTableFile.h"
#include "tests/text/ScopedEnvironment.h"
#include "text/FormatExConverters.h"
#include "text/MessageSink.h"
#include "text/TextUtilities.h"

namespace {

using testing_support::ansi;
using text::FormatArg;
using text::FormatEx;

struct Case {
  std::string pattern;
  std::vector<FormatArg> values;
  std::string expected;
};

void ExpectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(FormatEx(c.pattern, c.values), c.expected) << "pattern " << c.pattern;
}

std::string ErrorOf(const std::string& pattern, const std::vector<FormatArg>& values) {
  try {
    FormatEx(pattern, values);
    return "no error";
  } catch (const text::FormatError& e) {
    return e.what();
  }
}

TEST(FormatEx, WorkedExamples) {
  ExpectAll({
      {"<title>%r</title>", {"Alpha 5%  "}, "<title>Alpha 5%</title>"},
      {"%d items, %r", {3, "x "}, "3 items, x"},
      {"[%q5 ]", {"abcdefgh"}, "[\"abcde\" ]"},
      {"%i", {"2009.05.17"}, "2009-05-17"},
      {"%i", {"17.05.2009"}, "1705-20-09"},
      {"%i", {"2009-5-17"}, "2009-5-17"},
      {"%h", {"12:34:56.789"}, "12:34:56"},
      {"%h", {"1234"}, "12:34"},
      {"%h", {"9:05:00"}, "9:05:00"},
      {"%h", {"9.30"}, "9"},
  });
}

TEST(FormatEx, PercentSignsAndValuesAreTakenLiterally) {
  ExpectAll({
      {"no specifiers", {}, "no specifiers"},
      {"100%%", {}, "100%"},
      {"%r%%", {"a"}, "a%"},
      {"%r", {"%d"}, "%d"},
      {"<%t>", {"  %d %s%  "}, "<%d %s%>"},
      {"%q10", {"50% off"}, "\"50% off\""},
      {"%s and %r", {"%x", "%%"}, "%x and %%"},
  });
}

TEST(FormatEx, OwnTextConversions) {
  ExpectAll({
      {"%r", {"ab \t\r\n"}, "ab"},
      {"%t", {"\t ab  "}, "ab"},
      {"[%l]", {"  a  "}, "[a  ]"},
      {"%k|%o", {" 12-34 ", "n 5 "}, "1234|5"},
      {"%r", {std::string_view("ab\0cd", 5)}, "ab"},  // a text ends at its first zero byte
      {"%q3", {""}, "\"\""},
      {"%z3", {"ab\"c"}, "ab "},
      {"%q-1 x", {"abc"}, "\"\" x"},
      {"%q$3 ", {"abcdef"}, "\"abc\" "},
      {"%z+2", {"abcdef"}, "ab"},
      {"%q100", {"  say \"hi\"  "}, "\" say  hi \""},
  });
}

TEST(FormatEx, StandardSpecifiersReachTheStandardFormatterInOrder) {
  ExpectAll({
      {"%-4d|%r|%5.1f", {7, "x ", 2.25}, "7   |x|  2.3"},
      {"%s", {"x"}, "x"},
      {"%1:s %r %0:s", {"a", "b ", "c"}, "c b a"},  // indexes count only the standard values
      {"%x%r", {255, "h"}, "FFh"},
  });
}

TEST(FormatEx, NumbersAsDatesAndRoundedIntegers) {
  ExpectAll({
      {"%v", {39811.0}, "2008-12-29"},
      {"%v", {39811.5}, "2008-12-29 12:00:00"},
      {"%v", {"39811.25"}, "2008-12-29 06:00:00"},
      {"%v", {0}, "1899-12-30"},
      {"%y|%y|%y|%y", {2.5, 3.5, -2.5, 2.51}, "2|4|-2|3"},
      {"%y", {"7.5"}, "8"},
      {"%y", {-9000000000LL}, "-9000000000"},
  });
}

TEST(FormatEx, Errors) {
  EXPECT_EQ(ErrorOf("%qx y", {"abc"}), "Conversion error in FormatEx! %qx y");
  EXPECT_EQ(ErrorOf("a %q b", {"abc"}), "Conversion error in FormatEx! a %q b");
  EXPECT_EQ(ErrorOf("%q5%r", {"abc", "d"}), "Conversion error in FormatEx! %q5%r");
  EXPECT_EQ(ErrorOf("%z", {"abc"}), "Conversion error in FormatEx! %z");
  EXPECT_EQ(ErrorOf("%Q", {"abc"}), "Format '%Q' invalid or incompatible with argument");
  EXPECT_EQ(ErrorOf("abc%", {}), "Format 'abc%' invalid or incompatible with argument");
  EXPECT_EQ(ErrorOf("%r", {5}), "Format '%r' invalid or incompatible with argument");
  EXPECT_EQ(ErrorOf("%r %r", {"a"}), "No argument for format '%r %r'");
  EXPECT_EQ(ErrorOf("%d %d", {1}), "No argument for format '%d %d'");
  EXPECT_EQ(ErrorOf("%v", {"soon"}), "Could not convert variant of type (String) into type (Double)");
  EXPECT_NE(ErrorOf("%y", {1e300}), "no error");
  EXPECT_NE(ErrorOf("%v", {1e12}), "no error");
}

TEST(FormatEx, DoubleCharWritesEveryOccurrenceTwice) {
  EXPECT_EQ(text::DoubleChar('%', ""), "");
  EXPECT_EQ(text::DoubleChar('%', "%a%%b%"), "%%a%%%%b%%");
  EXPECT_EQ(text::DoubleChar('"', "x"), "x");
}

class FormatExTransliteration : public ::testing::Test {
 protected:
  FormatExTransliteration() {
    env_.Set("XDG_DATA_HOME", dir_.path().string());
    const auto folder = dir_.path() / "Korvand" / "Tessaly";
    std::filesystem::create_directories(folder);
    text_tests::WriteRuleTable(folder / "Translit.tlt", {"s=" + ansi("с"), "h=" + ansi("х"), "sh=" + ansi("ш"),
                                                         "u=" + ansi("у"), "m=" + ansi("м")});
    text::InitializeTextUtilities();
  }
  ~FormatExTransliteration() override { text::FinalizeTextUtilities(); }

  text_tests::PassThroughReset reset_;
  text_tests::ScopedEnvironment env_;
  testing_support::TempDir dir_;
};

TEST_F(FormatExTransliteration, ForwardAndBackThroughTheGlobalTransliterator) {
  ExpectAll({
      {"%a", {" Shum "}, ansi("Шум")},
      {"%b", {" Shum "}, ansi("Шум")},
      {"%c", {ansi(" Шум% ")}, "Shum%"},
      {"<%a/%c>", {"sh", ansi("Ш")}, ansi("<ш/") + "SH>"},
  });
}

}  // namespace
