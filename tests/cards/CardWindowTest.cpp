#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QWheelEvent>

#include <memory>
#include <string>
#include <vector>

#include "cards/ArticleDesk.h"
#include "cards/ArticleEditing.h"
#include "cards/ArticleView.h"
#include "cards/CardZoom.h"
#include "cards/TForm4.h"
#include "tests/cards/EditorScript.h"
#include "tests/cards/HandbookFixture.h"
#include "tests/support/Ansi.h"
#include "text/Cp1251.h"

// What the window system does with a key press before the focused widget sees it: offer it to
// the shortcuts. Exported by Qt Gui for this purpose; true when a shortcut took the key.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace {

using cards::ArticleDesk;
using cards::TForm4;
using cards_testing::EditorScript;
using namespace cards_testing;
using testing_support::ansi;

const QString kLooseCaption = QStringLiteral("Сделать карточку временной");
const QString kPinnedCaption = QStringLiteral("Сделать карточку постоянной");

int ImageIndex(const QAction* action) { return action->property("ImageIndex").toInt(); }

void Click(QWidget* target, QPoint at) {
  const QPointF local(at);
  const QPointF global(target->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

class CardWindowTest : public HandbookFixture {
 protected:
  CardWindowTest()
      : desk_(std::make_unique<ArticleDesk>(handbook_, [this] {
          cards::EditCurrentArticle(*editor_);
        })) {}
  ~CardWindowTest() override { desk_.reset(); }

  TForm4& Open(int euphUid) {
    GoTo(euphUid);
    desk_->OpenCard();
    return *desk_->CurrentCard();
  }

  // The card's controls, found by their documented names.
  static cards::ArticleView* View(const TForm4& card) { return Child<cards::ArticleView>(card, "HTMLViewer1"); }
  static cards::ArticleView* View(const TForm4* card) { return View(*card); }
  static QToolBar* Bar(const TForm4& card) { return Child<QToolBar>(card, "ToolBar1"); }
  static QAction* Act(const TForm4& card, const char* name) { return Child<QAction>(card, name); }
  template <class T>
  static T* Child(const TForm4& card, const char* name) {
    T* child = card.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  static QString Shown(const TForm4& card) { return View(card)->toPlainText(); }

  int CurrentKey() const { return termList_.FieldByName("EUPH_UID").AsInteger(); }

  // Selects the first occurrence of `utf8` in the card's article.
  static void Select(TForm4& card, const char* utf8) {
    const QTextCursor found = View(card)->document()->find(QString::fromUtf8(utf8));
    ASSERT_FALSE(found.isNull()) << utf8;
    View(card)->setTextCursor(found);
  }

  // The window frame becomes known only once shown, so a few pixels off still count.
  static bool IsCentred(const QWidget& window) {
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    return (window.frameGeometry().center() - screenCentre).manhattanLength() <= 8;
  }

  std::int32_t& openCards_ = handbook_.FOpenCards;
  std::unique_ptr<ArticleDesk> desk_;
};

TEST_F(CardWindowTest, FirstOpeningMakesAStayOnTopCardWithTheToggleOff) {
  TForm4& card = Open(kGastritis);

  EXPECT_EQ(openCards_, 1);
  EXPECT_TRUE(card.isVisible());
  EXPECT_TRUE(card.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(card.size(), QSize(439, 374));
  EXPECT_EQ(card.minimumSize(), card.maximumSize());
  EXPECT_TRUE(card.windowTitle().isEmpty());
  EXPECT_TRUE(IsCentred(card));
  EXPECT_FALSE(card.ToggleOn());
  EXPECT_EQ(Act(card, "Action2")->text(), kLooseCaption);
  EXPECT_EQ(ImageIndex(Act(card, "Action2")), 4);
  EXPECT_EQ(card.EuphUid(), kGastritis);
  EXPECT_EQ(Shown(card), QStringLiteral("Гастрит\n(Греч. gaster – желудок)\n\n  Воспаление желудка."));

  EXPECT_EQ(Bar(card)->actions(), (QList<QAction*>{Act(card, "Action2"), Act(card, "Action3"), Act(card, "Action4"), Act(card, "Action1")}));
  EXPECT_EQ(View(card)->actions(), (QList<QAction*>{Act(card, "Action3"), Act(card, "Action4"), Act(card, "Action1"), Act(card, "Action5")}));
  EXPECT_EQ(View(card)->contextMenuPolicy(), Qt::ActionsContextMenu);
  EXPECT_EQ(Bar(card)->height(), 26);
}

TEST_F(CardWindowTest, SecondOpeningReusesTheCardWhereTheUserLeftIt) {
  TForm4& card = Open(kGastritis);
  card.move(40, 50);

  TForm4& again = Open(kGastroptosis);

  EXPECT_EQ(&again, &card);
  EXPECT_EQ(openCards_, 1);
  EXPECT_EQ(card.pos(), QPoint(40, 50));
  EXPECT_EQ(card.EuphUid(), kGastroptosis);
  EXPECT_TRUE(Shown(card).startsWith(QStringLiteral("Гастроптоз\n\n  Опущение желудка.")));
  EXPECT_FALSE(card.ToggleOn());
  EXPECT_EQ(Act(card, "Action2")->text(), kLooseCaption);
}

TEST_F(CardWindowTest, ToggleOnMakesTheNextOpeningCreateAFurtherCard) {
  TForm4& first = Open(kGastritis);
  first.move(10, 10);
  Act(first, "Action2")->trigger();
  EXPECT_TRUE(first.ToggleOn());
  EXPECT_EQ(Act(first, "Action2")->text(), kPinnedCaption);
  EXPECT_EQ(ImageIndex(Act(first, "Action2")), 3);

  TForm4& second = Open(kStomach);

  EXPECT_NE(&second, &first);
  EXPECT_EQ(openCards_, 2);
  EXPECT_TRUE(second.ToggleOn());
  EXPECT_EQ(Act(second, "Action2")->text(), kPinnedCaption);
  EXPECT_EQ(ImageIndex(Act(second, "Action2")), 3);
  EXPECT_TRUE(IsCentred(second));
  EXPECT_EQ(first.EuphUid(), kGastritis) << "the first card keeps its article";
  EXPECT_TRUE(Shown(first).startsWith(QStringLiteral("Гастрит")));

  // Turning the newest card's toggle off makes it the reused one again.
  Act(second, "Action2")->trigger();
  EXPECT_EQ(Act(second, "Action2")->text(), kLooseCaption);
  EXPECT_EQ(ImageIndex(Act(second, "Action2")), 4);
  EXPECT_EQ(&Open(kUlcer), &second);
  EXPECT_EQ(openCards_, 2);
}

TEST_F(CardWindowTest, ClosingTheNewestCardNeverLetsTheNextOpeningTouchIt) {
  TForm4& first = Open(kGastritis);
  Act(first, "Action2")->trigger();
  QPointer<TForm4> second = &Open(kStomach);
  second->close();
  EXPECT_EQ(openCards_, 1);
  EXPECT_EQ(desk_->CurrentCard(), nullptr) << "forgotten at once, before the window is destroyed";
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(second.isNull());

  TForm4& fresh = Open(kGastroptosis);

  EXPECT_NE(&fresh, &first);
  EXPECT_FALSE(fresh.ToggleOn());
  EXPECT_EQ(Act(fresh, "Action2")->text(), kLooseCaption);
  EXPECT_EQ(openCards_, 2);
  EXPECT_EQ(first.EuphUid(), kGastritis);
}

TEST_F(CardWindowTest, ClosingEveryCardBringsTheCountBackToZero) {
  TForm4& first = Open(kGastritis);
  Act(first, "Action2")->trigger();
  TForm4& second = Open(kStomach);
  second.close();
  first.close();
  EXPECT_EQ(openCards_, 0);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  TForm4& fresh = Open(kUlcer);
  EXPECT_EQ(openCards_, 1);
  EXPECT_FALSE(fresh.ToggleOn());
  EXPECT_EQ(fresh.EuphUid(), kUlcer);
}

TEST_F(CardWindowTest, ClickingTheReferenceReportsTheHrefAsWrittenAndFollowsIt) {
  TForm4& card = Open(kStomach);
  std::vector<std::string> reported;
  QObject::connect(View(card), &cards::ArticleView::HotSpotClick,
                   [&](const std::string& src) { reported.push_back(src); });

  const QTextCursor link = View(card)->document()->find(QStringLiteral("Гастрит."));
  ASSERT_FALSE(link.isNull());
  QTextCursor inside(View(card)->document());
  inside.setPosition(link.selectionStart() + 2);
  Click(View(card)->viewport(), View(card)->cursorRect(inside).center());

  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0], ansi(" Гастрит.")) << text::Cp1251ToUtf8(reported[0]);
  EXPECT_EQ(CurrentKey(), kGastritis) << "the list moves to the referenced term";
  EXPECT_EQ(card.EuphUid(), kGastritis);
  EXPECT_TRUE(Shown(card).startsWith(QStringLiteral("Гастрит\n")));
}

TEST_F(CardWindowTest, ReferenceRendersIntoTheCardThatWasClickedAndUnknownTargetsStay) {
  TForm4& older = Open(kStomach);
  Act(older, "Action2")->trigger();
  TForm4& newer = Open(kUlcer);
  ASSERT_NE(&older, &newer);

  bool handled = false;
  older.HTMLViewer1HotSpotClick(ansi(" Гастрит."), handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(older.EuphUid(), kGastritis);
  EXPECT_EQ(newer.EuphUid(), kUlcer);

  // A target without its closing stop loses a letter; the prefix look-up still finds it.
  GoTo(kUlcer);
  older.HTMLViewer1HotSpotClick(ansi(" Гастроптоз"), handled);
  EXPECT_EQ(CurrentKey(), kGastroptosis);

  // Nothing matches: the list stays and the card shows its current row.
  older.HTMLViewer1HotSpotClick(ansi(" Несуществующий."), handled);
  EXPECT_EQ(CurrentKey(), kGastroptosis);
  EXPECT_EQ(older.EuphUid(), kGastroptosis);
}

TEST_F(CardWindowTest, FindSelectedLooksUpTheSelectedWord) {
  TForm4& card = Open(kStomach);
  Select(card, "Гастрит.");
  Act(card, "Action1")->trigger();
  EXPECT_EQ(CurrentKey(), kGastritis);
  EXPECT_EQ(card.EuphUid(), kGastritis);

  // A lower-case word of the origin finds its headword too.
  Select(card, "желудок");
  Act(card, "Action1")->trigger();
  EXPECT_EQ(CurrentKey(), kStomach);

  // An empty selection finds nothing and shows the list's current row again.
  View(card)->ClearSelection();
  Act(card, "Action1")->trigger();
  EXPECT_EQ(CurrentKey(), kStomach);
  EXPECT_EQ(card.EuphUid(), kStomach);
}

TEST_F(CardWindowTest, CopyPutsUnicodeTextOnTheClipboard) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  TForm4& card = Open(kGastritis);

  Select(card, "gaster – желудок");
  Act(card, "Action3")->trigger();
  EXPECT_EQ(clipboard->text(), QStringLiteral("gaster – желудок"));

  View(card)->ClearSelection();
  Act(card, "Action3")->trigger();
  EXPECT_EQ(clipboard->text(), QString());

  Act(card, "Action4")->trigger();
  EXPECT_EQ(clipboard->text(), QStringLiteral("Гастрит\n(Греч. gaster – желудок)\n\n  Воспаление желудка."));
  EXPECT_FALSE(View(card)->textCursor().hasSelection());
}

TEST_F(CardWindowTest, CopyAllKeepsTheReadersPlaceInALongArticle) {
  constexpr int kLong = 900;
  std::string description;
  for (int line = 1; line <= 120; ++line) description += ansi("Строка описания номер ") + std::to_string(line) + "\r\n";
  executor_.SetSQL("insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID) values (" +
                   std::to_string(kLong) + ", \"" + ansi("Длинная статья") + "\", \"\", \"" + description + "\", 1)");
  executor_.ExecQuery();
  LoadSection(1);
  TForm4& card = Open(kLong);
  QApplication::processEvents();
  QScrollBar* scroll = View(card)->verticalScrollBar();
  ASSERT_GT(scroll->maximum(), 0) << "the article must be long enough to scroll";
  const int middle = scroll->maximum() / 2;
  scroll->setValue(middle);

  Act(card, "Action4")->trigger();
  QApplication::processEvents();

  EXPECT_EQ(scroll->value(), middle);
  EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("Строка описания номер 120")))
      << QGuiApplication::clipboard()->text().right(60).toStdString();
  EXPECT_FALSE(View(card)->textCursor().hasSelection());
}

