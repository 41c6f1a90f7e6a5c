#pragma once
// The headword keys a card looks up, from a link target or from selected text (Windows-1251).
#include <string>
#include <string_view>

namespace cards {

// A link target written as " Гастрит.": the closing full stop dropped, then blanks (codes up to
// 32) trimmed at both ends, giving "Гастрит".
std::string CrossReferenceKey(std::string_view src);

// Selected text: every full stop removed, then blanks trimmed at both ends.
std::string SelectionKey(std::string_view selected);

}  // namespace cards
