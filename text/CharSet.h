#pragma once
// A set of byte values, as the routines that keep or drop characters take it.
#include <bitset>
#include <string_view>

namespace text {

using CharSet = std::bitset<256>;

inline bool Contains(const CharSet& set, char c) { return set.test(static_cast<unsigned char>(c)); }

inline CharSet MakeCharSet(std::string_view chars) {
  CharSet set;
  for (const char c : chars) set.set(static_cast<unsigned char>(c));
  return set;
}

}  // namespace text
