// What a reader does without a mouse or with a screen reader: Enter on a row or a hit, Ctrl+F, the
// whole text of a cut-off cell, the names a screen reader announces; and the keys and clicks the
// window had before, each still doing what it did.
#include <QAccessible>
#include <QClipboard>
#include <QTextBrowser>
#include <QWheelEvent>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMetaEnum>
#include <QToolButton>
#include <QToolTip>

#include <cstdio>
#include <functional>
#include <set>

#include "cards/CardZoom.h"
#include "cards/TForm4.h"
#include "tests/app/SearchWindowFixture.h"
#include "tests/support/Ansi.h"
#include "widgets/CollapsibleBarItem.h"

// Offers a key to the shortcuts as the window system does before the focused widget sees it.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace app_tests {
namespace {

using testing_support::ansi;

const std::string kLongOrigin =
    "лат. situs – расположение + inversus – перевёрнутый, обращённый; зеркальное расположение органов";

class KeyboardAndReadingTest : public SearchWindowTest {
 protected:
  app::TForm1& StartOnHandbook() {
    return StartSearching({SectionLine(0, "Общие термины"), SectionLine(1, "Кардиология"),
                           Term(1, "Situs inversus", 0, kLongOrigin), Term(2, "Агония", 0, "греч. agonia"),
                           Term(3, "Аорта", 1, "греч. aorte")});
  }

  // A key as the keyboard delivers it: to the focused control.
  static void Press(QWidget& focused, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    focused.setFocus();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&focused, &press);
  }

