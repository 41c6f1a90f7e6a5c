#pragma once
// Which letter of the alphabet strip a press chose. Texts are Windows-1251 bytes.
#include <optional>
#include <string>
#include <string_view>

namespace browse {

// The strip's text: the 26 Latin capitals, then the Cyrillic capitals without Ё, Й, Ъ, Ы and Ь,
// each followed by one blank.
std::string AlphabetStripText();

// The character for a press at the 0-based gap `gapIndex` of `stripText`: the one before the gap,
// or the one after it when that is a blank or the gap is the very first. Nothing when the gap is
// before the text or at its very end.
std::optional<char> ChooseStripLetter(std::string_view stripText, int gapIndex);

}  // namespace browse
