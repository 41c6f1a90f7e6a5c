#pragma once
// Substring search with 1-based positions; 0 means not found.
#include <string_view>

namespace text {

// The first occurrence of Sub lying wholly inside S; 0 when Sub or S is empty.
int FastPos(std::string_view sub, std::string_view s);
// The first occurrence of Sub beginning at Offset or later; 0 when Offset is below 1, when Sub
// or S is empty or when Sub does not fit from Offset on.
int FastPosEx(std::string_view sub, std::string_view s, int offset);

}  // namespace text
