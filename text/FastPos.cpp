#include "text/FastPos.h"

#include <cstring>

namespace text {
namespace {

// memchr finds the candidates many bytes at a time; the last byte is checked before the rest
// is compared, which skips most false candidates in natural text.
const char* Find(const char* begin, const char* end, std::string_view sub) {
  const std::size_t n = sub.size();
  if (static_cast<std::size_t>(end - begin) < n) return nullptr;
  const char* const lastStart = end - n + 1;
  const char first = sub.front();
  if (n == 1) return static_cast<const char*>(std::memchr(begin, first, static_cast<std::size_t>(end - begin)));
  const char last = sub.back();
  for (const char* p = begin; p < lastStart; ++p) {
    p = static_cast<const char*>(std::memchr(p, first, static_cast<std::size_t>(lastStart - p)));
    if (!p) return nullptr;
    if (p[n - 1] == last && std::memcmp(p + 1, sub.data() + 1, n - 2) == 0) return p;
  }
  return nullptr;
}

}  // namespace

int FastPos(std::string_view sub, std::string_view s) { return FastPosEx(sub, s, 1); }

int FastPosEx(std::string_view sub, std::string_view s, int offset) {
  if (offset < 1 || sub.empty() || s.empty()) return 0;
  const auto start = static_cast<std::size_t>(offset - 1);
  if (start >= s.size()) return 0;
  const char* found = Find(s.data() + start, s.data() + s.size(), sub);
  return found ? static_cast<int>(found - s.data()) + 1 : 0;
}

}  // namespace text
