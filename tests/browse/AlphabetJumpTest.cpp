#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "browse/AlphabetJump.h"
#include "platform/QtText.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using browse::JumpToLetter;
using testing_support::ansi;

std::string Term(int uid, const std::string& headword, int section) {
  return testing_support::TermLine(uid, headword, "", "x", section);
}

// Section 0 in list order: Zebra, zoom, Абсцесс, 30 × Бактерия, Гастрит, Ёлка, желтуха,
// 20 × Клетка, Язва. Section 1 holds only Дерматит.
std::vector<std::string> Handbook() {
  std::vector<std::string> lines = {
      testing_support::SectionLine(0, "Общие"), testing_support::SectionLine(1, "Кожа"),
      Term(1, "Zebra", 0), Term(2, "zoom", 0), Term(3, "Абсцесс", 0), Term(4, "Гастрит", 0),
      Term(5, "Ёлка", 0), Term(6, "желтуха", 0), Term(7, "Язва", 0), Term(8, "Дерматит", 1)};
  for (int i = 1; i <= 30; ++i) lines.push_back(Term(100 + i, "Бактерия " + std::to_string(100 + i), 0));
  for (int i = 1; i <= 20; ++i) lines.push_back(Term(200 + i, "Клетка " + std::to_string(100 + i), 0));
  return lines;
}

// One handbook for the whole suite: the jumps only move the current row.
struct SharedHandbook {
  testing_support::TempDir dir;
  std::string file = testing_support::MakeHandbookDatabase(dir, Handbook()).string();
};

class AlphabetJumpTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { handbook_ = new SharedHandbook; }
  static void TearDownTestSuite() {
    delete handbook_;
    handbook_ = nullptr;
  }

  void SetUp() override {
    database_.Open(handbook_->file);
    terms_.SetSQL(std::string(store::statements::SelectFirstSectionTerms));
    terms_.Open();
    ASSERT_EQ(terms_.RecordCount(), 57);

    // The grid shows the rows of the list, about 20 at a time; the key column is hidden, as a
    // grid may hide it.
    const int headword = terms_.FieldIndex("EUPHEMIZM");
    model_.setColumnCount(2);
    for (int row = 0; row < terms_.RecordCount(); ++row) {
      model_.appendRow({new QStandardItem(QString::number(row)),
                        new QStandardItem(platform::ToQString(terms_.Text(row, headword)))});
    }
    grid_.setModel(&model_);
    grid_.setColumnHidden(0, true);
    grid_.verticalHeader()->setDefaultSectionSize(20);
    grid_.resize(300, 420);
    window_.resize(300, 460);
    window_.show();
    QApplication::processEvents();
  }

  std::string Current() const { return terms_.FieldByName("EUPHEMIZM").AsString(); }

  // Rows from..to lie wholly inside the grid's viewport.
  bool RowsInView(int from, int to) const {
    const QRect shown = grid_.viewport()->rect();
    for (int row = from; row <= to; ++row) {
      if (!shown.contains(grid_.visualRect(model_.index(row, 1)))) return false;
    }
    return true;
  }

  static SharedHandbook* handbook_;
  store::Database database_;
  store::Query terms_{database_};
  QStandardItemModel model_;
  QWidget window_;
  QTableView grid_{&window_};
};

SharedHandbook* AlphabetJumpTest::handbook_ = nullptr;

TEST_F(AlphabetJumpTest, MovesToTheFirstTermWithTheLetter) {
  const struct {
    const char* what;
    std::string letter;
    std::string expected;  // "" when the current row stays
  } cases[] = {
      {"first in list order", ansi("Б"), ansi("Бактерия 101")},
      {"lower-case headword", ansi("Ж"), ansi("желтуха")},
      {"Latin, either case", "Z", "Zebra"},
      {"Е does not find Ё", ansi("Е"), ""},
      {"no such initial", "Q", ""},
      {"only in another category", ansi("Д"), ""},
      {"last row", ansi("Я"), ansi("Язва")},
  };
  for (const auto& c : cases) {
    terms_.MoveTo(5);
    const std::string before = Current();
    JumpToLetter(terms_, grid_, c.letter[0]);
    EXPECT_EQ(Current(), c.expected.empty() ? before : c.expected) << c.what;
    EXPECT_EQ(window_.focusWidget(), &grid_) << c.what;
    EXPECT_TRUE(grid_.updatesEnabled()) << c.what;
  }
}

TEST_F(AlphabetJumpTest, BringsTheTermAndThirteenAfterItIntoView) {
  JumpToLetter(terms_, grid_, ansi("К")[0]);
  const int located = terms_.RecNo();
  ASSERT_EQ(Current(), ansi("Клетка 101"));
  EXPECT_TRUE(RowsInView(located, located + 13));

  // Back up the list: the view follows upwards too.
  JumpToLetter(terms_, grid_, ansi("Б")[0]);
  EXPECT_EQ(Current(), ansi("Бактерия 101"));
  EXPECT_TRUE(RowsInView(terms_.RecNo(), terms_.RecNo() + 13));
}

TEST_F(AlphabetJumpTest, NearTheEndShowsWhatThereIs) {
  JumpToLetter(terms_, grid_, ansi("Я")[0]);
  EXPECT_EQ(terms_.RecNo(), 56);
  EXPECT_TRUE(RowsInView(50, 56));
}

TEST_F(AlphabetJumpTest, WithoutALetterOnlyTheFocusMoves) {
  QLineEdit elsewhere(&window_);
  elsewhere.move(0, 430);
  elsewhere.show();
  elsewhere.setFocus();
  terms_.MoveTo(7);
  JumpToLetter(terms_, grid_, std::nullopt);
  EXPECT_EQ(terms_.RecNo(), 7);
  EXPECT_EQ(window_.focusWidget(), &grid_);
}

TEST_F(AlphabetJumpTest, TheSameLetterTwiceGivesTheSameRow) {
  JumpToLetter(terms_, grid_, ansi("Г")[0]);
  const int first = terms_.RecNo();
  JumpToLetter(terms_, grid_, ansi("Г")[0]);
  EXPECT_EQ(terms_.RecNo(), first);
  EXPECT_EQ(Current(), ansi("Гастрит"));
}

}  // namespace
