#include "platform/DateTimeText.h"

#include <charconv>
#include <clocale>
#include <cstdio>

namespace platform {

void InstallProcessFormats() { std::setlocale(LC_NUMERIC, "C"); }

std::string DateToText(DateTime value) {
  const CalendarTime t = DecodeDateTime(value);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", t.year, t.month, t.day);
  return buffer;
}

std::string TimeToText(DateTime value) {
  const CalendarTime t = DecodeDateTime(value);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return buffer;
}

std::string DateTimeToText(DateTime value) { return DateToText(value) + ' ' + TimeToText(value); }

std::string FloatToText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> TextToFloat(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

}  // namespace platform
