#include "text/Md5.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Alphabet(std::size_t length) {
  std::string s;
  for (std::size_t i = 0; i < length; ++i) s += static_cast<char>('a' + i % 26);
  return s;
}

struct Case {
  std::string input;
  const char* hex;
};

// The RFC 1321 test suite, then lengths on both sides of the padding and block boundaries.
const std::vector<Case> kCases = {
    {"", "D41D8CD98F00B204E9800998ECF8427E"},
    {"a", "0CC175B9C0F1B6A831C399E269772661"},
    {"abc", "900150983CD24FB0D6963F7D28E17F72"},
    {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
    {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "D174AB98D277D9F5A5611C2C9F419D9F"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57EDF4A22BE3C955AC49DA2E2107B67A"},
    {Alphabet(55), "0D7AE056B2F015CD7DC67494EFD658F1"},
    {Alphabet(56), "31FCFB5165169EB55898E7E4CF34D19A"},
    {Alphabet(63), "1B30C0670C15E7DA3C2BA7BCE77EBE99"},
    {Alphabet(64), "A2EAF6295C32ADC403865FD96A2F182B"},
    {Alphabet(65), "EBA2CCE0CA8DF47E62414A736B3105A2"},
    {Alphabet(119), "B05187E08DA41FA3EF16BD56AFAAFD99"},
    {Alphabet(120), "62AF9B597A9F55E16AB2B897387FC052"},
    {Alphabet(128), "3E8C1CCBD71838EF3DF4B72E57FB9BF6"},
    {std::string(1000000, 'a'), "7707D6AE4E027C70EEA2A935C2296F21"},
};

TEST(Md5, DigestsInUpperCaseHex) {
  for (const Case& c : kCases) EXPECT_EQ(text::Md5ToHex(text::Md5OfText(c.input)), c.hex) << c.input.size() << " bytes";
}

TEST(Md5, FeedingInPiecesGivesTheSameDigest) {
  for (const Case& c : kCases) {
    for (const std::size_t piece : {1u, 3u, 55u, 63u, 64u, 65u, 1000u}) {
      text::Md5Context context;
      text::Md5Begin(context);
      for (std::size_t at = 0; at < c.input.size(); at += piece)
        text::Md5Add(context, c.input.data() + at, std::min(piece, c.input.size() - at));
      text::Md5Add(context, nullptr, 0);
      text::Md5Digest digest;
      text::Md5End(digest, context);
      EXPECT_EQ(text::Md5ToHex(digest), c.hex) << c.input.size() << " bytes in pieces of " << piece;
    }
  }
}

TEST(Md5, EndClearsTheContextAndTheBitCountCarries) {
  text::Md5Context context;
  text::Md5Begin(context);
  context.count[0] = 0xFFFFFFF8u;  // one byte short of 2^32 bits
  text::Md5Add(context, "x", 1);
  EXPECT_EQ(context.count[0], 0u);
  EXPECT_EQ(context.count[1], 1u);
  text::Md5Digest digest;
  text::Md5End(digest, context);
  const text::Md5Context cleared{};
  EXPECT_EQ(std::memcmp(&context, &cleared, sizeof context), 0);
}

}  // namespace
