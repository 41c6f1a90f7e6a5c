#pragma once
// The text converters behind FormatEx's own conversions.
#include <string>
#include <string_view>

namespace text {

// Eight digits (year, month, day, as written) become yyyy-mm-dd; anything else comes back as is.
std::string DigitsToDate(std::string_view s);
// Drops everything from the first "."; six digits become hh:mm:ss, four hh:mm, anything else
// comes back shortened.
std::string DigitsToTime(std::string_view s);
// S with every Ch written twice.
std::string DoubleChar(char ch, std::string_view s);
// The global transliterator's two directions. The flag has no effect.
std::string TranslitForward(std::string_view s, bool flag);
std::string TranslitBackward(std::string_view s);

}  // namespace text
