#include "platform/DateTime.h"

#include <cmath>

namespace platform {
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

}  // namespace platform
