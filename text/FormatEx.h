#pragma once
// Format with conversions of its own that tidy a text value before it is inserted. Standard
// specifiers reach Format unchanged (each takes the next value in turn); the own conversions are
// lower-case letters after "%":
//   %r trailing blanks (codes 0-32) removed      %t both ends trimmed     %l leading blanks removed
//   %i trimmed, eight digits as yyyy-mm-dd       %h trimmed, digits as hh:mm:ss or hh:mm
//   %k, %o trimmed, digits only                  %a, %b trimmed, transliterated forward
//   %c trimmed, transliterated back
//   %qN sanitised, cut to N and put in double quotes; %zN the same without quotes. N runs to the
//       next blank, which is copied.
//   %v a number or numeric text as a date-time (FormatSettings)
//   %y a number or numeric text rounded half to even, as a 64-bit integer
// Inserted texts are taken literally: a "%" inside a value never becomes a specifier.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "text/Format.h"

namespace text {

// Raises FormatError for a bad width of %q or %z ("Conversion error in FormatEx! " and the
// template), for a missing value or one of the wrong kind, and for Format's own errors.
std::string FormatEx(std::string_view pattern, std::span<const FormatArg> values);
std::string FormatEx(std::string_view pattern, std::initializer_list<FormatArg> values);

}  // namespace text
