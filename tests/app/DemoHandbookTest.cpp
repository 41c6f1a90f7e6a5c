// The demo handbook as a new user meets it: every term found by a piece of its headword and by a
// piece of its origin, typed in the other letter case, and opened in its own category; every
// category entered by the initials of its terms.
#include <QApplication>
#include <QListWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "browse/AlphabetLetter.h"
#include "browse/TermGrid.h"
#include "store/Query.h"
#include "tests/app/SearchWindowFixture.h"
#include "text/AnsiCase.h"
#include "text/Cp1251.h"
#include "text/KorStrUtils.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"

namespace app_tests {
namespace {

struct DemoTerm {
  int key;
  std::string headword;  // as stored
  std::string origin;    // trailing blanks removed
  int section;
};

// Upper case becomes lower and lower upper, by the Windows-1251 rules.
std::string OtherCase(std::string_view s) {
  std::string swapped;
  for (char c : s) swapped += text::AnsiUpperChar(c) != c ? text::AnsiUpperChar(c) : text::AnsiLowerChar(c);
  return swapped;
}

// Up to `length` characters from the middle of the text.
std::string MiddlePiece(std::string_view s, std::size_t length) {
  length = std::min(length, s.size());
  return std::string(s.substr((s.size() - length) / 2, length));
}

class DemoHandbookTest : public SearchWindowTest {
 protected:
  void SetUp() override {
    testing_support::MakeDemoHandbookDatabase(dir_, "DB/HANDBOOK.GDB");
    StartSearching({});
  }

  std::vector<DemoTerm> Terms() {
    store::Query query(handbook_.IBDatabase1);
    query.SetSQL("select EUPH_UID, EUPHEMIZM, ETIOLOGY, SECTION_UID from EUPHEMIZMS order by EUPH_UID");
    query.Open();
    std::vector<DemoTerm> terms;
    for (query.First(); !query.Eof(); query.Next()) {
      terms.push_back({query.FieldByName("EUPH_UID").AsInteger(), query.FieldByName("EUPHEMIZM").AsString(),
                       text::TrimTrailingBlanks(query.FieldByName("ETIOLOGY").AsView()),
                       query.FieldByName("SECTION_UID").AsInteger()});
    }
    return terms;
  }

  // Searches for the piece and opens the term's entry (a single hit opens by itself); says what
  // went wrong, or nothing.
  std::string FindAndOpen(const std::string& piece, const DemoTerm& term) {
    SearchCp1251(piece);
    const std::vector<SearchEntry> entries = Entries();
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const SearchEntry& e) { return e.key == term.key; });
    if (entry == entries.end()) return "not listed";
    if (entries.size() > 1) DoubleClickEntry(static_cast<int>(entry - entries.begin()));
    if (CardKey() != term.key) return "card shows " + std::to_string(CardKey());
    if (handbook_.FCurrentSection != term.section || CurrentHeadword() != term.headword) return "grid elsewhere";
    if (Header() != platform::FromQString(JvXPBarCathegory()->Item(term.section).text())) return "header";
    return "";
  }
};

TEST_F(DemoHandbookTest, EveryTermIsFoundByAPieceOfItsHeadwordOrOriginInTheOtherCase) {
  const std::vector<DemoTerm> terms = Terms();
  ASSERT_GT(terms.size(), 300u);
  int origins = 0;
  for (const DemoTerm& term : terms) {
    const std::string headword = text::TrimTrailingBlanks(term.headword);
    // A headword of two letters ("СД") is shorter than any search; the strip reaches it.
    if (headword.size() >= 3) {
      const std::string byHeadword = OtherCase(MiddlePiece(headword, 5));
      EXPECT_EQ(FindAndOpen(byHeadword, term), "") << term.key << " by " << text::Cp1251ToUtf8(byHeadword);
    }
    if (term.origin.size() < 3) continue;
    ++origins;
    const std::string byOrigin = OtherCase(MiddlePiece(term.origin, 6));
    EXPECT_EQ(FindAndOpen(byOrigin, term), "") << term.key << " by " << text::Cp1251ToUtf8(byOrigin);
  }
  EXPECT_GT(origins, 100);
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(DemoHandbookTest, EveryCategoryIsEnteredByTheInitialsOfItsTerms) {
  const std::string strip = browse::AlphabetStripText();
  int jumps = 0;
  for (int item = 0; item < JvXPBarCathegory()->ItemCount(); ++item) {
    JvXPBarCathegory()->Item(item).click();
    const std::vector<std::string> headwords = GridHeadwords();
    for (std::size_t row = 0; row < headwords.size(); ++row) {
      const std::string initial(1, text::AnsiUpperChar(headwords[row][0]));
      const bool firstWithIt =
          std::none_of(headwords.begin(), headwords.begin() + static_cast<long>(row),
                       [&](const std::string& h) { return text::AnsiUpperChar(h[0]) == initial[0]; });
      if (!firstWithIt || initial == " " || strip.find(initial) == std::string::npos) continue;
      PressStripLetter(initial);
      ++jumps;
      EXPECT_EQ(DBGridEh1()->CurrentRow(), static_cast<int>(row))
          << "category " << item << ", letter " << text::Cp1251ToUtf8(initial);
      EXPECT_EQ(QApplication::focusWidget(), DBGridEh1());
    }
  }
  EXPECT_GT(jumps, 100);
}

}  // namespace
}  // namespace app_tests
