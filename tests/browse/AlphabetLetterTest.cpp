#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "browse/AlphabetLetter.h"
#include "tests/support/Ansi.h"

namespace {

using browse::AlphabetStripText;
using browse::ChooseStripLetter;
using testing_support::ansi;

TEST(AlphabetStripText, LettersAtOddPositionsBlanksAtEven) {
  const std::string strip = AlphabetStripText();
  ASSERT_EQ(strip.size(), 108u);
  for (std::size_t i = 0; i < strip.size(); i += 2) {
    EXPECT_NE(strip[i], ' ') << "position " << i + 1;
    EXPECT_EQ(strip[i + 1], ' ') << "position " << i + 2;
  }
  EXPECT_EQ(strip.substr(0, 4), "A B ");
  EXPECT_EQ(strip.substr(50, 5), ansi("Z А Б"));
  EXPECT_EQ(strip.substr(106), ansi("Я "));
  for (const char* missing : {"Ё", "Й", "Ъ", "Ы", "Ь"}) {
    EXPECT_EQ(strip.find(ansi(missing)), std::string::npos) << missing;
  }
}

TEST(ChooseStripLetter, GapToLetter) {
  const std::string strip = AlphabetStripText();
  const struct {
    const char* what;
    int gap;
    std::optional<std::string> letter;
  } cases[] = {
      {"very start, before A", 0, "A"},
      {"right half of A or left half of the blank after it", 1, "A"},
      {"right half of that blank or left half of B", 2, "B"},
      {"right half of B", 3, "B"},
      {"right half of Z", 51, "Z"},
      {"left half of the first Cyrillic letter", 52, ansi("А")},
      {"right half of the last letter", 107, ansi("Я")},
      {"after the final blank", 108, std::nullopt},
      {"beyond the text", 500, std::nullopt},
      {"negative", -1, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<char> chosen = ChooseStripLetter(strip, c.gap);
    const std::optional<std::string> got = chosen ? std::optional<std::string>(std::string(1, *chosen)) : std::nullopt;
    EXPECT_EQ(got, c.letter) << c.what;
  }
}

TEST(ChooseStripLetter, EmptyTextChoosesNothing) {
  EXPECT_EQ(ChooseStripLetter("", 0), std::nullopt);
}

}  // namespace
