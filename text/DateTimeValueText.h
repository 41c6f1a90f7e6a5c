#pragma once
// A date-time value (days since 30 December 1899 00:00, the fraction the time of day) as text in
// the current FormatSettings: the short date format, then a blank and the long time format unless
// the value is exactly midnight. 29 December 2008 14:05:09 reads 2008-12-29 14:05:09.
#include <string>

namespace text {

// Raises FormatError for a value outside the years 1 to 9999.
std::string DateTimeValueToText(double value);

}  // namespace text
