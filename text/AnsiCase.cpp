#include "text/AnsiCase.h"

#include <array>
#include <utility>

namespace text {
namespace {

// Lower-case letter, its capital. The Cyrillic alphabet а-я (0xE0-0xFF) and Latin a-z are added
// as ranges below.
constexpr std::pair<unsigned char, unsigned char> kOtherLetters[] = {
    {0xB8, 0xA8},  // ё Ё
    {0x90, 0x80},  // ђ Ђ
    {0x83, 0x81},  // ѓ Ѓ
    {0x9A, 0x8A},  // љ Љ
    {0x9C, 0x8C},  // њ Њ
    {0x9D, 0x8D},  // ќ Ќ
    {0x9E, 0x8E},  // ћ Ћ
    {0x9F, 0x8F},  // џ Џ
    {0xA2, 0xA1},  // ў Ў
    {0xBC, 0xA3},  // ј Ј
    {0xB4, 0xA5},  // ґ Ґ
    {0xBA, 0xAA},  // є Є
    {0xBF, 0xAF},  // ї Ї
    {0xB3, 0xB2},  // і І
    {0xBE, 0xBD},  // ѕ Ѕ
};

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
};

constexpr CaseTables kTables = [] {
  CaseTables t;
  for (unsigned b = 0; b < 256; ++b) t.upper[b] = t.lower[b] = static_cast<unsigned char>(b);
  auto pair = [&t](unsigned lower, unsigned upper) {
    t.upper[lower] = static_cast<unsigned char>(upper);
    t.lower[upper] = static_cast<unsigned char>(lower);
  };
  for (unsigned c = 'a'; c <= 'z'; ++c) pair(c, c - 'a' + 'A');
  for (unsigned c = 0xE0; c <= 0xFF; ++c) pair(c, c - 0x20);
  for (const auto& [lower, upper] : kOtherLetters) pair(lower, upper);
  return t;
}();

std::string Mapped(std::string_view s, const std::array<unsigned char, 256>& table) {
  std::string out(s.size(), '\0');
  for (std::size_t i = 0; i < s.size(); ++i) out[i] = static_cast<char>(table[static_cast<unsigned char>(s[i])]);
  return out;
}

}  // namespace

char AnsiUpperChar(char c) { return static_cast<char>(kTables.upper[static_cast<unsigned char>(c)]); }
char AnsiLowerChar(char c) { return static_cast<char>(kTables.lower[static_cast<unsigned char>(c)]); }
std::string AnsiUpperCase(std::string_view s) { return Mapped(s, kTables.upper); }
std::string AnsiLowerCase(std::string_view s) { return Mapped(s, kTables.lower); }

}  // namespace text
