#include "browse/AlphabeticalOrder.h"

#include <algorithm>

#include "text/AnsiCase.h"

namespace browse {
namespace {

constexpr unsigned char kCapitalYo = 0xA8;  // Ё
constexpr unsigned char kCapitalYe = 0xC5;  // Е

// In the code page Ё stands far from the alphabet; its rank puts it between Е and Ж.
int Rank(char c) {
  const auto upper = static_cast<unsigned char>(text::AnsiUpperChar(c));
  return upper == kCapitalYo ? kCapitalYe * 2 + 1 : upper * 2;
}

bool BytesBefore(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

}  // namespace

bool AlphabeticallyBefore(std::string_view a, std::string_view b) {
  const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Rank(x) == Rank(y); });
  if (mismatch.first != a.end() && mismatch.second != b.end()) return Rank(*mismatch.first) < Rank(*mismatch.second);
  if (a.size() != b.size()) return a.size() < b.size();
  return BytesBefore(a, b);
}

}  // namespace browse