TEST_F(CardWindowTest, CopyKeysInTheArticleRunTheCardsCommands) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  TForm4& card = Open(kGastritis);
  card.activateWindow();
  View(card)->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), View(card));

  clipboard->clear();
  EXPECT_TRUE(qt_sendShortcutOverrideEvent(View(card), 0, Qt::Key_A, Qt::ControlModifier, {}, false, 1));
  EXPECT_EQ(clipboard->text(), QStringLiteral("Гастрит\n(Греч. gaster – желудок)\n\n  Воспаление желудка."));
  EXPECT_FALSE(View(card)->textCursor().hasSelection());

  Select(card, "Гастрит");
  EXPECT_TRUE(qt_sendShortcutOverrideEvent(View(card), 0, Qt::Key_C, Qt::ControlModifier, {}, false, 1));
  EXPECT_EQ(clipboard->text(), QStringLiteral("Гастрит"));
}

// The card as the reader's keyboard finds it: active, the article focused.
bool PressInCard(TForm4& card, int key, Qt::KeyboardModifiers modifiers) {
  card.activateWindow();
  cards::ArticleView* view = card.findChild<cards::ArticleView*>(QStringLiteral("HTMLViewer1"));
  view->setFocus();
  QApplication::processEvents();
  return qt_sendShortcutOverrideEvent(view, 0, key, modifiers, {}, false, 1);
}

