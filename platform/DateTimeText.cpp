#include "platform/DateTimeText.h"

#include <charconv>
#include <clocale>
#include <cstdio>

#include "text/FormatSettings.h"

namespace platform {
namespace {

std::string Padded(int value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
  return buffer;
}

// The letters y, m, d, h, n, s in runs ("yyyy", "mm", "d"); "m" right after an hour means minutes.
std::string FormatPattern(std::string_view pattern, const CalendarTime& t) {
  const text::FormatSettings& settings = text::CurrentFormatSettings();
  std::string out;
  bool afterHour = false;
  for (std::size_t i = 0; i < pattern.size();) {
    const char letter = static_cast<char>(pattern[i] | 0x20);
    std::size_t run = 1;
    while (i + run < pattern.size() && static_cast<char>(pattern[i + run] | 0x20) == letter) ++run;
    const int width = run >= 2 ? 2 : 1;
    bool token = true;
    switch (letter) {
      case 'y': out += run >= 3 ? Padded(t.year, 4) : Padded(t.year % 100, 2); break;
      case 'm': out += Padded(afterHour ? t.minute : t.month, width); break;
      case 'n': out += Padded(t.minute, width); break;
      case 'd': out += Padded(t.day, width); break;
      case 'h': out += Padded(t.hour, width); break;
      case 's': out += Padded(t.second, width); break;
      default:
        token = false;
        run = 1;
        if (pattern[i] == '/') out += settings.dateSeparator;
        else if (pattern[i] == ':') out += settings.timeSeparator;
        else out += pattern[i];
    }
    if (token) afterHour = letter == 'h';
    i += run;
  }
  return out;
}

}  // namespace

void InstallProcessFormats() {
  text::FormatSettings settings = text::CurrentFormatSettings();
  settings.dateSeparator = '-';
  settings.shortDateFormat = "yyyy/mm/dd";
  settings.decimalSeparator = '.';
  settings.timeSeparator = ':';
  settings.longTimeFormat = "hh:mm:ss";
  text::SetFormatSettings(settings);
  std::setlocale(LC_NUMERIC, "C");
}

std::string DateToText(DateTime value) {
  return FormatPattern(text::CurrentFormatSettings().shortDateFormat, DecodeDateTime(value));
}

std::string TimeToText(DateTime value) {
  return FormatPattern(text::CurrentFormatSettings().longTimeFormat, DecodeDateTime(value));
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
