// The term grid over a real term list: titles and settings, the current row shared both ways,
// the keys it answers, the signals for double click and Ctrl+Delete.
#include "browse/TermGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/SectionList.h"
#include "platform/QtText.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "store/UpdateSql.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using testing_support::ansi;

std::string Term(int uid, const std::string& headword, const std::string& origin, int section) {
  return testing_support::TermLine(uid, headword, origin, "x", section);
}

// Section 0 holds 40 terms, "Термин 01" to "Термин 40", inserted backwards; section 1 is empty.
std::vector<std::string> Handbook() {
  std::vector<std::string> lines;
  for (int i = 40; i >= 1; --i) {
    const std::string number = (i < 10 ? "0" : "") + std::to_string(i);
    lines.push_back(Term(i, "Термин " + number, "греч. " + number, 0));
  }
  lines.push_back(Term(100, "Абсцесс  ", "", 0));
  return lines;
}

class TermGridTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing_support::TempDir;
    file_ = testing_support::MakeHandbookDatabase(*dir_, Handbook()).string();
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  void SetUp() override {
    database_.Open(file_);
    List(0);
    grid_.resize(560, 300);
    grid_.show();
  }

  void List(int section) { browse::ListSection(terms_, section); }

  std::string Shown(int row, int column) const {
    return platform::FromQString(grid_.model()->index(row, column).data().toString());
  }

  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&grid_, &press);
  }

  static testing_support::TempDir* dir_;
  static std::string file_;
  store::Database database_;
  store::Query terms_{database_};
  store::DataSource source_{terms_};
  browse::TermGrid grid_{source_};
};

testing_support::TempDir* TermGridTest::dir_ = nullptr;
std::string TermGridTest::file_;

TEST_F(TermGridTest, ShowsTwoTitledColumnsOfTheListAsStoredAndEditsNothing) {
  ASSERT_EQ(grid_.model()->rowCount(), 41);
  ASSERT_EQ(grid_.model()->columnCount(), 2);
  EXPECT_EQ(grid_.model()->headerData(0, Qt::Horizontal).toString(), "Термин");
  EXPECT_EQ(grid_.model()->headerData(1, Qt::Horizontal).toString(), "Происхождение");
  EXPECT_EQ(grid_.columnWidth(0), 250);
  EXPECT_EQ(grid_.columnWidth(1), 305);
  EXPECT_EQ(Shown(0, 0), ansi("Абсцесс  "));
  EXPECT_EQ(Shown(0, 1), "");
  EXPECT_EQ(Shown(1, 0), ansi("Термин 01"));
  EXPECT_EQ(Shown(1, 1), ansi("греч. 01"));
  EXPECT_EQ(Shown(40, 0), ansi("Термин 40"));

  EXPECT_FALSE(grid_.verticalHeader()->isVisible());
  EXPECT_EQ(grid_.editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(grid_.selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(grid_.palette().color(QPalette::Inactive, QPalette::Highlight),
            grid_.palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(TermGridTest, TheGridAndTheListShareOneCurrentRow) {
  EXPECT_EQ(grid_.currentIndex().row(), 0);
  terms_.MoveTo(17);
  EXPECT_EQ(grid_.currentIndex().row(), 17);
  EXPECT_TRUE(grid_.selectionModel()->isRowSelected(17, {}));

  grid_.setCurrentIndex(grid_.model()->index(5, 1));
  EXPECT_EQ(terms_.RecNo(), 5);
  EXPECT_EQ(grid_.CurrentRow(), 5);

  // A click on a row makes it current too.
  const QRect row9 = grid_.visualRect(grid_.model()->index(9, 0));
  QMouseEvent press(QEvent::MouseButtonPress, row9.center(), grid_.viewport()->mapToGlobal(row9.center()),
                    Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(grid_.viewport(), &press);
  EXPECT_EQ(terms_.RecNo(), 9);
}

TEST_F(TermGridTest, ADeletedRowLeavesTheGridAndBothStandOnTheNextRow) {
  store::UpdateSql updates(database_);
  updates.SetDeleteSQL(std::string(store::statements::DeleteTerm));
  terms_.SetUpdateObject(&updates);
  grid_.setCurrentIndex(grid_.model()->index(10, 0));
  const std::string next = Shown(11, 0);
  terms_.Delete();
  EXPECT_EQ(grid_.model()->rowCount(), 40);
  EXPECT_EQ(terms_.RecNo(), 10);
  EXPECT_EQ(grid_.currentIndex().row(), 10);
  EXPECT_EQ(Shown(10, 0), next);
  EXPECT_EQ(terms_.FieldByName("EUPHEMIZM").AsString(), next);
  terms_.SetUpdateObject(nullptr);
  database_.Rollback();
}

TEST_F(TermGridTest, ARequeryShowsTheNewListFromItsTop) {
  terms_.MoveTo(39);
  List(1);
  EXPECT_EQ(grid_.model()->rowCount(), 0);
  EXPECT_EQ(grid_.CurrentRow(), -1);
  List(0);
  EXPECT_EQ(grid_.model()->rowCount(), 41);
  EXPECT_EQ(grid_.currentIndex().row(), 0);
  EXPECT_EQ(terms_.RecNo(), 0);
}

TEST_F(TermGridTest, ArrowPageHomeAndEndKeysMoveTheList) {
  grid_.setFocus();
  const struct {
    int key;
    int expectedRow;
  } steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}, {Qt::Key_End, 40},
               {Qt::Key_Home, 0}};
  for (const auto& step : steps) {
    Press(step.key);
    EXPECT_EQ(terms_.RecNo(), step.expectedRow) << "after key " << step.key;
  }
  Press(Qt::Key_PageDown);
  EXPECT_GT(terms_.RecNo(), 5);
  EXPECT_EQ(grid_.currentIndex().row(), terms_.RecNo());
}

TEST_F(TermGridTest, OnlyCtrlDeleteOnAListWithRowsAsksForDeletion) {
  int requests = 0;
  QObject::connect(&grid_, &browse::TermGrid::DeleteRequested, [&] { ++requests; });
  Press(Qt::Key_Delete);
  Press(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(requests, 0);
  Press(Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(requests, 1);
  List(1);
  Press(Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(requests, 1);
  EXPECT_EQ(terms_.RecordCount(), 0);
}

TEST_F(TermGridTest, ADoubleClickOnAListWithRowsAsksForTheCard) {
  int opened = 0;
  QObject::connect(&grid_, &browse::TermGrid::DblClick, [&] { ++opened; });
  auto doubleClick = [&] {
    const QPoint at = grid_.visualRect(grid_.model()->index(3, 0)).center();
    QMouseEvent click(QEvent::MouseButtonDblClick, at, grid_.viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(grid_.viewport(), &click);
  };
  doubleClick();
  EXPECT_EQ(opened, 1);
  List(1);
  doubleClick();
  EXPECT_EQ(opened, 1);
}

}  // namespace
