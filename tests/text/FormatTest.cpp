#include "text/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "text/FormatSettings.h"

namespace {

using text::Format;
using text::FormatArg;
using text::FormatError;

struct Case {
  const char* pattern;
  std::vector<FormatArg> args;
  std::string expected;
};

void ExpectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(Format(c.pattern, c.args), c.expected) << "pattern " << c.pattern;
}

TEST(Format, TextsAndPercentSigns) {
  const std::string owned = "abc";
  ExpectAll({
      {"", {}, ""},
      {"no specifiers", {}, "no specifiers"},
      {"100%%", {}, "100%"},
      {"%%%s%%", {"x"}, "%x%"},
      {"%s", {owned}, "abc"},
      {"%s", {std::string_view("a\0b", 3)}, std::string("a\0b", 3)},
      {"%s", {'q'}, "q"},
      {"[%5s]", {"ab"}, "[   ab]"},
      {"[%-5s]", {"ab"}, "[ab   ]"},
      {"[%.2s]", {"abcdef"}, "[ab]"},
      {"[%-6.3s]", {"abcdef"}, "[abc   ]"},
      {"[%2s]", {"abcdef"}, "[abcdef]"},
      {"%S", {"upper type"}, "upper type"},
      {"\"%s\", \"%s\", %d", {"a", "b", 7}, "\"a\", \"b\", 7"},
  });
}

TEST(Format, Integers) {
  ExpectAll({
      {"%d", {0}, "0"},
      {"%d", {-42}, "-42"},
      {"%.5d", {-12}, "-00012"},
      {"[%6.3d]", {7}, "[   007]"},
      {"%d", {std::numeric_limits<std::int64_t>::min()}, "-9223372036854775808"},
      {"%d", {std::numeric_limits<std::uint64_t>::max()}, "18446744073709551615"},
      {"%u", {-1}, "4294967295"},
      {"%u", {std::int64_t{-1}}, "18446744073709551615"},
      {"%u", {4000000000u}, "4000000000"},
      {"%x", {255}, "FF"},
      {"%X", {255}, "FF"},
      {"%.4x", {26}, "001A"},
      {"%x", {-1}, "FFFFFFFF"},
      {"%s (Build %u: %s)", {"Windows", 2600, "SP3"}, "Windows (Build 2600: SP3)"},
  });
}

TEST(Format, FloatingPoint) {
  ExpectAll({
      {"%f", {1.5}, "1.50"},
      {"%.2f", {1.005}, "1.01"},
      {"%.2f", {0.125}, "0.13"},
      {"%.2f", {-0.001}, "0.00"},
      {"%.0f", {2.5}, "3"},
      {"%.3f", {-2.0}, "-2.000"},
      {"%f", {0.006}, "0.01"},
      {"%f", {99.999}, "100.00"},
      {"%e", {1000.0}, "1.00000000000000E+003"},
      {"%.3e", {-0.00012345}, "-1.23E-004"},
      {"%.1e", {9.99}, "1E+001"},
      {"%e", {0.0}, "0.00000000000000E+000"},
      {"%g", {0.0}, "0"},
      {"%g", {1.5}, "1.5"},
      {"%g", {100.0}, "100"},
      {"%g", {0.1 + 0.2}, "0.3"},
      {"%g", {0.00001}, "0.00001"},
      {"%g", {0.000001}, "1E-006"},
      {"%g", {1e20}, "1E020"},
      {"%.3g", {1234.0}, "1.23E003"},
      {"%g", {-123456.75}, "-123456.75"},
      {"%g", {std::numeric_limits<double>::infinity()}, "INF"},
      {"%f", {std::numeric_limits<double>::quiet_NaN()}, "NAN"},
      {"%n", {1234567.891}, "1\xA0" "234\xA0" "567.89"},
      {"%.0n", {-999.5}, "-1\xA0" "000"},
      {"%m", {-1234.5}, "-1\xA0" "234.50 \xF0."},
      {"[%8.1f]", {3.14159}, "[     3.1]"},
  });
}

TEST(Format, NumberFormsFollowTheSettings) {
  const text::FormatSettings saved = text::CurrentFormatSettings();
  text::FormatSettings settings = saved;
  settings.decimalSeparator = ',';
  settings.thousandSeparator = ' ';
  settings.currencyString = "$";
  settings.currencyAfterAmount = false;
  settings.currencySpaced = false;
  text::SetFormatSettings(settings);
  EXPECT_EQ(Format("%f|%n|%m|%g", {2.5, 12345.0, 7.0, 0.25}), "2,50|12 345,00|$7,00|0,25");
  text::SetFormatSettings(saved);
}

TEST(Format, IndexesCountFromZeroAndLaterSpecifiersGoOn) {
  ExpectAll({
      {"%1:s %0:s", {"a", "b"}, "b a"},
      {"%1:s %s %0:s", {"a", "b", "c"}, "b c a"},
      {"%0:s-%0:s", {"x"}, "x-x"},
      {"%1:-4d|", {0, 5}, "5   |"},
  });
}

TEST(Format, PointersAreFixedWidthHexadecimal) {
  const int target = 0;
  const std::string text = Format("%p", {static_cast<const void*>(&target)});
  EXPECT_EQ(text.size(), 2 * sizeof(void*));
  EXPECT_EQ(std::stoull(text, nullptr, 16), reinterpret_cast<std::uintptr_t>(&target));
  EXPECT_EQ(Format("%p", {static_cast<const void*>(nullptr)}), std::string(2 * sizeof(void*), '0'));
}

// The message of the FormatError raised, or "no error".
std::string ErrorOf(const char* pattern, const std::vector<FormatArg>& args) {
  try {
    Format(pattern, args);
    return "no error";
  } catch (const FormatError& e) {
    return e.what();
  }
}

TEST(Format, BadPatternsAndMismatchedValuesRaiseOneErrorNamingThePattern) {
  const std::vector<Case> bad = {
      {"%", {1}, ""},         {"abc %", {}, ""},      {"%Q", {1}, ""},   {"%d", {"text"}, ""},
      {"%s", {1}, ""},        {"%f", {1}, ""},        {"%d", {1.5}, ""}, {"%x", {2.0}, ""},
      {"%p", {1}, ""},        {"%*d", {1, 2}, ""},    {"%5", {1}, ""},   {"%99999999d", {1}, ""},
  };
  for (const Case& c : bad)
    EXPECT_EQ(ErrorOf(c.pattern, c.args),
              "Format '" + std::string(c.pattern) + "' invalid or incompatible with argument");
}

TEST(Format, MissingValuesRaiseTheArgumentError) {
  for (const char* pattern : {"%s %s %s", "%2:s", "%1:s %s"})
    EXPECT_EQ(ErrorOf(pattern, {"a", "b"}), "No argument for format '" + std::string(pattern) + "'");
}

}  // namespace
