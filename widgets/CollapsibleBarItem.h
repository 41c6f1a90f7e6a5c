#pragma once
// One clickable text line of a collapsible bar; navy, blue while the mouse is over it.
#include <QAbstractButton>

namespace widgets {

class CollapsibleBarItem : public QAbstractButton {
  Q_OBJECT

 public:
  CollapsibleBarItem(const QString& caption, int tag, QWidget* parent = nullptr);

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  QString Hint() const { return toolTip(); }
  void SetHint(const QString& hint);

  QSize sizeHint() const override;

  static constexpr int kHeight = 20;
  static constexpr int kIndent = 14;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int tag_;
};

}  // namespace widgets
