#include "text/DateTime.h"
#include "platform/DateTimeText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"
#include "text/FormatSettings.h"

namespace {

using text::CalendarTime;

struct KnownDay {
  CalendarTime time;
  double days;
  const char* text;
};

TEST(DateTime, EncodesAndDecodesKnownDays) {
  const KnownDay table[] = {
      {{1899, 12, 30}, 0.0, "1899-12-30"},
      {{1900, 3, 1}, 61.0, "1900-03-01"},
      {{2000, 1, 1}, 36526.0, "2000-01-01"},
      {{2000, 2, 29}, 36585.0, "2000-02-29"},
      {{2008, 12, 29}, 39811.0, "2008-12-29"},
      {{2008, 12, 29, 12, 0, 0}, 39811.5, "2008-12-29"},
      {{2009, 1, 5, 6, 0, 0}, 39818.25, "2009-01-05"},
  };
  for (const KnownDay& row : table) {
    SCOPED_TRACE(row.text);
    EXPECT_DOUBLE_EQ(text::EncodeDateTime(row.time), row.days);
    EXPECT_EQ(text::DecodeDateTime(row.days), row.time);
    EXPECT_EQ(platform::DateToText(row.days), row.text);
  }
}

TEST(DateTime, TimeOfDaySurvivesTheRoundTrip) {
  const CalendarTime time{2011, 7, 15, 23, 59, 58, 250};
  EXPECT_EQ(text::DecodeDateTime(text::EncodeDateTime(time)), time);
  EXPECT_EQ(platform::DateTimeToText(text::EncodeDateTime(time)), "2011-07-15 23:59:58");
  EXPECT_EQ(platform::TimeToText(39811.0 + 1.0 / 24 / 60 * 61), "01:01:00");
}

TEST(DateTime, AFractionJustBelowMidnightRoundsIntoTheNextDay) {
  const double almostMidnight = 39811.0 + (86400.0 - 0.0004) / 86400.0;
  EXPECT_EQ(platform::DateTimeToText(almostMidnight), "2008-12-30 00:00:00");
}

TEST(DateTime, TextFollowsTheProcessFormatsWhichStartUpFixes) {
  text::FormatSettings regional = text::CurrentFormatSettings();
  regional.dateSeparator = '.';
  regional.shortDateFormat = "d/m/yy";
  regional.timeSeparator = '.';
  regional.longTimeFormat = "h:mm";
  text::SetFormatSettings(regional);
  const double morning = text::EncodeDateTime({2009, 1, 5, 7, 3, 9});
  EXPECT_EQ(platform::DateTimeToText(morning), "5.1.09 7.03");

  platform::InstallProcessFormats();
  EXPECT_EQ(platform::DateTimeToText(morning), "2009-01-05 07:03:09");
  EXPECT_EQ(text::CurrentFormatSettings().decimalSeparator, '.');
}

TEST(NumberText, UsesAPointAndReadsBackExactly) {
  EXPECT_EQ(platform::FloatToText(39811.5), "39811.5");
  EXPECT_EQ(platform::FloatToText(39811.0), "39811");
  for (double value : {0.1, 39811.123456789, -2.5, 1e-9})
    EXPECT_EQ(platform::TextToFloat(platform::FloatToText(value)), value);
}

TEST(NumberText, RejectsWhatIsNotAWholeDecimalNumber) {
  for (const char* bad : {"", "39811,5", " 1", "1 ", "abc", "1.5x"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(platform::TextToFloat(bad).has_value());
  }
}

// A locale whose decimal separator is a comma, compiled into a private folder; empty when this
// machine has no locale sources.
std::string CommaLocale(const std::filesystem::path& folder) {
  const std::string command = "localedef -c -i ru_RU -f UTF-8 '" + (folder / "ru_RU.UTF-8").string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0 && !std::filesystem::exists(folder / "ru_RU.UTF-8")) return {};
  setenv("LOCPATH", folder.c_str(), 1);
  return "ru_RU.UTF-8";
}

TEST(ProcessFormats, DecimalsUseAPointAfterInstallingWhateverTheUsersLocale) {
  testing_support::TempDir folder;
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const std::string locale = CommaLocale(folder.path());
  if (locale.empty() || !std::setlocale(LC_ALL, locale.c_str())) {
    unsetenv("LOCPATH");
    GTEST_SKIP() << "no locale with a decimal comma can be made here";
  }
  char before[16];
  std::snprintf(before, sizeof before, "%.1f", 1.5);
  platform::InstallProcessFormats();
  char after[16];
  std::snprintf(after, sizeof after, "%.1f", 1.5);
  std::setlocale(LC_ALL, previous.c_str());
  unsetenv("LOCPATH");
  EXPECT_STREQ(before, "1,5");  // the locale really was a comma one
  EXPECT_STREQ(after, "1.5");
  EXPECT_EQ(platform::DateToText(39811.0), "2008-12-29");
}

}  // namespace
