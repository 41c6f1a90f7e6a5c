#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "browse/AlphabetStrip.h"
#include "tests/support/Ansi.h"

namespace {

using browse::AlphabetStrip;
using testing_support::ansi;

// A line edit keeps this many pixels between its left edge and the first character.
constexpr double kTextLeft = 2.0;

void Send(QWidget& widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

void Press(QWidget& widget, Qt::MouseButton button, QPoint at) {
  Send(widget, QEvent::MouseButtonPress, button, at);
  Send(widget, QEvent::MouseButtonRelease, button, at);
}

// What the strip announced, letter by letter; "-" for a press beside the letters.
class Announcements : public QObject {
 public:
  explicit Announcements(AlphabetStrip& strip) {
    connect(&strip, &AlphabetStrip::letterChosen, this, [this](char letter) { heard.emplace_back(1, letter); });
    connect(&strip, &AlphabetStrip::pressedWithoutLetter, this, [this] { heard.emplace_back("-"); });
  }
  std::vector<std::string> heard;
};

enum class Half { Left, Right };

// The middle of one half of character `index`, from the font's own advances.
QPoint HalfOf(const AlphabetStrip& strip, int index, Half half) {
  const QFontMetricsF metrics(strip.font());
  const QString text = strip.text();
  const double left = kTextLeft + metrics.horizontalAdvance(text.left(index));
  const double width = metrics.horizontalAdvance(text.mid(index, 1));
  const double x = left + width * (half == Half::Left ? 0.25 : 0.75);
  return {static_cast<int>(std::lround(x)), strip.height() / 2};
}

TEST(AlphabetStrip, PressesChooseTheLetterUnderThePointer) {
  AlphabetStrip strip;
  const struct {
    const char* what;
    int character;
    Half half;
    int gap;
    std::string chosen;
  } cases[] = {
      {"left half of B", 2, Half::Left, 2, "B"},
      {"right half of the blank before B", 1, Half::Right, 2, "B"},
      {"right half of A", 0, Half::Right, 1, "A"},
      {"left half of the blank after A", 1, Half::Left, 1, "A"},
      {"right half of the blank after Z", 51, Half::Right, 52, ansi("А")},
      {"left half of the last letter", 106, Half::Left, 106, ansi("Я")},
      {"left half of the final blank", 107, Half::Left, 107, ansi("Я")},
      {"right half of the final blank", 107, Half::Right, 108, "-"},
  };
  for (const auto& c : cases) {
    const QPoint at = HalfOf(strip, c.character, c.half);
    EXPECT_EQ(strip.CharFromPos(at), c.gap) << c.what << " at x " << at.x();
    Announcements said(strip);
    Press(strip, Qt::LeftButton, at);
    EXPECT_EQ(said.heard, std::vector<std::string>{c.chosen}) << c.what;
  }
}

TEST(AlphabetStrip, PressesBesideTheLetters) {
  AlphabetStrip strip;
  Announcements said(strip);
  Press(strip, Qt::LeftButton, {0, strip.height() / 2});
  Press(strip, Qt::LeftButton, {strip.width() - 1, strip.height() / 2});
  EXPECT_EQ(said.heard, (std::vector<std::string>{"A", "-"}));
}

TEST(AlphabetStrip, GapIsWhereAClickPutsTheCaret) {
  AlphabetStrip strip;
  QLineEdit editor;
  editor.setFrame(false);
  editor.setFont(strip.font());
  editor.setFixedWidth(strip.width());
  editor.setText(strip.text());
  editor.setCursorPosition(0);
  editor.show();
  strip.show();
  QApplication::processEvents();

  int disagreements = 0;
  for (int x = 0; x < strip.width(); ++x) {
    const QPoint at(x, strip.height() / 2);
    Press(editor, Qt::LeftButton, at);
    if (editor.cursorPosition() != strip.CharFromPos(at)) ++disagreements;
  }
  EXPECT_EQ(disagreements, 0);
}

TEST(AlphabetStrip, WholeTextFitsInTheStrip) {
  AlphabetStrip strip;
  EXPECT_EQ(strip.width(), 577);
  EXPECT_EQ(strip.CharFromPos({strip.width() - 1, strip.height() / 2}), static_cast<int>(strip.text().size()))
      << "the last letters must stay within reach";
}

TEST(AlphabetStrip, AnyButtonChoosesAndADoubleClickChoosesTwice) {
  AlphabetStrip strip;
  const QPoint onB = HalfOf(strip, 2, Half::Left);
  Announcements said(strip);
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) Press(strip, button, onB);
  EXPECT_EQ(said.heard, (std::vector<std::string>{"B", "B", "B"}));

  // What Qt delivers for a double click: the second press comes as the double-click event.
  said.heard.clear();
  Send(strip, QEvent::MouseButtonPress, Qt::LeftButton, onB);
  Send(strip, QEvent::MouseButtonRelease, Qt::LeftButton, onB);
  Send(strip, QEvent::MouseButtonDblClick, Qt::LeftButton, onB);
  Send(strip, QEvent::MouseButtonRelease, Qt::LeftButton, onB);
  EXPECT_EQ(said.heard, (std::vector<std::string>{"B", "B"}));
}

TEST(AlphabetStrip, IsNotAnEditor) {
  AlphabetStrip strip;
  const QString design = strip.text();
  EXPECT_EQ(strip.cursor().shape(), Qt::PointingHandCursor);

  QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  QApplication::sendEvent(&strip, &typed);
  QKeyEvent erased(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(&strip, &erased);
  EXPECT_EQ(strip.text(), design);

  // A drag to the far end neither selects nor scrolls: the letters stay under the pointer.
  const QPoint onB = HalfOf(strip, 2, Half::Left);
  Send(strip, QEvent::MouseButtonPress, Qt::LeftButton, onB);
  Send(strip, QEvent::MouseMove, Qt::LeftButton, {strip.width() + 50, onB.y()});
  Send(strip, QEvent::MouseButtonRelease, Qt::LeftButton, {strip.width() + 50, onB.y()});
  EXPECT_FALSE(strip.hasSelectedText());
  EXPECT_EQ(strip.cursorPosition(), 0);
  EXPECT_EQ(strip.CharFromPos(onB), 2);
}

}  // namespace
