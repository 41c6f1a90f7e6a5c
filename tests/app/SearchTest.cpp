// The search bar through the main window: searching, the result list, opening hits in their
// category, the add-if-not-found road of the import tool, and the alphabet strip over the grid.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <vector>

#include "tests/support/EditorControls.h"
#include "browse/TermGrid.h"
#include "cards/TForm5.h"
#include "tests/app/SearchWindowFixture.h"
#include "tests/support/Ansi.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/KorSpeedButton.h"

namespace app_tests {
namespace {

using platform::MessageAnswer;
using testing_support::ansi;
using testing_support::ShownMessage;

std::vector<std::string> Handbook() {
  return {SectionLine(0, "Общие термины"), SectionLine(1, "Кардиология"), SectionLine(2, "Инфекции"),
          Term(1, "Анемия", 0), Term(2, "Гастрит", 0, "греч. gaster - желудок"), Term(3, "Кардиалгия", 0),
          Term(4, "Тахикардия", 1), Term(5, "Брадикардия", 1), Term(6, "Аритмия", 1),
          Term(7, "Эндокардит", 2), Term(8, "Тиф", 2)};
}

class SearchTest : public SearchWindowTest {
 protected:
  app::TForm1& StartHandbook() { return StartSearching(Handbook()); }
};

TEST_F(SearchTest, HitsFromEveryCategoryAreListedAndOpenInTheirOwnCategory) {
  StartHandbook();
  Search("КАРД");
  EXPECT_EQ(Entries(), (std::vector<SearchEntry>{{ansi("Брадикардия"), 5},
                                                 {ansi("Кардиалгия"), 3},
                                                 {ansi("Тахикардия"), 4},
                                                 {ansi("Эндокардит"), 7}}));
  EXPECT_TRUE(boxes_.Shown().empty());
  EXPECT_EQ(CardKey(), 0) << "several hits open nothing by themselves";

  DoubleClickEntry(3);
  EXPECT_EQ(handbook_.FCurrentSection, 2);
  EXPECT_EQ(Header(), ansi("Инфекции"));
  EXPECT_EQ(GridHeadwords(), (std::vector<std::string>{ansi("Тиф"), ansi("Эндокардит")}));
  EXPECT_EQ(CurrentHeadword(), ansi("Эндокардит"));
  EXPECT_EQ(DBGridEh1()->CurrentRow(), 1);
  EXPECT_EQ(CardKey(), 7);

  DoubleClickEntry(0);
  EXPECT_EQ(handbook_.FCurrentSection, 1);
  EXPECT_EQ(Header(), ansi("Кардиология"));
  EXPECT_EQ(CurrentHeadword(), ansi("Брадикардия"));
  EXPECT_EQ(CardKey(), 5);

  // Within the category already shown the list stays and only the row moves.
  handbook_.IBQuery2.MoveTo(0);
  DoubleClickEntry(2);
  EXPECT_EQ(handbook_.FCurrentSection, 1);
  EXPECT_EQ(CurrentHeadword(), ansi("Тахикардия"));
  EXPECT_EQ(CardKey(), 4);
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(SearchTest, ASingleHitOpensAtOnceInItsCategory) {
  app::TForm1& form = StartHandbook();
  form.LoadSection(1);
  Search("GASTER");  // only in the origin, written there in lower case
  EXPECT_EQ(Entries(), (std::vector<SearchEntry>{{ansi("Гастрит"), 2}}));
  EXPECT_EQ(JvListBox1()->currentRow(), 0);
  EXPECT_EQ(handbook_.FCurrentSection, 0);
  EXPECT_EQ(Header(), ansi("Общие термины"));
  EXPECT_EQ(CurrentHeadword(), ansi("Гастрит"));
  EXPECT_EQ(CardKey(), 2);
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(SearchTest, TooShortATextGetsTheMessageAndTheListStays) {
  StartHandbook();
  Search("кард");
  boxes_.WillAnswer(MessageAnswer::Ok);
  Search("ти");
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].kind, ShownMessage::Kind::Question);
  EXPECT_EQ(boxes_.Shown()[0].text, ansi("Пожалуйста, конкретизируйте поиск"));
  EXPECT_EQ(boxes_.Shown()[0].caption, "");
  EXPECT_EQ(boxes_.Shown()[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(Entries().size(), 4u);

  // The entries still open their terms.
  DoubleClickEntry(1);
  EXPECT_EQ(CardKey(), 3);
}

TEST_F(SearchTest, NothingFoundIsAPlainMessageUnlessTheImportAsksForTheEditor) {
  StartHandbook();
  Search("кард");
  Search("зуб");
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].kind, ShownMessage::Kind::Plain);
  EXPECT_EQ(boxes_.Shown()[0].text, ansi("Не найдено ни одной записи"));
  EXPECT_TRUE(Entries().empty());
  EXPECT_FALSE(handbook_.FAddIfNotFound);

  // A search that finds something leaves the import's request standing for the next one.
  boxes_.Clear();
  handbook_.FAddIfNotFound = true;
  Search("тиф");
  EXPECT_TRUE(handbook_.FAddIfNotFound);

  handbook_.FPendingTitle = ansi("Зубная боль");
  handbook_.FPendingOrigin = ansi("рус.");
  handbook_.FPendingDescription = ansi("Боль в зубе");
  std::vector<std::string> prefilled;
  QTimer::singleShot(0, [&] {
    if (!editor_.isVisible()) return;
    prefilled = {editor_.Headword(), editor_.Origin(), editor_.Description()};
    testing_support::Button2(editor_)->click();
  });
  Search("зуб");
  EXPECT_EQ(prefilled, (std::vector<std::string>{ansi("Зубная боль"), ansi("рус."), ansi("Боль в зубе")}));
  EXPECT_FALSE(handbook_.FAddIfNotFound);
  EXPECT_TRUE(boxes_.Shown().empty());
  EXPECT_TRUE(Entries().empty());
}

TEST_F(SearchTest, SignsOutsideTheCodePageFindNothing) {
  app::TForm1& form = StartHandbook();
  auto* field = form.findChild<QLineEdit*>(QStringLiteral("JvEdit1"));
  ASSERT_NE(field, nullptr);
  const QString typed[] = {QStringLiteral("✓✓✓"), QStringLiteral("中文字"), QStringLiteral("😀😀😀"),
                           QStringLiteral("кард✓"), QStringLiteral("½ти")};
  for (const QString& text : typed) {
    Search("кард");
    ASSERT_EQ(Entries().size(), 4u);
    boxes_.Clear();
    field->setText(text);
    field->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);

    ASSERT_EQ(boxes_.Shown().size(), 1u) << text.toStdString();
    EXPECT_EQ(boxes_.Shown()[0].text, ansi("Не найдено ни одной записи")) << text.toStdString();
    EXPECT_TRUE(Entries().empty()) << text.toStdString();
    EXPECT_EQ(CardKey(), 0) << text.toStdString();
  }
}

TEST_F(SearchTest, OpeningWithoutASearchOrASelectionOrAfterACommitDoesNothing) {
  app::TForm1& form = StartHandbook();
  form.JvListBox1DblClick();
  Search("кард");
  JvListBox1()->clearSelection();
  form.JvListBox1DblClick();
  EXPECT_EQ(CardKey(), 0);

  // The end of the transaction closes the search; its entries stay but lead nowhere.
  handbook_.IBDatabase1.Commit();
  DoubleClickEntry(3);
  EXPECT_EQ(Entries().size(), 4u);
  EXPECT_EQ(CardKey(), 0);
  EXPECT_EQ(handbook_.FCurrentSection, 0);
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(SearchTest, AHitDeletedSinceTheSearchOpensNoOtherArticle) {
  app::TForm1& form = StartHandbook();
  form.LoadSection(1);
  Search("кард");
  ASSERT_TRUE(handbook_.IBQuery2.FieldByName("EUPHEMIZM").AsString() == ansi("Аритмия"));
  handbook_.IBQuery2.MoveTo(2);  // Тахикардия
  boxes_.WillAnswer(MessageAnswer::Ok);
  PressInGrid(Qt::Key_Delete, Qt::ControlModifier);
  ASSERT_EQ(GridHeadwords(), (std::vector<std::string>{ansi("Аритмия"), ansi("Брадикардия")}));

  DoubleClickEntry(2);  // Тахикардия
  EXPECT_EQ(CardKey(), 0);
  EXPECT_EQ(handbook_.FOpenCards, 0);
}

TEST_F(SearchTest, OpeningTheBarPutsTheFocusInTheFieldAndClosingItKeepsTheEntries) {
  StartHandbook();
  Search("кард");
  JvXPBarSearch()->SetCollapsed(true);
  DBGridEh1()->setFocus();
  JvXPBarSearch()->SetCollapsed(false);
  EXPECT_EQ(QApplication::focusWidget(), JvEdit1());
  EXPECT_EQ(Entries().size(), 4u);
}

TEST_F(SearchTest, TheSearchButtonShowsItsPictureCentred) {
  StartHandbook();
  EXPECT_EQ(KorSpeedButton1()->size(), QSize(22, 22));
  EXPECT_EQ(KorSpeedButton1()->ImagePosition(), QPoint(3, 3));
}

TEST_F(SearchTest, APressOnTheStripMovesTheGridToTheLetterAndFocusesIt) {
  app::TForm1& form = StartHandbook();
  form.LoadSection(1);
  JvEdit1()->setFocus();
  PressStripLetter(ansi("Т"));
  EXPECT_EQ(CurrentHeadword(), ansi("Тахикардия"));
  EXPECT_EQ(DBGridEh1()->currentIndex().row(), 2);
  EXPECT_EQ(QApplication::focusWidget(), DBGridEh1());

  JvEdit1()->setFocus();
  PressStripLetter(ansi("Я"));  // no such headword here
  EXPECT_EQ(CurrentHeadword(), ansi("Тахикардия"));
  EXPECT_EQ(QApplication::focusWidget(), DBGridEh1());
}

}  // namespace
}  // namespace app_tests
