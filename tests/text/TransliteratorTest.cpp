#include "text/Transliterator.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/Ansi.h"
#include "tests/support/TempDir.h"
#include "tests/text/RuleTableFile.h"
#include "text/MessageSink.h"

namespace {

using testing_support::ansi;

std::vector<std::string> ansi_lines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) out.push_back(ansi(line));
  return out;
}

struct Case {
  std::string input, expected;
};

class TransliteratorTest : public ::testing::Test {
 protected:
  void Load(const std::vector<std::string>& lines) {
    const auto file = dir_.path() / "Translit.tlt";
    text_tests::WriteRuleTable(file, lines);
    tr_.LoadFromFile(file);
  }

  void ExpectForward(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(tr_.Transliterate(ansi(c.input)), ansi(c.expected)) << c.input;
  }

  void ExpectReverse(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(tr_.Detransliterate(ansi(c.input)), ansi(c.expected)) << c.input;
  }

  text_tests::PassThroughReset reset_;
  testing_support::TempDir dir_;
  text::TTransliterator tr_;
};

// Single rules, the two-letter "sh", its longer "shch" and a soft sign written as an apostrophe.
const std::vector<std::string> kTable = {
    "// Latin spellings to Cyrillic letters",
    "//x=y is a comment too",
    "s=с", "h=х", "c=ц", "i=и", "m=м", "a=а", "l=л", "u=у", "d=д", "o=о",
    "sh=ш", "shch=щ", "x=кс", "'=ь", "ya=я",
};

TEST_F(TransliteratorTest, ForwardTakesTheLongestKeyAndKeepsTheCaseAsWritten) {
  Load(ansi_lines(kTable));
  ExpectForward({
      {"", ""},
      {"shchi", "щи"},
      {"SHCHI", "ЩИ"},             // an input without lower case comes out upper case
      {"Shchi", "Щи"},
      {"shca", "шца"},             // "shch" fails at its fourth letter: "sh" then "c"
      {"sam", "сам"},              // "s" begins a longer key but still has its own rule
      {"Xa", "Кса"},               // only the first letter of a piece is raised
      {"Mal'", "Маль"},            // the soft sign is never raised inside a word
      {"'", "Ь"},                  // ... but a text without lower case is raised whole
      {"Дом", "Дом"},              // Cyrillic, digits and punctuation pass as written
      {"dom 12, (ya)", "дом 12, (я)"},
      {"qwa", "а"},                // characters without a rule vanish
  });
}

TEST_F(TransliteratorTest, ReverseReplacesOneCharacterAtATime) {
  Load(ansi_lines(kTable));
  ExpectReverse({
      {"", ""},
      {"Шум", "Shum"},
      {"ШУМ", "SHUM"},
      {"Ш", "SH"},
      {"щи", "shchi"},
      {"Кс", "Кs"},  // values of more than one letter cannot be reversed
      {"q!", "q!"},  // characters without a rule are copied
      {"Мь", "M'"},
  });
}

TEST_F(TransliteratorTest, ReverseTiesGoToTheRuleThatSortsFirst) {
  Load(ansi_lines({"y=й", "j=й", "i=и", "I=и"}));
  ExpectReverse({{"й", "j"}, {"и", "i"}});
  EXPECT_EQ(tr_.ReverseRules().size(), 3u);  // "и=I" equals "и=i" without regard to case
}

TEST_F(TransliteratorTest, CommentsOnlyAtTheVeryStartOfALine) {
  Load(ansi_lines({"// text", "//x=y", " //x=ф", "a=а"}));
  EXPECT_EQ(tr_.SingleRules().size(), 1u);
  ASSERT_EQ(tr_.MultiRules().size(), 1u);
  EXPECT_EQ(tr_.MultiRules()[0], " //x=" + ansi("ф"));
  EXPECT_FALSE(text::Contains(text::PassThroughChars, ' '));  // a key begins with the space now
  ExpectForward({{"a //x", "аФ"}, {"a b", "а"}});  // the piece began at a blank, which has no lower case
}