  // The tooltip a view shows when the mouse rests on a cell; empty when none shows.
  QString ToolTipOver(QAbstractItemView& view, const QModelIndex& index) {
    // A tooltip fades out a moment after it is told to hide.
    QToolTip::hideText();
    QElapsedTimer waited;
    waited.start();
    while (QToolTip::isVisible() && waited.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    const QPoint at = view.visualRect(index).center();
    QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  }
};

TEST_F(KeyboardAndReadingTest, EnterOnARowOpensItsCardAsADoubleClickDoes) {
  StartOnHandbook();
  DBGridEh1()->selectRow(1);
  Press(*DBGridEh1(), Qt::Key_Return);
  EXPECT_EQ(CardKey(), 2);

  form_->CurrentCard()->close();
  DBGridEh1()->selectRow(0);
  Press(*DBGridEh1(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(CardKey(), 1);
}

TEST_F(KeyboardAndReadingTest, TheWindowOpensWithTheKeysInTheTermList) {
  // As the program starts: the search bar collapsed.
  app::TForm1& form = Start({SectionLine(0, "Общие термины"), Term(1, "Агония", 0, ""), Term(2, "Аорта", 0, "")});
  form.activateWindow();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), DBGridEh1());

  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(QApplication::focusWidget(), &down);
  EXPECT_EQ(DBGridEh1()->currentIndex().row(), 1);
}

TEST_F(KeyboardAndReadingTest, EnterOnAnEmptyListOpensNothing) {
  StartSearching({SectionLine(0, "Общие термины")});
  Press(*DBGridEh1(), Qt::Key_Return);
  EXPECT_EQ(form_->CurrentCard(), nullptr);
}

TEST_F(KeyboardAndReadingTest, CtrlFOpensTheSearchBarAndGoesToItsField) {
  StartOnHandbook();
  JvXPBarSearch()->SetCollapsed(true);
  Press(*DBGridEh1(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_FALSE(JvXPBarSearch()->Collapsed());
  EXPECT_EQ(QApplication::focusWidget(), JvEdit1());

  Press(*DBGridEh1(), Qt::Key_F, Qt::ControlModifier);  // already open: the field again
  EXPECT_FALSE(JvXPBarSearch()->Collapsed());
  EXPECT_EQ(QApplication::focusWidget(), JvEdit1());
}

TEST_F(KeyboardAndReadingTest, EnterOnAHitOpensItInItsCategory) {
  StartOnHandbook();
  Search("греч");
  ASSERT_EQ(JvListBox1()->count(), 2);
  int aorta = -1;
  for (int row = 0; row < JvListBox1()->count(); ++row)
    if (JvListBox1()->item(row)->data(Qt::UserRole).toInt() == 3) aorta = row;
  ASSERT_GE(aorta, 0);
  // Reached by Tab, the list has a current entry that is not selected.
  JvListBox1()->clearSelection();
  JvListBox1()->setCurrentRow(aorta, QItemSelectionModel::NoUpdate);
  Press(*JvListBox1(), Qt::Key_Return);
  EXPECT_EQ(CardKey(), 3);
  EXPECT_EQ(handbook_.FCurrentSection, 1);
}

TEST_F(KeyboardAndReadingTest, ACellThatCutsItsTextOffShowsItWhole) {
  StartOnHandbook();
  QAbstractItemView& grid = *DBGridEh1();
  const QAbstractItemModel& model = *grid.model();
  EXPECT_EQ(ToolTipOver(grid, model.index(0, 1)), QString::fromUtf8(kLongOrigin.c_str()));
  EXPECT_EQ(ToolTipOver(grid, model.index(1, 1)), QString()) << "a text that fits shows no tooltip";
  EXPECT_EQ(ToolTipOver(grid, model.index(1, 0)), QString());

  Search("греч");
  ASSERT_EQ(JvListBox1()->count(), 2);
  QListWidgetItem* longHit = JvListBox1()->item(0);
  longHit->setText(QString(80, QLatin1Char('W')));
  const int longRow = JvListBox1()->row(longHit);  // the list keeps itself sorted
  const QAbstractItemModel& hits = *JvListBox1()->model();
  EXPECT_EQ(ToolTipOver(*JvListBox1(), hits.index(longRow, 0)), QString(80, QLatin1Char('W')));
  EXPECT_EQ(ToolTipOver(*JvListBox1(), hits.index(1 - longRow, 0)), QString());
}

// Every control a reader reaches, by the name a screen reader announces; a name-less one is listed.
// With KORVAND_ACCESSIBILITY_DUMP set the tree is printed as a screen reader walks it.
std::vector<QString> Unnamed(QAccessibleInterface* node, std::set<QString>& names, int depth = 0) {
  static const std::set<QAccessible::Role> announced{
      QAccessible::PushButton, QAccessible::CheckBox, QAccessible::EditableText, QAccessible::List,
      QAccessible::ListItem,   QAccessible::Table,    QAccessible::Cell,         QAccessible::ColumnHeader,
      QAccessible::ButtonMenu, QAccessible::ToolBar};
  std::vector<QString> unnamed;
  if (!node || node->state().invisible) return unnamed;
  const QString name = node->text(QAccessible::Name);
  if (!name.isEmpty()) names.insert(name);
  if (qEnvironmentVariableIsSet("KORVAND_ACCESSIBILITY_DUMP"))
    std::printf("%*s%s \"%s\" %s\n", depth * 2, "", QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role()),
                name.toUtf8().constData(), node->text(QAccessible::Description).toUtf8().constData());
  if (announced.count(node->role()) && name.isEmpty())
    unnamed.push_back(QString::number(node->role(), 16) + " " + (node->object() ? node->object()->objectName() : QString()));
  for (int i = 0; i < node->childCount(); ++i) {
    const std::vector<QString> below = Unnamed(node->child(i), names, depth + 1);
    unnamed.insert(unnamed.end(), below.begin(), below.end());
  }
  return unnamed;
}

TEST_F(KeyboardAndReadingTest, AScreenReaderFindsEveryControlByItsName) {
  StartOnHandbook();
  JvXPBar1()->SetCollapsed(false);
  Search("греч");
  std::set<QString> names;
  EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(form_.get()), names), std::vector<QString>{});
  for (const char* expected : {"Категории терминов", "Поиск", "Действия", "Кардиология", "Термин", "Происхождение", "Агония",
                               "Список терминов", "Текст для поиска", "Найденные термины", "Добавить статью"})
    EXPECT_TRUE(names.count(QString::fromUtf8(expected))) << expected;

