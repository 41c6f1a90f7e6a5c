#pragma once
// The texts the engine quotes in an error status, as Windows-1251.
//
// A status's string arguments come in two encodings with nothing in the vector to tell them
// apart: values quoted from statements are in the connection's character set (Windows-1251),
// while file names and the system's own messages are in the file system's, UTF-8. The rule: an
// argument that is well-formed UTF-8 and holds at least one multi-byte character is UTF-8 and is
// converted; any other is kept as it is. Windows-1251 puts the Russian letters at 0xC0-0xFF, and
// those bytes never continue a UTF-8 sequence, so a Russian word in Windows-1251 (two letters in a
// row, or a letter before a blank, a digit or the end) is never well-formed UTF-8; pure ASCII reads
// the same either way.
#include <string>
#include <string_view>

namespace store {

// One string argument of a status, as Windows-1251.
std::string StatusArgumentText(std::string_view argument);

}  // namespace store