TEST_F(TransliteratorTest, TablesAreIndexedAsLoaded) {
  Load(ansi_lines({"s=с", "h=х", "sh=ш", "shch=щ", "e=е", "noequals", "", "=х", "б=b"}));
  EXPECT_EQ(tr_.SingleRules().size(), 4u);      // s h e б
  EXPECT_EQ(tr_.DirectRules().size(), 3u);      // s begins a longer key: it is looked up the long way
  EXPECT_EQ(tr_.DirectRules().ValueOf("s"), "");
  EXPECT_EQ(tr_.DirectRules().ValueOf("H"), ansi("х"));
  EXPECT_EQ(tr_.MultiRules().size(), 3u);       // sh shch noequals
  EXPECT_EQ(tr_.LookAheadLength(), 6);          // "noequals" is the longest line
  EXPECT_FALSE(text::Contains(text::PassThroughChars, ansi("б")[0]));
  EXPECT_TRUE(text::Contains(text::PassThroughChars, ansi("в")[0]));
  ExpectForward({{"nq", ""}, {"бв", "bв"}});
}

TEST_F(TransliteratorTest, KeysEndingInABlankMatchAtTheEndOfTheText) {
  Load(ansi_lines({"i=и", "b=б", "ii =ий", "y=ы"}));
  ExpectForward({{"bii", "бий"}, {"biib", "бииб"}});
}

TEST_F(TransliteratorTest, AKeyWithAnEmptyValueDeletesItsSpelling) {
  Load(ansi_lines({"a=а", "b=б", "bbb="}));
  ExpectForward({{"abbba", "аа"}, {"abba", "абба"}});
}

// Tables edited by hand: rules with an empty key, lines of "=" alone, and the last rule without a
// line end. The odd lines are kept as rules that match nothing; the real rules all work.
TEST_F(TransliteratorTest, OddLinesOfAnEditedTableLeaveTheRealRulesWorking) {
  const auto file = dir_.path() / "Translit.tlt";
  std::ofstream(file, std::ios::binary) << ansi("a=а\r\n=\r\n==\r\n=к\r\n\r\nsh=ш\r\nb=б");
  tr_.LoadFromFile(file);
  ExpectForward({{"ab", "аб"}, {"shab", "шаб"}, {"=a", "а"}});
  ExpectReverse({{"баш", "bash"}});
}

TEST_F(TransliteratorTest, AMissingTableIsReportedAndLeavesTheTablesEmpty) {
  std::vector<std::string> shown;
  const text::MessageSink previous = text::SetMessageSink([&](const std::string& m) { shown.push_back(m); });
  const auto missing = dir_.path() / "nowhere.tlt";
  tr_.LoadFromFile(missing);
  text::SetMessageSink(previous);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "Error! File " + missing.string() + " not found");
  ExpectForward({{"Дом 1a", "Дом 1"}});
  ExpectReverse({{"Дом 1a", "Дом 1a"}});
}

TEST_F(TransliteratorTest, AFolderInPlaceOfTheTableCountsAsMissing) {
  std::vector<std::string> shown;
  const text::MessageSink previous = text::SetMessageSink([&](const std::string& m) { shown.push_back(m); });
  tr_.LoadFromFile(dir_.path());
  text::SetMessageSink(previous);
  EXPECT_EQ(shown.size(), 1u);
}

TEST(TransliteratorHelpers, SmallRoutines) {
  EXPECT_TRUE(text::HasNoLowerCase(""));
  EXPECT_TRUE(text::HasNoLowerCase("12, (ABC)'"));
  EXPECT_TRUE(text::HasNoLowerCase(ansi("ЁЖЂђ")));  // only a-z, ё and а-я count as lower case
  EXPECT_FALSE(text::HasNoLowerCase(ansi("Ёё")));
  EXPECT_FALSE(text::HasNoLowerCase("ABc"));
  EXPECT_EQ(text::CommonPrefixLength("shch", "shc"), 3);
  EXPECT_EQ(text::CommonPrefixLength("Sh", "sh"), 0);
  EXPECT_EQ(text::CommonPrefixLength("", "x"), 0);
  EXPECT_EQ(text::RepeatText("ab", 3), "ababab");
  EXPECT_EQ(text::RepeatText("ab", -1), "");
}

}  // namespace