  DBGridEh1()->selectRow(1);
  Press(*DBGridEh1(), Qt::Key_Return);
  ASSERT_NE(form_->CurrentCard(), nullptr);
  std::set<QString> cardNames;
  EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(form_->CurrentCard()), cardNames), std::vector<QString>{});
  for (const char* expected : {"Карточка статьи", "Статья", "Копировать", "Копировать всё", "Найти выделенное", "Сделать карточку временной"})
    EXPECT_TRUE(cardNames.count(QString::fromUtf8(expected))) << expected;
}

// The keys and clicks the window had before the additions, each still doing what it did; each
// case starts on the first category with no card open.
TEST_F(KeyboardAndReadingTest, TheKeysAndClicksOfBeforeStillDoWhatTheyDid) {
  StartOnHandbook();
  const auto cardText = [this] {
    return form_->CurrentCard()->findChild<QTextBrowser*>(QStringLiteral("HTMLViewer1"));
  };
  const auto rowCentre = [this](int row) {
    return DBGridEh1()->visualRect(DBGridEh1()->model()->index(row, 0)).center();
  };
  const struct {
    const char* name;
    std::function<void()> act;
    std::function<void()> check;
  } cases[] = {
      {"Enter in the search field searches", [&] { Search("греч"); }, [&] { EXPECT_EQ(JvListBox1()->count(), 2); }},
      {"a double click on a hit opens it",
       [&] {
         Search("греч");
         DoubleClickEntry(0);
       },
       [&] { EXPECT_NE(CardKey(), 0); }},
      {"a click on a category lists it", [&] { JvXPBarCathegory()->Item(1).click(); },
       [&] { EXPECT_EQ(GridHeadwords(), std::vector<std::string>{ansi("Аорта")}); }},
      {"a letter of the strip jumps to it", [&] { PressStripLetter(ansi("А")); },
       [&] { EXPECT_EQ(CurrentHeadword(), ansi("Агония")); }},
      {"a double click on a row opens its card", [&] { Click(*DBGridEh1()->viewport(), rowCentre(1), true); },
       [&] { EXPECT_EQ(CardKey(), 2); }},
      {"Ctrl+Delete asks before deleting",
       [&] {
         boxes_.WillAnswer(platform::MessageAnswer::Cancel);
         PressInGrid(Qt::Key_Delete, Qt::ControlModifier);
       },
       [&] {
         EXPECT_EQ(boxes_.Shown().size(), 1u);
         EXPECT_EQ(GridHeadwords().size(), 2u);
       }},
      {"Delete alone does nothing", [&] { PressInGrid(Qt::Key_Delete); },
       [&] {
         EXPECT_TRUE(boxes_.Shown().empty());
         EXPECT_EQ(GridHeadwords().size(), 2u);
       }},
      {"Ctrl+A in a card copies the whole article",
       [&] {
         Press(*DBGridEh1(), Qt::Key_Return);
         form_->CurrentCard()->activateWindow();
         cardText()->setFocus();
         QApplication::processEvents();
         QGuiApplication::clipboard()->clear();
         qt_sendShortcutOverrideEvent(cardText(), 0, Qt::Key_A, Qt::ControlModifier, {}, false, 1);
       },
       [] { EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Situs inversus\n"))); }},
      {"the wheel alone in a card leaves the reading size",
       [&] {
         Press(*DBGridEh1(), Qt::Key_Return);
         QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
         QApplication::sendEvent(cardText()->viewport(), &down);
       },
       [] { EXPECT_EQ(cards::StoredCardZoom(), 100); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    JvXPBarCathegory()->Item(0).click();
    DBGridEh1()->selectRow(0);
    c.act();
    c.check();
    if (form_->CurrentCard()) form_->CurrentCard()->close();
    boxes_.Clear();
  }
}

}  // namespace
}  // namespace app_tests
