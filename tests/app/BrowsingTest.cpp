// Choosing categories, listing sections that have no item, Ctrl+Delete and the double click,
// through the main window.
#include <QApplication>
#include <QMouseEvent>

#include "browse/TermGrid.h"
#include "store/Database.h"
#include "store/Query.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/Ansi.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"

namespace app_tests {
namespace {

using platform::MessageAnswer;
using testing_support::ansi;

std::vector<std::string> Handbook() {
  return {SectionLine(0, "Общие термины"), SectionLine(1, "Кардиология"), SectionLine(2, "Пустая"),
          Term(1, "Анемия", 0), Term(2, "Гастрит", 0), Term(3, "Язва", 0),
          Term(4, "Тахикардия", 1), Term(5, "Аритмия", 1), Term(6, "Брадикардия", 1),
          Term(7, "Дерматит", 7)};
}

class BrowsingTest : public MainWindowTest {
 protected:
  // The headwords of section 0 that another connection sees committed.
  std::vector<std::string> CommittedHeadwords() const {
    store::Database other;
    other.Open(DatabaseFile());
    store::Query query(other);
    query.SetSQL("select EUPHEMIZM from EUPHEMIZMS where SECTION_UID = 0 order by EUPHEMIZM");
    query.Open();
    std::vector<std::string> headwords;
    for (int row = 0; row < query.RecordCount(); ++row) headwords.emplace_back(query.Text(row, 0));
    return headwords;
  }
};

TEST_F(BrowsingTest, ACategoryClickListsItFromTheTopUnderItsCaption) {
  Start(Handbook());
  JvXPBarCathegory()->Item(1).click();
  EXPECT_EQ(GridHeadwords(), (std::vector<std::string>{ansi("Аритмия"), ansi("Брадикардия"), ansi("Тахикардия")}));
  EXPECT_EQ(Header(), ansi("Кардиология"));
  EXPECT_EQ(handbook_.FCurrentSection, 1);
  EXPECT_EQ(DBGridEh1()->CurrentRow(), 0);

  handbook_.IBQuery2.MoveTo(2);
  JvXPBarCathegory()->Item(1).click();
  EXPECT_EQ(DBGridEh1()->CurrentRow(), 0);
  EXPECT_EQ(DBGridEh1()->currentIndex().row(), 0);

  JvXPBarCathegory()->Item(2).click();
  EXPECT_TRUE(GridHeadwords().empty());
  EXPECT_EQ(Header(), ansi("Пустая"));
  EXPECT_EQ(handbook_.FCurrentSection, 2);
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(BrowsingTest, ASectionWithoutAnItemIsListedUnderItsOwnNameWithoutAnError) {
  app::TForm1& form = Start(Handbook());
  JvXPBarCathegory()->Item(1).click();
  form.LoadSection(7);  // no SECTIONS row either: the header stays
  EXPECT_EQ(GridHeadwords(), std::vector<std::string>{ansi("Дерматит")});
  EXPECT_EQ(Header(), ansi("Кардиология"));
  EXPECT_EQ(handbook_.FCurrentSection, 7);

  // A section that came with an update after start-up.
  store::Query update(handbook_.IBDatabase1);
  update.SetSQL("insert into SECTIONS (SECTION_UID, SECTION_NAME) values (7, \"" + ansi("Дерматология") + "\")");
  update.Open();
  form.LoadSection(7);
  EXPECT_EQ(Header(), ansi("Дерматология"));
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(BrowsingTest, AListingTheDatabaseRefusesIsShownAndLeavesTheGridEmpty) {
  Start(Handbook());
  handbook_.IBDatabase1.Close();
  handbook_.IBDatabase1.SetDatabaseName(ProgramFolder() + "DB/GONE.GDB");
  // A real mouse click, so the error takes the road of every event.
  QWidget& item = JvXPBarCathegory()->Item(1);
  const QPointF at(5, 5);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, item.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
    QApplication::sendEvent(&item, &event);
  }
  EXPECT_EQ(boxes_.Errors().size(), 1u);
  EXPECT_TRUE(GridHeadwords().empty());
  EXPECT_EQ(Header(), ansi("Общие термины"));
}

TEST_F(BrowsingTest, CtrlDeleteAnsweredCancelKeepsTheTerm) {
  Start(Handbook());
  handbook_.IBQuery2.MoveTo(1);
  boxes_.WillAnswer(MessageAnswer::Cancel);
  PressInGrid(Qt::Key_Delete, Qt::ControlModifier);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, "Delete record?");
  EXPECT_EQ(GridHeadwords().size(), 3u);
  EXPECT_EQ(DBGridEh1()->CurrentRow(), 1);
  EXPECT_EQ(CommittedHeadwords().size(), 3u);
}

TEST_F(BrowsingTest, CtrlDeleteAnsweredOkDeletesTheTermForGood) {
  Start(Handbook());
  handbook_.IBQuery2.MoveTo(1);
  boxes_.WillAnswer(MessageAnswer::Ok);
  PressInGrid(Qt::Key_Delete, Qt::ControlModifier);
  const std::vector<std::string> remaining{ansi("Анемия"), ansi("Язва")};
  EXPECT_EQ(GridHeadwords(), remaining);
  EXPECT_EQ(DBGridEh1()->CurrentRow(), 1);
  EXPECT_EQ(CommittedHeadwords(), remaining);

  form_.reset();
  StartWithoutDatabase();
  EXPECT_EQ(GridHeadwords(), remaining);
}

TEST_F(BrowsingTest, DeleteWithoutCtrlAndCtrlDeleteOnAnEmptyListDoNothing) {
  Start(Handbook());
  PressInGrid(Qt::Key_Delete);
  JvXPBarCathegory()->Item(2).click();
  PressInGrid(Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_TRUE(boxes_.Shown().empty());
  EXPECT_EQ(CommittedHeadwords().size(), 3u);
}

TEST_F(BrowsingTest, ADeleteTheServerRejectsIsShownAndTheTermStays) {
  Start(Handbook());
  handbook_.IBUpdateSQL1.SetDeleteSQL("delete from NO_SUCH_TABLE where EUPH_UID = :OLD_EUPH_UID");
  boxes_.WillAnswer(MessageAnswer::Ok);
  PressInGrid(Qt::Key_Delete, Qt::ControlModifier);
  ASSERT_EQ(boxes_.Errors().size(), 1u);
  EXPECT_NE(boxes_.Errors()[0].find("NO_SUCH_TABLE"), std::string::npos) << boxes_.Errors()[0];
  EXPECT_EQ(GridHeadwords().size(), 3u);
}

TEST_F(BrowsingTest, ADoubleClickOnTheGridOpensTheCardOfTheCurrentRow) {
  app::TForm1& form = Start(Handbook());
  std::vector<std::string> opened;
  form.OpenCardHook = [&] { opened.push_back(handbook_.IBQuery2.FieldByName("EUPHEMIZM").AsString()); };
  const QPoint at = DBGridEh1()->visualRect(DBGridEh1()->model()->index(2, 0)).center();
  QWidget* viewport = DBGridEh1()->viewport();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
    QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &event);
  }
  EXPECT_EQ(opened, std::vector<std::string>{ansi("Язва")});
}

}  // namespace
}  // namespace app_tests
