#include "widgets/CutOffToolTips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace widgets {

CutOffToolTips::CutOffToolTips(QAbstractItemView& view) : QObject(&view), view_(view), viewport_(view.viewport()) {
  view.viewport()->installEventFilter(this);
}

// The viewport is compared, never asked for: its view may be half destroyed when the last events
// come through.
bool CutOffToolTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip || watched != viewport_) return QObject::eventFilter(watched, event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = view_.indexAt(help->pos());
  if (index.isValid() && IsCutOff(view_, index))
    QToolTip::showText(help->globalPos(), index.data(Qt::DisplayRole).toString(), view_.viewport(),
                       view_.visualRect(index));
  else
    QToolTip::hideText();
  return true;
}

bool IsCutOff(const QAbstractItemView& view, const QModelIndex& index) {
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return false;
  // The style's own text margins on both sides, as the delegate draws the cell.
  const int margins = 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
  const QFontMetrics metrics(index.data(Qt::FontRole).isValid() ? index.data(Qt::FontRole).value<QFont>() : view.font());
  // What of the cell lies inside the view: a list lets a long line run past its right edge.
  const QRect shown = view.visualRect(index) & view.viewport()->rect();
  return text.contains(QLatin1Char('\n')) || metrics.horizontalAdvance(text) > shown.width() - margins;
}

}  // namespace widgets
