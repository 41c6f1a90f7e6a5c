#include "widgets/CollapsibleBarItem.h"

#include <QPainter>

#include "widgets/BarColours.h"

namespace widgets {

CollapsibleBarItem::CollapsibleBarItem(const QString& caption, int tag, QWidget* parent)
    : QAbstractButton(parent), tag_(tag) {
  setText(caption);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CollapsibleBarItem::SetHint(const QString& hint) {
  setToolTip(hint);
  setStatusTip(hint);
}

QSize CollapsibleBarItem::sizeHint() const {
  return {kIndent + fontMetrics().horizontalAdvance(text()) + 4, kHeight};
}

void CollapsibleBarItem::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QColor colour = bar_colours::kItem;
  if (!isEnabled()) colour = palette().color(QPalette::Disabled, QPalette::WindowText);
  else if (underMouse()) colour = bar_colours::kItemHot;
  painter.setPen(colour);
  const QRect area = rect().adjusted(kIndent, 0, -2, 0);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

void CollapsibleBarItem::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  update();
}

void CollapsibleBarItem::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  update();
}

}  // namespace widgets
