#pragma once
// Letter case of Windows-1251 text as the code page's ANSI mapping has it: Latin a-z, Cyrillic
// а-я and ё, and the code page's other Cyrillic letters (ђ ѓ љ њ ќ ћ џ ў ј ґ є ї і ѕ) with their
// capitals. Every other byte keeps its value.
#include <string>
#include <string_view>

namespace text {

char AnsiUpperChar(char c);
char AnsiLowerChar(char c);
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);

}  // namespace text
