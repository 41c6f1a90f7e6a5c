#include "platform/DateTimeText.h"

#include <charconv>
#include <clocale>

#include "text/FormatSettings.h"

namespace platform {

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

std::string DateToText(text::DateTime value) {
  return text::FormatDateTimePattern(text::CurrentFormatSettings().shortDateFormat, text::DecodeDateTime(value));
}

std::string TimeToText(text::DateTime value) {
  return text::FormatDateTimePattern(text::CurrentFormatSettings().longTimeFormat, text::DecodeDateTime(value));
}

std::string DateTimeToText(text::DateTime value) { return DateToText(value) + ' ' + TimeToText(value); }

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
