#pragma once
// Windows-1251 upper case (Latin, Cyrillic and the code page's other letters), private to the
// store until the shared string helpers carry the same mapping.
#include <string>
#include <string_view>

namespace store {

char AnsiUpperChar(char c);
std::string AnsiUpper(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace store
