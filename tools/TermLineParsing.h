#pragma once
// Splitting a pasted or imported term line into headword, origin and description. Three shapes
// are understood: "headword - description", "headword (origin) - description" and
// "headword<TAB>description". Texts are Windows-1251; the outputs are written only as each
// function says, so earlier values survive a line that fits no shape.
#include <string>
#include <string_view>

namespace tools {

// The signature both parsers share, so a caller can take either.
using TermLineParser = void (*)(std::string_view line, std::string& headword, std::string& origin,
                                std::string& description);

// En and em dashes count as hyphens and runs of spaces as one. A line with exactly one tab splits
// there; otherwise a line without a hyphen assigns nothing. Every hyphen counts, one inside a
// hyphenated word too: the dash form splits at the first hyphen.
void ParseTermLine(std::string_view line, std::string& headword, std::string& origin, std::string& description);

// The headword alone: the text before the first comma, else before the first "(", else the
// whole line, trimmed. Origin and description are left as they are.
void ParseHeadword(std::string_view line, std::string& headword, std::string& origin, std::string& description);

}  // namespace tools
