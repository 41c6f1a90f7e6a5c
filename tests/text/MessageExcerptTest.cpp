#include "text/MessageExcerpt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string Lines(int count, const std::string& line, const std::string& brk = "\n") {
  std::string out;
  for (int i = 0; i < count; ++i) out += (i ? brk : "") + line;
  return out;
}

TEST(MessageExcerpt, KeepsWhatFitsAndCutsTheRestWithAnEllipsis) {
  struct Case {
    const char* what;
    std::string text;
    std::size_t lines, characters;
    std::string expected;
  };
  const std::string e = "\x85";
  const std::vector<Case> cases = {
      {"empty", "", 3, 10, ""},
      {"short", "abc", 3, 10, "abc"},
      {"exactly the characters", "0123456789", 3, 10, "0123456789"},
      {"one character too many", "0123456789A", 3, 10, "012345678" + e},
      {"exactly the lines", "a\nb\nc", 3, 10, "a\nb\nc"},
      {"the lines and a final break", "a\nb\nc\n", 3, 10, "a\nb\nc\n"},
      {"one line too many", "a\nb\nc\nd", 3, 10, "a\nb\nc" + e},
      {"CR LF breaks", "a\r\nb\r\nc\r\nd", 3, 20, "a\r\nb\r\nc" + e},
      {"the cut falls inside a CR LF", "abcdefgh\r\nx", 3, 10, "abcdefgh" + e},
      {"characters cut before lines", "aaaaaaaa\nb\nc\nd", 3, 6, "aaaaa" + e},
      {"lines cut before characters", "a\nb\nc\nddddddddd", 3, 100, "a\nb\nc" + e},
      {"Windows-1251 letters count as one", "\xC0\xC1\xC2\xC3", 3, 3, "\xC0\xC1" + e},
  };
  for (const Case& c : cases) EXPECT_EQ(text::MessageExcerpt(c.text, c.lines, c.characters), c.expected) << c.what;
}

TEST(MessageExcerpt, AMegabyteStatementFitsTheScreenByDefault) {
  const std::string longLines = Lines(200000, "line of an article");
  const std::string oneLine(1 << 20, 'x');
  for (const std::string* text : {&longLines, &oneLine}) {
    const std::string excerpt = text::MessageExcerpt(*text);
    EXPECT_LE(excerpt.size(), text::kMessageCharacters);
    EXPECT_LE(std::count(excerpt.begin(), excerpt.end(), '\n') + 1, static_cast<long>(text::kMessageLines));
    EXPECT_EQ(excerpt.back(), '\x85');
    EXPECT_EQ(text->compare(0, excerpt.size() - 1, excerpt, 0, excerpt.size() - 1), 0) << "a beginning of the text";
  }
  EXPECT_EQ(text::MessageExcerpt(Lines(30, "ok"), 30, 2000), Lines(30, "ok"));
}

}  // namespace
