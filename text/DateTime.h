#pragma once
// A local date-time as a count of days since 30 December 1899 00:00; the fraction is the time of
// day. Update dates are stored and compared in this form, so it stays a plain double.
#include <string>
#include <string_view>

namespace text {

using DateTime = double;

struct CalendarTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  bool operator==(const CalendarTime&) const = default;
};

DateTime EncodeDateTime(const CalendarTime& time);
// Rounded to the millisecond, so 23:59:59.9996 becomes the next day's midnight, never "24:00".
CalendarTime DecodeDateTime(DateTime value);

// Runs of y, m, d, h, n, s (either case) are fields: one letter without a leading zero, two or
// more with it, "yyy" and longer the four-digit year; an "m" run right after an hour is minutes.
// "/" and ":" stand for the date and time separators of the current FormatSettings.
std::string FormatDateTimePattern(std::string_view pattern, const CalendarTime& time);

}  // namespace text
