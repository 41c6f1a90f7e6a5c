#include "text/FastPos.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(FastPos, FindsTheFirstWholeOccurrence) {
  struct Case {
    std::string sub, s;
    int expected;
  };
  const std::vector<Case> cases = {
      {"", "abc", 0},      {"a", "", 0},          {"abc", "ab", 0},   {"b", "abcb", 2},
      {"abc", "abc", 1},   {"bc", "abc", 2},      {"ca", "abcb", 0},  {"aab", "aaaab", 3},
      {"xy", "xxxxy", 4},  {"ab", std::string("a\0ab", 4), 3},    {"\xE0", "\xC0\xE0", 2},
  };
  for (const Case& c : cases) EXPECT_EQ(text::FastPos(c.sub, c.s), c.expected) << c.sub << " in " << c.s;
}

TEST(FastPosEx, StartsAtTheOffsetAndCountsFromTheBeginning) {
  struct Case {
    std::string sub, s;
    int offset, expected;
  };
  const std::vector<Case> cases = {
      {"b", "abcb", 3, 4},  {"b", "abcb", 0, 0}, {"b", "abcb", 5, 0},  {"cb", "abcb", 4, 0},
      {"cb", "abcb", 3, 3}, {"b", "abcb", 2, 2}, {"b", "abcb", -7, 0}, {"", "abcb", 1, 0},
      {"a", "", 1, 0},      {"b", "abcb", 4, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(text::FastPosEx(c.sub, c.s, c.offset), c.expected) << c.sub << " in " << c.s << " from " << c.offset;
}

// The search must agree with a plain one wherever the match falls: in texts where candidates
// crowd together (small alphabets), near stretch and block edges and at the very end.
TEST(FastPos, AgreesWithAPlainSearchOverLongTexts) {
  for (const int letters : {2, 5, 40}) {
    std::string s;
    std::uint32_t seed = 7;
    for (int i = 0; i < 3000; ++i) {
      seed = seed * 1103515245u + 12345u;
      s += static_cast<char>('a' + (seed >> 16) % letters);
    }
    std::vector<std::string> subs = {"a", "ab", "zz", std::string(12, 'a'), s.substr(2990), s.substr(2999)};
    for (std::size_t at = 0; at + 20 < s.size(); at += 331)
      for (const std::size_t length : {2u, 3u, 7u, 16u, 17u}) subs.push_back(s.substr(at, length));
    for (const std::string& sub : subs)
      for (int offset = 1; offset <= static_cast<int>(s.size()); offset += 37) {
        const auto plain = s.find(sub, static_cast<std::size_t>(offset - 1));
        const int expected = plain == std::string::npos ? 0 : static_cast<int>(plain) + 1;
        ASSERT_EQ(text::FastPosEx(sub, s, offset), expected) << sub << " from " << offset << " in " << letters;
      }
  }
}

}  // namespace
