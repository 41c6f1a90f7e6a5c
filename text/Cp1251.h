#pragma once
// Windows-1251 <-> Unicode. The handbook keeps every text as Windows-1251 bytes; these are the
// only conversions to and from Unicode. A character with no Windows-1251 code becomes '?'.
#include <string>
#include <string_view>

namespace text {

char32_t Cp1251ToCodePoint(unsigned char byte);
// The Windows-1251 byte of a code point, or '?' when the code page has none.
char CodePointToCp1251(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view bytes);
std::string Utf8ToCp1251(std::string_view utf8);
std::u16string Cp1251ToUtf16(std::string_view bytes);
std::string Utf16ToCp1251(std::u16string_view utf16);

}  // namespace text
