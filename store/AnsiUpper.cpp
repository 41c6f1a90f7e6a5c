#include "store/AnsiUpper.h"

#include <array>

namespace store {
namespace {

constexpr std::array<unsigned char, 256> kUpper = [] {
  std::array<unsigned char, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
  for (int i = 'a'; i <= 'z'; ++i) table[i] = static_cast<unsigned char>(i - 32);
  for (int i = 0xE0; i <= 0xFF; ++i) table[i] = static_cast<unsigned char>(i - 32);  // а..я
  // The code page's other lower-case letters and their capitals.
  constexpr std::pair<int, int> kOthers[] = {
      {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E},
      {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3}, {0xB4, 0xA5}, {0xB8, 0xA8}, {0xBA, 0xAA},
      {0xBF, 0xAF}, {0xB3, 0xB2}, {0xBE, 0xBD},
  };
  for (auto [lower, upper] : kOthers) table[lower] = static_cast<unsigned char>(upper);
  return table;
}();

}  // namespace

char AnsiUpperChar(char c) { return static_cast<char>(kUpper[static_cast<unsigned char>(c)]); }

std::string AnsiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = AnsiUpperChar(c);
  return upper;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AnsiUpperChar(a[i]) != AnsiUpperChar(b[i])) return false;
  }
  return true;
}

}  // namespace store
