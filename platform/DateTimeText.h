#pragma once
// The one place where dates and decimal numbers become text: 29 December 2008 always reads
// "2008-12-29" and decimals always use ".", whatever the user's regional settings are.
#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace platform {

// Makes the C library format and read decimals with "." for the rest of the run (Qt sets the
// user's locale at start-up). Character handling is left alone: database paths need it.
void InstallProcessFormats();

std::string DateToText(DateTime value);      // yyyy-mm-dd
std::string TimeToText(DateTime value);      // hh:mm:ss
std::string DateTimeToText(DateTime value);  // yyyy-mm-dd hh:mm:ss

// The shortest text that reads back to the same double, with "." as decimal separator.
std::string FloatToText(double value);
// The whole text must be a decimal number with "."; blanks around it are not accepted.
std::optional<double> TextToFloat(std::string_view text);

}  // namespace platform
