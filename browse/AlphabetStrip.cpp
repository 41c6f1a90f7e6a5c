#include "browse/AlphabetStrip.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include <optional>
#include <string>

#include "browse/AlphabetLetter.h"
#include "platform/QtText.h"

namespace browse {
namespace {

constexpr int kStripWidth = 577;
constexpr int kFontPixelSize = 11;
constexpr int kSmallestPixelSize = 7;

}  // namespace

AlphabetStrip::AlphabetStrip(QWidget* parent) : QLineEdit(parent) {
  setObjectName("Edit1");
  setFrame(false);
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::PreventContextMenu);
  setFixedWidth(kStripWidth);
  // After setReadOnly, which sets a cursor of its own.
  setCursor(Qt::PointingHandCursor);

  QPalette colours = palette();
  colours.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
  colours.setColor(QPalette::Text, QColor(0xFF, 0x75, 0x00));
  setPalette(colours);

  QFont letters(QStringLiteral("MS Sans Serif"));
  letters.setStyleHint(QFont::SansSerif);
  letters.setPixelSize(kFontPixelSize);
  setFont(letters);

  setText(platform::ToQString(AlphabetStripText()));
  // setText leaves the caret at the end; at the start the text is never scrolled.
  setCursorPosition(0);
  FitFontToText();
}

int AlphabetStrip::CharFromPos(QPoint point) { return cursorPositionAt(point); }

void AlphabetStrip::Edit1MouseDown(QPoint point) {
  const std::string strip = platform::FromQString(text());
  const std::optional<char> letter = ChooseStripLetter(strip, CharFromPos(point));
  if (letter) {
    emit letterChosen(*letter);
  } else {
    emit pressedWithoutLetter();
  }
}

void AlphabetStrip::mousePressEvent(QMouseEvent* event) {
  Edit1MouseDown(event->position().toPoint());
  event->accept();
}

// Qt turns the second press of a double click into this event alone; it is a press all the same.
void AlphabetStrip::mouseDoubleClickEvent(QMouseEvent* event) {
  Edit1MouseDown(event->position().toPoint());
  event->accept();
}

void AlphabetStrip::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void AlphabetStrip::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

// Where the designed font is missing, a wider stand-in would push the last letters out of
// reach; narrow it until the whole text, final blank included, lies inside the strip.
void AlphabetStrip::FitFontToText() {
  const auto fits = [this] {
    return CharFromPos(QPoint(width() - 1, height() / 2)) == static_cast<int>(text().size());
  };
  QFont letters = font();
  for (int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
    letters.setStretch(stretch);
    setFont(letters);
    if (fits()) return;
  }
  while (!fits() && letters.pixelSize() > kSmallestPixelSize) {
    letters.setPixelSize(letters.pixelSize() - 1);
    setFont(letters);
  }
}

}  // namespace browse
