#include "text/FastPos.h"

#include <gtest/gtest.h>

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

// The search must agree with the plain one wherever the match falls, in a long text too.
TEST(FastPos, AgreesWithAPlainSearchOverALongText) {
  std::string s;
  for (int i = 0; i < 5000; ++i) s += static_cast<char>('a' + (i * 7 + i / 13) % 5);
  for (const std::string sub : {"a", "ab", "abc", "eedd", "aaaaaaa", "cdeab", "bbbbbbbbbbbbbbbbbbbbbbbbbbb"})
    for (int offset = 1; offset <= static_cast<int>(s.size()); offset += 97) {
      const auto plain = s.find(sub, static_cast<std::size_t>(offset - 1));
      const int expected = plain == std::string::npos ? 0 : static_cast<int>(plain) + 1;
      ASSERT_EQ(text::FastPosEx(sub, s, offset), expected) << sub << " from " << offset;
    }
}

}  // namespace
