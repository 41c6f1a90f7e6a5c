#include "text/DateTimeValueText.h"

#include <chrono>
#include <cmath>
#include <string_view>

#include "text/Format.h"
#include "text/FormatSettings.h"

namespace text {
namespace {

constexpr long long kMillisecondsPerDay = 86'400'000;

struct Fields {
  int year, month, day, hour, minute, second;
};

// Rounded to the millisecond, so a value a hair before midnight reads as the next day.
Fields Decode(double value, long long& millisecondOfDay) {
  const auto total = static_cast<long long>(std::llround(value * kMillisecondsPerDay));
  long long days = total / kMillisecondsPerDay;
  millisecondOfDay = total % kMillisecondsPerDay;
  if (millisecondOfDay < 0) {
    millisecondOfDay += kMillisecondsPerDay;
    --days;
  }
  using namespace std::chrono;
  const year_month_day date{sys_days{1899y / December / 30} + std::chrono::days{days}};
  const long long seconds = millisecondOfDay / 1000;
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(seconds / 3600),
          static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

std::string Digits(int value, std::size_t width) {
  std::string s = std::to_string(value);
  return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}

// Runs of y, m, d, h, n, s (either case) are fields: one letter without a leading zero, two or
// more with it, "yyy" and longer the four-digit year. An "m" run right after an hour is minutes.
std::string Render(std::string_view pattern, const Fields& f) {
  const FormatSettings& settings = CurrentFormatSettings();
  std::string out;
  bool afterHour = false;
  for (std::size_t i = 0; i < pattern.size();) {
    const char letter = static_cast<char>(pattern[i] | 0x20);
    std::size_t run = 1;
    while (i + run < pattern.size() && static_cast<char>(pattern[i + run] | 0x20) == letter) ++run;
    const std::size_t width = run >= 2 ? 2 : 1;
    bool field = true;
    switch (letter) {
      case 'y': out += run >= 3 ? Digits(f.year, 4) : Digits(f.year % 100, 2); break;
      case 'm': out += Digits(afterHour ? f.minute : f.month, width); break;
      case 'd': out += Digits(f.day, width); break;
      case 'h': out += Digits(f.hour, width); break;
      case 'n': out += Digits(f.minute, width); break;
      case 's': out += Digits(f.second, width); break;
      default:
        field = false;
        run = 1;
        out += pattern[i] == '/' ? settings.dateSeparator : pattern[i] == ':' ? settings.timeSeparator : pattern[i];
    }
    if (field) afterHour = letter == 'h';
    i += run;
  }
  return out;
}

}  // namespace

std::string DateTimeValueToText(double value) {
  // 1 January of year 1 to 31 December 9999, the span of four-digit years.
  if (!(value >= -693593.0 && value < 2958466.0))
    throw FormatError("Invalid argument to date encode: " + std::to_string(value) + " is no date");
  long long millisecondOfDay = 0;
  const Fields fields = Decode(value, millisecondOfDay);
  const FormatSettings& settings = CurrentFormatSettings();
  std::string out = Render(settings.shortDateFormat, fields);
  if (millisecondOfDay != 0) out += ' ' + Render(settings.longTimeFormat, fields);
  return out;
}

}  // namespace text
