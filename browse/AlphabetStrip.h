#pragma once
// The strip of capital letters above the term grid (Edit1). A press of any mouse button chooses
// the letter under the pointer; the window moves the grid to it and gives the grid the focus.
#include <QLineEdit>
#include <QPoint>

namespace browse {

class AlphabetStrip : public QLineEdit {
  Q_OBJECT

 public:
  explicit AlphabetStrip(QWidget* parent = nullptr);

  // The 0-based gap between characters nearest to the point: where a click would put the caret.
  int CharFromPos(QPoint point);

  // Whatever the button: emits letterChosen, or pressedWithoutLetter when the point lies beyond
  // the letters. The text is read afresh each time.
  void Edit1MouseDown(QPoint point);

 signals:
  void letterChosen(char cp1251Letter);
  void pressedWithoutLetter();

 protected:
  // The strip is not an editor: no caret moves, selections or menus, so the text never scrolls
  // away from the letters the pointer is over.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FitFontToText();
};

}  // namespace browse
