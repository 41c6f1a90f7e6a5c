#include "text/DateTimeValueText.h"

#include "text/DateTime.h"
#include "text/Format.h"
#include "text/FormatSettings.h"

namespace text {

std::string DateTimeValueToText(double value) {
  // 1 January of year 1 to 31 December 9999, the span of four-digit years.
  if (!(value >= -693593.0 && value < 2958466.0))
    throw FormatError("Invalid argument to date encode: " + std::to_string(value) + " is no date");
  const CalendarTime time = DecodeDateTime(value);
  const FormatSettings& settings = CurrentFormatSettings();
  std::string out = FormatDateTimePattern(settings.shortDateFormat, time);
  const bool midnight = time.hour == 0 && time.minute == 0 && time.second == 0 && time.millisecond == 0;
  if (!midnight) out += ' ' + FormatDateTimePattern(settings.longTimeFormat, time);
  return out;
}

}  // namespace text
