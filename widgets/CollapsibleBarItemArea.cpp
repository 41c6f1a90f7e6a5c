#include "widgets/CollapsibleBarItemArea.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

#include "widgets/CollapsibleBarItem.h"

namespace widgets {

CollapsibleBarItemArea::CollapsibleBarItemArea(QWidget* items, QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWidgetResizable(true);
  setWidget(items);
  // The bar's body shows through.
  items->setObjectName(QStringLiteral("CollapsibleBarItems"));
  setStyleSheet(QStringLiteral("QScrollArea, #qt_scrollarea_viewport, #CollapsibleBarItems { background: transparent; }"));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

// QScrollArea caps its hint at a few dozen lines; this one asks for all the items.
QSize CollapsibleBarItemArea::sizeHint() const { return widget()->sizeHint(); }

QSize CollapsibleBarItemArea::minimumSizeHint() const {
  const int fewest = kFewestItemsShown * CollapsibleBarItem::kHeight;
  return {verticalScrollBar()->sizeHint().width(), std::min(widget()->sizeHint().height(), fewest)};
}

// Items come and go (and show up only once the event loop runs): the bar's layout must hear of it.
bool CollapsibleBarItemArea::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace widgets
