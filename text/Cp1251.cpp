#include "text/Cp1251.h"

#include <algorithm>
#include <array>
#include <utility>

namespace text {
namespace {

// Code points of bytes 0x80..0xFF; 0x98 has no character.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

struct ReverseEntry {
  char16_t codePoint;
  unsigned char byte;
};

constexpr auto kReverse = [] {
  std::array<ReverseEntry, 128> entries{};
  for (unsigned i = 0; i < 128; ++i) entries[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
  std::sort(entries.begin(), entries.end(),
            [](const ReverseEntry& a, const ReverseEntry& b) { return a.codePoint < b.codePoint; });
  return entries;
}();

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at i; a malformed byte stands for itself as U+FFFD and is skipped.
// Overlong forms count as malformed, so no sequence can smuggle in a quote or a control byte.
char32_t NextUtf8(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF8 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || i + extra > s.size()) return 0xFFFD;
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    const auto c = static_cast<unsigned char>(s[i]);
    if ((c & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (c & 0x3F);
    ++i;
  }
  constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return 0xFFFD;
  return cp;
}

// The code point at i of UTF-16 text; an unpaired surrogate stands for itself.
char32_t NextUtf16(std::u16string_view s, std::size_t& i) {
  const char32_t unit = s[i++];
  if (unit >= 0xD800 && unit < 0xDC00 && i < s.size() && s[i] >= 0xDC00 && s[i] < 0xE000)
    return 0x10000 + ((unit - 0xD800) << 10) + (s[i++] - 0xDC00);
  return unit;
}

}  // namespace

char32_t Cp1251ToCodePoint(unsigned char byte) {
  if (byte < 0x80) return byte;
  const char16_t cp = kHighHalf[byte - 0x80];
  return cp == 0xFFFD ? U'?' : cp;
}

char CodePointToCp1251(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<char>(codePoint);
  if (codePoint > 0xFFFF || codePoint == 0xFFFD) return '?';
  const auto it = std::lower_bound(
      kReverse.begin(), kReverse.end(), static_cast<char16_t>(codePoint),
      [](const ReverseEntry& e, char16_t cp) { return e.codePoint < cp; });
  if (it == kReverse.end() || it->codePoint != codePoint) return '?';
  return static_cast<char>(it->byte);
}

bool HasCp1251Code(char32_t codePoint) { return codePoint == U'?' || CodePointToCp1251(codePoint) != '?'; }

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) AppendUtf8(out, Cp1251ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) out += CodePointToCp1251(NextUtf8(utf8, i));
  return out;
}

bool IsMultibyteUtf8(std::string_view bytes) {
  constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD itself, well formed
  bool multibyte = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t start = i;
    if (NextUtf8(bytes, i) == 0xFFFD && bytes.substr(start, i - start) != kReplacement) return false;
    multibyte = multibyte || i - start > 1;
  }
  return multibyte;
}

std::u16string Cp1251ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (const char c : bytes) out += static_cast<char16_t>(Cp1251ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf16ToCp1251(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size();) out += CodePointToCp1251(NextUtf16(utf16, i));
  return out;
}

std::u32string CodePointsWithoutCp1251(std::u16string_view utf16) {
  std::u32string missing;
  for (std::size_t i = 0; i < utf16.size();) {
    const char32_t cp = NextUtf16(utf16, i);
    if (!HasCp1251Code(cp) && missing.find(cp) == std::u32string::npos) missing += cp;
  }
  return missing;
}

std::size_t FirstWithoutCp1251(std::u16string_view utf16) {
  for (std::size_t i = 0; i < utf16.size();) {
    const std::size_t start = i;
    if (!HasCp1251Code(NextUtf16(utf16, i))) return start;
  }
  return std::u16string_view::npos;
}

std::string CodePointName(char32_t codePoint) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (char32_t rest = codePoint; rest != 0 || hex.size() < 4; rest >>= 4) hex.insert(hex.begin(), kDigits[rest & 0xF]);
  return "U+" + hex;
}

}  // namespace text
