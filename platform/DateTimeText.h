#pragma once
// The one place where dates become text. The patterns come from the process-wide format
// settings, which InstallProcessFormats fixes at start-up, so 29 December 2008 reads
// "2008-12-29" and decimals use "." whatever the user's regional settings are.
#include <optional>
#include <string>
#include <string_view>

#include "text/DateTime.h"

namespace platform {

// Sets the date separator "-", the short date format "yyyy/mm/dd", the decimal separator ".", the
// time separator ":" and the long time format "hh:mm:ss", and makes the C library use "." for the rest of the run (Qt
// sets the user's locale at start-up). Character handling is left alone: database paths need it.
void InstallProcessFormats();

std::string DateToText(text::DateTime value);      // the short date format: 2008-12-29
std::string TimeToText(text::DateTime value);      // the long time format: 14:05:09
std::string DateTimeToText(text::DateTime value);  // both, separated by a blank

// The shortest text that reads back to the same double, with "." as decimal separator.
std::string FloatToText(double value);
// The whole text must be a decimal number with "."; blanks around it are not accepted.
std::optional<double> TextToFloat(std::string_view text);

}  // namespace platform
