#include "text/KorStrUtils.h"

#include <algorithm>
#include <cstdint>

namespace text {
namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

// Codes 0-9, 11, 12 and 14-20: line feed, carriage return and everything from 21 on remain.
bool IsDroppedControl(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code <= 20 && code != 10 && code != 13;
}

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

std::string CopyText(std::string_view s, int from, int count) {
  if (from < 1) from = 1;
  if (count <= 0 || static_cast<std::size_t>(from) > s.size()) return {};
  return std::string(s.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count)));
}

void DeleteText(std::string& s, int from, int count) {
  if (from < 1 || static_cast<std::size_t>(from) > s.size() || count <= 0) return;
  s.erase(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count));
}

std::string CapitalizeFirst(std::string_view s) {
  std::string out(s);
  if (!out.empty()) out[0] = AnsiUpperChar(out[0]);
  return out;
}

std::string TextBetween(std::string_view s, std::string_view startMarker, std::string_view endMarker) {
  const int from = FastPos(startMarker, s) + static_cast<int>(startMarker.size());
  const int to = FastPos(endMarker, s) - 1;
  return CopyRange(s, from, to);
}

std::string CopyRange(std::string_view s, int from, int to) {
  return CopyText(s, from, ClampToInt(std::int64_t{to} - from + 1));
}

std::string CutRange(std::string& s, int from, int to) {
  std::string cut = CopyRange(s, from, to);
  DeleteText(s, from, ClampToInt(std::int64_t{to} - from + 1));
  return cut;
}

std::string DigitsOnly(std::string_view s) {
  std::string out;
  for (const char c : s)
    if (c >= '0' && c <= '9') out += c;
  return out;
}

bool StartsWith(std::string_view prefix, std::string_view s) { return s.substr(0, prefix.size()) == prefix; }

std::string DropLastChar(std::string_view s) { return std::string(s.substr(0, s.empty() ? 0 : s.size() - 1)); }

std::string RemoveChars(std::string_view s, const CharSet& chars) {
  std::string out;
  for (const char c : s)
    if (!Contains(chars, c)) out += c;
  return out;
}

std::string TextBefore(std::string_view s, char ch) {
  const int p = FastPos(std::string_view(&ch, 1), s);
  return std::string(p ? s.substr(0, static_cast<std::size_t>(p - 1)) : s);
}

std::string TextAfter(std::string_view s, char ch) {
  const int p = FastPos(std::string_view(&ch, 1), s);
  return p ? std::string(s.substr(static_cast<std::size_t>(p))) : std::string();
}

std::string TextAfterOrAll(std::string_view s, char ch) {
  const int p = FastPos(std::string_view(&ch, 1), s);
  return std::string(p ? s.substr(static_cast<std::size_t>(p)) : s);
}

int CountChar(char ch, std::string_view s) { return static_cast<int>(std::count(s.begin(), s.end(), ch)); }

std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view replacement) {
  std::string out;
  std::string_view rest = s;
  for (int p = FastPos(find, rest); p > 0; p = FastPos(find, rest)) {
    out.append(rest.substr(0, static_cast<std::size_t>(p - 1)));
    out.append(replacement);
    rest.remove_prefix(static_cast<std::size_t>(p - 1) + find.size());
  }
  out.append(rest);
  return out;
}

bool IsBlank(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

std::string IncludeTrailingSlash(std::string_view path) {
  if (path.empty()) return {};
  const char last = path.back();
  if (last == ':' || last == '\\') return std::string(path);
  const char letter = path[0];
  if (path.size() == 1 && ((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z')))
    return std::string(path) + ":\\";
  return std::string(path) + "\\";
}

std::string CollapseSpaces(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (const char c : s)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

std::string SanitizeText(std::string_view s, int maxLen) {
  std::string kept;
  for (const char c : CollapseSpaces(TrimTrailingBlanks(s)))
    if (!IsDroppedControl(c)) kept += c;
  kept.resize(static_cast<std::size_t>(std::max(0, LesserOf(static_cast<int>(kept.size()), maxLen))));
  std::replace(kept.begin(), kept.end(), '"', ' ');
  return kept;
}

std::string QuoteSanitized(std::string_view s, int maxLen, std::string_view quote) {
  std::string out(quote);
  out += SanitizeText(s, maxLen);
  out += quote;
  return out;
}

int IfThen(bool flag, int a, int b) { return flag ? a : b; }

int LesserOf(int a, int b) { return a < b ? a : b; }

std::string TrimBlanks(std::string_view s) { return TrimLeadingBlanks(TrimTrailingBlanks(s)); }

std::string TrimLeadingBlanks(std::string_view s) {
  const auto first = std::find_if_not(s.begin(), s.end(), IsBlankOrControl);
  return std::string(first, s.end());
}

std::string TrimTrailingBlanks(std::string_view s) {
  while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
  return std::string(s);
}

}  // namespace text
