#include "text/FastPos.h"

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace text {
namespace {

// Where candidates for the first byte crowd together, calling memchr for each one costs more
// than it skips; the search then tests a stretch of positions in blocks for first and last byte
// at once, and only positions passing both are compared in full.
constexpr std::ptrdiff_t kCrowded = 32;
constexpr std::ptrdiff_t kStretch = 512;

bool RestMatches(const char* p, std::string_view sub) {
  return std::memcmp(p + 1, sub.data() + 1, sub.size() - 2) == 0;
}

// Searches the starts from p up to (not including) stop; returns the match, or stop when none.
const char* ScanStretch(const char* p, const char* stop, const char* end, std::string_view sub) {
  const std::size_t n = sub.size();
  const char first = sub.front();
  const char last = sub.back();
#if defined(__SSE2__)
  const __m128i firsts = _mm_set1_epi8(first);
  const __m128i lasts = _mm_set1_epi8(last);
  // Both 16-byte loads stay inside the text while p + 15 + n - 1 < end.
  for (; p < stop && end - p >= static_cast<std::ptrdiff_t>(n + 15); p += 16) {
    const __m128i atFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i atLast = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1));
    auto mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(atFirst, firsts), _mm_cmpeq_epi8(atLast, lasts))));
    for (; mask != 0; mask &= mask - 1) {
      const char* candidate = p + __builtin_ctz(mask);
      if (candidate >= stop) return stop;
      if (RestMatches(candidate, sub)) return candidate;
    }
  }
#endif
  for (; p < stop; ++p)
    if (p[0] == first && p[n - 1] == last && RestMatches(p, sub)) return p;
  return stop;
}

const char* Find(const char* begin, const char* end, std::string_view sub) {
  const std::size_t n = sub.size();
  if (static_cast<std::size_t>(end - begin) < n) return nullptr;
  const char first = sub.front();
  if (n == 1) return static_cast<const char*>(std::memchr(begin, first, static_cast<std::size_t>(end - begin)));
  const char* const lastStart = end - n + 1;
  const char* previous = begin - kCrowded - 1;
  for (const char* p = begin; p < lastStart;) {
    p = static_cast<const char*>(std::memchr(p, first, static_cast<std::size_t>(lastStart - p)));
    if (!p) return nullptr;
    if (p - previous > kCrowded) {
      previous = p;
      if (p[n - 1] == sub.back() && RestMatches(p, sub)) return p;
      ++p;
      continue;
    }
    const char* const stop = lastStart - p > kStretch ? p + kStretch : lastStart;
    const char* found = ScanStretch(p, stop, end, sub);
    if (found != stop) return found;
    p = previous = stop;
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
