#pragma once
// A text cut down to what a message box can show on the screen: at most `maxLines` lines and
// `maxCharacters` characters (Windows-1251, a character a byte), the ellipsis included. A text
// that fits comes back unchanged; a longer one ends with "…" where it was cut.
#include <cstddef>
#include <string>
#include <string_view>

namespace text {

inline constexpr std::size_t kMessageLines = 30;
inline constexpr std::size_t kMessageCharacters = 2000;

std::string MessageExcerpt(std::string_view text, std::size_t maxLines = kMessageLines,
                           std::size_t maxCharacters = kMessageCharacters);

}  // namespace text
