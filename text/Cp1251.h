#pragma once
// Windows-1251 <-> Unicode. The handbook keeps every text as Windows-1251 bytes; these are the
// only conversions to and from Unicode. A character with no Windows-1251 code becomes '?'.
#include <string>
#include <string_view>

namespace text {

char32_t Cp1251ToCodePoint(unsigned char byte);
// The Windows-1251 byte of a code point, or '?' when the code page has none.
char CodePointToCp1251(char32_t codePoint);
// Whether the code page has a byte for the code point ('?' itself has one).
bool HasCp1251Code(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view bytes);
std::string Utf8ToCp1251(std::string_view utf8);
// Well-formed UTF-8 holding at least one character of more than one byte.
bool IsMultibyteUtf8(std::string_view bytes);
std::u16string Cp1251ToUtf16(std::string_view bytes);
std::string Utf16ToCp1251(std::u16string_view utf16);

// The code points of `utf16` that Windows-1251 cannot hold, each once, in order of first
// appearance; a surrogate pair counts as the one character it encodes.
std::u32string CodePointsWithoutCp1251(std::u16string_view utf16);
// Where the first such character starts in `utf16`, npos when there is none.
std::size_t FirstWithoutCp1251(std::u16string_view utf16);
// "U+2713": how a code point is named where it cannot be shown in Windows-1251.
std::string CodePointName(char32_t codePoint);

}  // namespace text
