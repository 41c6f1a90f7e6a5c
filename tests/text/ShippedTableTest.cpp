// The transliteration table that ships with the program, data/Translit.tlt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Ansi.h"
#include "tests/text/RuleTableFile.h"
#include "text/MessageSink.h"
#include "text/Transliterator.h"

namespace {

using testing_support::ansi;

class ShippedTable : public ::testing::Test {
 protected:
  ShippedTable() {
    const text::MessageSink previous = text::SetMessageSink([this](const std::string& m) { shown_.push_back(m); });
    tr_.LoadFromFile(HANDBOOK_SOURCE_DIR "/data/Translit.tlt");
    text::SetMessageSink(previous);
  }

  text_tests::PassThroughReset reset_;
  std::vector<std::string> shown_;
  text::TTransliterator tr_;
};

TEST_F(ShippedTable, LoadsWithoutComplaint) {
  EXPECT_TRUE(shown_.empty());
  EXPECT_GT(tr_.SingleRules().size(), 25u);
  EXPECT_EQ(tr_.LookAheadLength(), 4);
}

// Every Cyrillic letter goes to a Latin spelling that comes back as the same letter, in
// medical words of every shape and in capitals.
TEST_F(ShippedTable, RussianWordsComeBackFromTheirLatinSpelling) {
  const std::vector<std::pair<std::string, std::string>> words = {
      {"гастрит", "gastrit"},
      {"Хирургия", "Khirurgiya"},
      {"щитовидная железа", "shchitovidnaya zheleza"},
      {"подъязычный", "pod''yazychnyj"},
      {"мышца", "myshca"},
      {"Эндоскопия", "E'ndoskopiya"},
      {"объём жёлчи", "ob''yom zhyolchi"},
      {"ЦИСТИТ", "CISTIT"},
      {"тахикардия, 2-я степень", "takhikardiya, 2-ya stepen'"},
      {"бронхоэктазы", "bronkhoe'ktazy"},
      {"фуфайка", "fufajka"},
  };
  for (const auto& [russian, latin] : words) {
    EXPECT_EQ(tr_.Detransliterate(ansi(russian)), latin) << latin;
    EXPECT_EQ(tr_.Transliterate(latin), ansi(russian)) << latin;
  }
}

TEST_F(ShippedTable, AlternativeSpellingsReadTheSame) {
  EXPECT_EQ(tr_.Transliterate("shhi"), tr_.Transliterate("shchi"));
  EXPECT_EQ(tr_.Transliterate("xolera"), ansi("холера"));
  EXPECT_EQ(tr_.Transliterate("Wirus"), ansi("Вирус"));
}

}  // namespace
