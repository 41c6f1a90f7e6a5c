#include "tools/TermLineParsing.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/Ansi.h"

namespace {

using testing_support::ansi;

// What the outputs held before the call: a line that fits no shape must leave these.
const std::string kOld = "old";

struct Pieces {
  std::string headword = kOld;
  std::string origin = kOld;
  std::string description = kOld;
};

struct Case {
  const char* name;
  const char* line;  // UTF-8, turned into Windows-1251
  const char* headword;
  const char* origin;
  const char* description;
};

// Each case's line parsed into fields that start as "old": what the parser leaves stays so.
template <class Parser, std::size_t N>
void ExpectParsed(Parser parse, const Case (&cases)[N]) {
  for (const Case& c : cases) {
    Pieces pieces;
    parse(ansi(c.line), pieces.headword, pieces.origin, pieces.description);
    EXPECT_EQ(pieces.headword, ansi(c.headword)) << c.name;
    EXPECT_EQ(pieces.origin, ansi(c.origin)) << c.name;
    EXPECT_EQ(pieces.description, ansi(c.description)) << c.name;
  }
}

TEST(ParseTermLine, SplitsTheThreeShapesAndLeavesOtherLinesAlone) {
  const Case cases[] = {
      {"dash", "Гастрит - воспаление желудка", "Гастрит", "", "воспаление желудка"},
      {"parenthesis", "Гастрит (греч. gaster) - воспаление желудка", "Гастрит", "греч. gaster", "воспаление желудка"},
      {"parenthesis without \") -\"", "Гастрит (греч.)– воспаление", "Гастрит", "греч.", "воспаление"},
      {"parenthesis, no hyphen after it", "Гастрит (греч.) воспаление - острое", "Гастрит", "греч.",
       "воспаление - острое"},
      {"one hyphen before the parenthesis", "Гастрит - воспаление (острое)", "Гастрит", "", "воспаление (острое)"},
      {"hyphenated word splits at its hyphen", "Альфа-блокатор - препарат", "Альфа", "", "блокатор - препарат"},
      {"hyphenated word with an origin", "Альфа-блокатор (лат.) - препарат", "Альфа-блокатор", "лат.", "препарат"},
      {"en dash", "Гастрит – воспаление", "Гастрит", "", "воспаление"},
      {"em dash", "Гастрит—воспаление", "Гастрит", "", "воспаление"},
      {"one tab wins over hyphens", "Гастрит\tвоспаление - острое", "Гастрит", "", "воспаление - острое"},
      {"tab with an origin in parentheses", "Гастрит (греч.)\tвоспаление", "Гастрит (греч.)", "", "воспаление"},
      {"runs of spaces and blanks at the ends", "  Гастрит    -   воспаление   желудка \t\r\n", "Гастрит", "",
       "воспаление желудка"},
      {"two tabs and no hyphen", "Гастрит\tострый\tвоспаление", "old", "old", "old"},
      {"neither tab nor hyphen", "Гастрит воспаление", "old", "old", "old"},
      {"empty", "", "old", "old", "old"},
  };
  ExpectParsed(tools::ParseTermLine, cases);
}

TEST(ParseHeadword, TakesTheTextBeforeTheFirstCommaOrParenthesisAndNothingElse) {
  const Case cases[] = {
      {"comma", "Гастрит, острый", "Гастрит", "old", "old"},
      {"parenthesis", "Гастрит (острый)", "Гастрит", "old", "old"},
      {"comma before parenthesis", "Гастрит (острый), хронический", "Гастрит (острый)", "old", "old"},
      {"whole line, spaces collapsed", "  Гастрит   острый - воспаление ", "Гастрит острый - воспаление", "old",
       "old"},
      {"em dash becomes a hyphen, en dash stays", "Гастрит—острый – да", "Гастрит-острый – да", "old", "old"},
      {"empty", " \t", "", "old", "old"},
  };
  ExpectParsed(tools::ParseHeadword, cases);
}

}  // namespace