double TextSize(const TForm4& card) {
  return card.findChild<cards::ArticleView*>(QStringLiteral("HTMLViewer1"))->document()->defaultFont().pointSizeF();
}

TEST_F(CardWindowTest, AltLeftAndRightGoThroughTheArticlesThisCardShowedAndLeaveTheList) {
  TForm4& card = Open(kStomach);
  bool handled = false;
  card.HTMLViewer1HotSpotClick(ansi(" Гастрит."), handled);
  GoTo(kUlcer);

  EXPECT_TRUE(PressInCard(card, Qt::Key_Left, Qt::AltModifier));
  EXPECT_TRUE(Shown(card).startsWith(QStringLiteral("Желудок\n")));
  EXPECT_EQ(card.EuphUid(), kStomach) << "the card's commands act on the article shown";
  EXPECT_EQ(CurrentKey(), kUlcer);
  PressInCard(card, Qt::Key_Left, Qt::AltModifier);  // nothing older: stays
  EXPECT_EQ(card.EuphUid(), kStomach);

  PressInCard(card, Qt::Key_Right, Qt::AltModifier);
  EXPECT_TRUE(Shown(card).startsWith(QStringLiteral("Гастрит\n")));
  EXPECT_EQ(card.EuphUid(), kGastritis);
  EXPECT_EQ(CurrentKey(), kUlcer);
}

