#include "producer/TimestampText.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace producer {
namespace {

bool Digits(std::string_view text, std::size_t at, std::size_t count, int low, int high, int& value) {
  const char* begin = text.data() + at;
  for (std::size_t i = 0; i < count; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(begin[i]))) return false;
  }
  std::from_chars(begin, begin + count, value);
  return value >= low && value <= high;
}

int DaysIn(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::string TimestampText(text::DateTime time) {
  // Spelled out here: the process-wide separators of FormatDateTimePattern may differ.
  const text::CalendarTime t = text::DecodeDateTime(time);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return buffer;
}

std::optional<std::string> RequestTimestamp(std::string_view date) {
  // yyyy-mm-dd hh:mm:ss
  if (date.size() != 19 || date[4] != '-' || date[7] != '-' || date[10] != ' ' || date[13] != ':' ||
      date[16] != ':')
    return std::nullopt;
  int year, month, day, hour, minute, second;
  if (!Digits(date, 0, 4, 1, 9999, year) || !Digits(date, 5, 2, 1, 12, month) ||
      !Digits(date, 8, 2, 1, DaysIn(year, month), day) || !Digits(date, 11, 2, 0, 23, hour) ||
      !Digits(date, 14, 2, 0, 59, minute) || !Digits(date, 17, 2, 0, 59, second))
    return std::nullopt;
  return std::string(date);
}

}  // namespace producer
