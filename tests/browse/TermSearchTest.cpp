// The search command over a real handbook: letter case, origins, wildcards, quotes, short texts.
#include "browse/TermSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/Query.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {

using testing_support::ansi;

std::string Term(int uid, const std::string& headword, int section, const std::string& origin) {
  return testing_support::TermLine(uid, headword, origin, "x", section);
}

std::vector<std::string> Handbook() {
  return {Term(1, "Гастрит", 0, "греч. gaster - желудок"),
          Term(2, "гастроэнтерит", 0, ""),
          Term(3, "Гастралгия", 1, ""),
          Term(4, "Hepatitis", 2, "лат."),
          Term(5, "Тахикардия", 1, "греч. tachys - быстрый"),
          Term(6, "Синдром \"кошачьего крика\"", 2, ""),
          Term(7, "ёлочная сыпь", 2, ""),
          Term(8, "Язва 100%", 0, "")};
}

struct SharedHandbook {
  testing_support::TempDir dir;
  std::string file = testing_support::MakeHandbookDatabase(dir, Handbook()).string();
};

class TermSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { handbook_ = new SharedHandbook; }
  static void TearDownTestSuite() {
    delete handbook_;
    handbook_ = nullptr;
  }

  void SetUp() override { database_.Open(handbook_->file); }

  // The headwords of the hits, sorted, so a case reads independently of the statement's order.
  std::vector<std::string> Found() const {
    std::vector<std::string> headwords;
    const int column = hits_.FieldIndex("EUPHEMIZM");
    for (int row = 0; row < hits_.RecordCount(); ++row) headwords.emplace_back(hits_.Text(row, column));
    std::sort(headwords.begin(), headwords.end());
    return headwords;
  }

  static SharedHandbook* handbook_;
  store::Database database_;
  store::Query hits_{database_};
  testing_support::ScriptedMessageBoxes boxes_;
};

SharedHandbook* TermSearchTest::handbook_ = nullptr;

std::vector<std::string> Sorted(std::vector<std::string> headwords) {
  for (std::string& headword : headwords) headword = ansi(headword);
  std::sort(headwords.begin(), headwords.end());
  return headwords;
}

TEST_F(TermSearchTest, FindsAPieceOfHeadwordOrOriginInAnyCase) {
  const struct {
    const char* what;
    const char* typed;
    std::vector<std::string> found;
  } cases[] = {
      {"lower case finds capitals, in every category", "гаст", {"Гастрит", "гастроэнтерит", "Гастралгия"}},
      {"capitals find lower case", "ГАСТРО", {"гастроэнтерит"}},
      {"ё and Ё", "ЁЛОЧ", {"ёлочная сыпь"}},
      {"Latin, lower finds capitals", "hepat", {"Hepatitis"}},
      {"Latin, capitals find lower case", "TACHYS", {"Тахикардия"}},
      {"only in the origin", "желудок", {"Гастрит"}},
      {"a leading blank is part of the text", " кр", {"Синдром \"кошачьего крика\""}},
      {"nothing", "зуб", {}},
      {"% stands for any run of characters", "кош%крик", {"Синдром \"кошачьего крика\""}},
      {"_ stands for any one character", "эн_ер", {"гастроэнтерит"}},
      {"a % typed to be found is found with the rest", "100%", {"Язва 100%"}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(browse::SearchTerms(hits_, ansi(c.typed))) << c.what;
    EXPECT_EQ(Found(), Sorted(c.found)) << c.what;
  }
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(TermSearchTest, ADoubleQuoteIsSearchedForLikeAnyOtherCharacter) {
  ASSERT_TRUE(browse::SearchTerms(hits_, ansi("\"кошачьего")));
  EXPECT_EQ(Found(), Sorted({"Синдром \"кошачьего крика\""}));

  // Text that would close the literal and add a condition of its own, were it not escaped.
  ASSERT_TRUE(browse::SearchTerms(hits_, ansi("\" or EUPH_UID > 0 or EUPHEMIZM like \"")));
  EXPECT_TRUE(hits_.IsOpen());
  EXPECT_TRUE(Found().empty());
}

// Whatever is typed, the search runs and lists what matches: an apostrophe (which also delimits
// literals), a text far longer than any column, or one made of wildcards only.
TEST_F(TermSearchTest, OddSearchTextsRunAndFindWhatTheySay) {
  std::string longText;
  while (longText.size() < 10000) longText += "гастрит ";
  const struct {
    const char* what;
    std::string typed;
    std::vector<std::string> found;
  } cases[] = {
      {"apostrophe", ansi("гастр'"), {}},
      {"apostrophes closing the literal", ansi("' or 1=1 or '' = '"), {}},
      {"10,000 characters", ansi(longText), {}},
      {"10,000 characters of %", std::string(10000, '%'), Sorted({"Гастрит", "гастроэнтерит", "Гастралгия", "Hepatitis",
                                                                  "Тахикардия", "Синдром \"кошачьего крика\"",
                                                                  "ёлочная сыпь", "Язва 100%"})},
      {"underscores only", "___", Sorted({"Гастрит", "гастроэнтерит", "Гастралгия", "Hepatitis", "Тахикардия",
                                          "Синдром \"кошачьего крика\"", "ёлочная сыпь", "Язва 100%"})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(browse::SearchTerms(hits_, c.typed));
    EXPECT_TRUE(hits_.IsOpen());
    EXPECT_EQ(Found(), c.found);
  }
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(TermSearchTest, FewerThanThreeCharactersGetTheMessageAndKeepTheLastHits) {
  ASSERT_TRUE(browse::SearchTerms(hits_, ansi("гаст")));
  const std::string lastSearch = hits_.SQL();

  for (const char* typed : {"кр", " к", "", "  "}) {
    boxes_.Clear();
    boxes_.WillAnswer(platform::MessageAnswer::Ok);
    EXPECT_FALSE(browse::SearchTerms(hits_, ansi(typed))) << '"' << typed << '"';
    ASSERT_EQ(boxes_.Shown().size(), 1u) << '"' << typed << '"';
    const testing_support::ShownMessage& box = boxes_.Shown()[0];
    EXPECT_EQ(box.kind, testing_support::ShownMessage::Kind::Question);
    EXPECT_EQ(box.text, ansi("Пожалуйста, конкретизируйте поиск"));
    EXPECT_EQ(box.caption, "");
    EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(box.icon, platform::MessageIcon::None);
  }
  EXPECT_TRUE(hits_.IsOpen());
  EXPECT_EQ(hits_.SQL(), lastSearch);
  EXPECT_EQ(hits_.RecordCount(), 3);
}

TEST(SearchStatement, PutsTheUpperCasedTextIntoHeadwordAndOriginConditions) {
  EXPECT_EQ(browse::SearchStatement(ansi("ёж \"x")),
            ansi("select * from EUPHEMIZMS where upper(EUPHEMIZM collate PXW_CYRL) like \"%ЁЖ \"\"X%\" or "
                 "upper(ETIOLOGY collate PXW_CYRL) like \"%ЁЖ \"\"X%\" order by EUPHEMIZM"));
}

}  // namespace
