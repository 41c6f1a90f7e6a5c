#include "text/DateTime.h"

#include <cmath>

#include "text/FormatSettings.h"

namespace text {
namespace {

constexpr long long kMillisecondsPerDay = 24LL * 60 * 60 * 1000;

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's civil calendar algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

const long long kEpochOffset = DaysFromCivil(1899, 12, 30);

std::string Padded(int value, std::size_t width) {
  std::string s = std::to_string(value);
  return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}

}  // namespace

DateTime EncodeDateTime(const CalendarTime& t) {
  const long long days = DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) - kEpochOffset;
  const long long ms = ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
  return static_cast<double>(days) + static_cast<double>(ms) / kMillisecondsPerDay;
}

CalendarTime DecodeDateTime(DateTime value) {
  const long long total = std::llround(value * kMillisecondsPerDay);
  long long days = total / kMillisecondsPerDay;
  long long ms = total % kMillisecondsPerDay;
  if (ms < 0) {
    ms += kMillisecondsPerDay;
    --days;
  }
  CalendarTime t;
  CivilFromDays(days + kEpochOffset, t.year, t.month, t.day);
  t.millisecond = static_cast<int>(ms % 1000);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.minute = static_cast<int>(ms / 60000 % 60);
  t.hour = static_cast<int>(ms / 3600000);
  return t;
}

std::string FormatDateTimePattern(std::string_view pattern, const CalendarTime& t) {
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
      case 'y': out += run >= 3 ? Padded(t.year, 4) : Padded(t.year % 100, 2); break;
      case 'm': out += Padded(afterHour ? t.minute : t.month, width); break;
      case 'n': out += Padded(t.minute, width); break;
      case 'd': out += Padded(t.day, width); break;
      case 'h': out += Padded(t.hour, width); break;
      case 's': out += Padded(t.second, width); break;
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

}  // namespace text