TEST_F(CardWindowTest, CtrlKeysAndTheWheelZoomEveryCardWithinBoundsAndTheSizeIsKept) {
  TForm4& first = Open(kStomach);
  Act(first, "Action2")->trigger();  // the next opening makes a second card
  TForm4& second = Open(kGastritis);
  const double normal = TextSize(first);
  const QSize cardSize = first.size();

  PressInCard(first, Qt::Key_Equal, Qt::ControlModifier);
  PressInCard(first, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(TextSize(first), normal * 1.2);
  EXPECT_DOUBLE_EQ(TextSize(second), normal * 1.2) << "every card reads at one size";
  EXPECT_EQ(cards::StoredCardZoom(), 120);

  QWheelEvent up(QPointF(10, 10), first.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120), Qt::NoButton,
                 Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(View(first)->viewport(), &up);
  EXPECT_DOUBLE_EQ(TextSize(first), normal * 1.3);

  for (int i = 0; i < 30; ++i) PressInCard(first, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(TextSize(first), normal * 3.0);
  for (int i = 0; i < 30; ++i) PressInCard(first, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(TextSize(first), normal * 0.7);
  EXPECT_EQ(first.size(), cardSize) << "the card keeps its size; the text wraps and scrolls";

  PressInCard(first, Qt::Key_Minus, Qt::ControlModifier);
  first.close();
  second.close();
  TForm4& later = Open(kUlcer);  // as after a restart: the size comes from the settings
  EXPECT_DOUBLE_EQ(TextSize(later), normal * 0.7);
  PressInCard(later, Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(TextSize(later), normal);
  EXPECT_EQ(cards::StoredCardZoom(), 100);
}

TEST_F(CardWindowTest, EscClosesTheCard) {
  TForm4& card = Open(kStomach);
  QPointer<TForm4> watched(&card);
  EXPECT_TRUE(PressInCard(card, Qt::Key_Escape, Qt::NoModifier));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watched.isNull());
  EXPECT_EQ(openCards_, 0);
}

TEST_F(CardWindowTest, EditFromTheCardEditsItsArticleEvenAfterTheListMoved) {
  TForm4& card = Open(kGastroptosis);
  GoTo(kUlcer);

  std::string headwordShown;
  {
    EditorScript script(*editor_, [&](cards::TForm5& shown) {
      headwordShown = shown.Headword();
      EditorScript::Save("Гастроптоз", "греч. ptosis", "опущение желудка.")(shown);
    });
    Act(card, "Action5")->trigger();
    EXPECT_TRUE(script.Shown());
  }
  EXPECT_EQ(headwordShown, ansi("Гастроптоз"));
  EXPECT_EQ(Value("select CHANGED from EUPHEMIZMS where EUPH_UID = " + std::to_string(kGastroptosis)), "+");
  EXPECT_EQ(Value("select ETIOLOGY from EUPHEMIZMS where EUPH_UID = " + std::to_string(kGastroptosis)),
            ansi("греч. ptosis"));
  EXPECT_TRUE(Shown(card).startsWith(QStringLiteral("Гастроптоз\n\n"))) << "the card is not re-rendered";
}

TEST_F(CardWindowTest, EditFromACardWhileTheListIsEmptyDoesNothing) {
  TForm4& card = Open(kGastritis);
  LoadSection(kEmptySection);
  const int rows = Count("1 = 1");
  {
    EditorScript script(*editor_, EditorScript::SaveAsShown());
    Act(card, "Action5")->trigger();
    EXPECT_FALSE(script.Shown());
  }
  EXPECT_EQ(Count("1 = 1"), rows);
}

TEST_F(CardWindowTest, EmptyListRendersAnEmptyArticle) {
  LoadSection(kEmptySection);
  desk_->OpenCard();
  TForm4* card = desk_->CurrentCard();
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(card->EuphUid(), 0);
  EXPECT_EQ(View(card)->toPlainText().trimmed(), QString());
}

}  // namespace
