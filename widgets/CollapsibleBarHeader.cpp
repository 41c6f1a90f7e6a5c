#include "widgets/CollapsibleBarHeader.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "widgets/BarColours.h"
#include "widgets/CollapsibleBar.h"

namespace widgets {

CollapsibleBarHeader::CollapsibleBarHeader(QWidget* parent) : QWidget(parent) {
  setFixedHeight(CollapsibleBar::kHeaderHeight);
  QFont captionFont = font();
  captionFont.setBold(true);
  captionFont.setPixelSize(13);
  setFont(captionFont);
}

void CollapsibleBarHeader::SetCaption(const QString& caption) {
  caption_ = caption;
  // Painted, not a label: a screen reader learns the caption from here.
  setAccessibleName(caption);
  update();
}

void CollapsibleBarHeader::SetIcon(const QPixmap& icon) {
  icon_ = icon;
  update();
}

void CollapsibleBarHeader::SetState(bool collapsible, bool collapsed) {
  collapsible_ = collapsible;
  collapsed_ = collapsed;
  setCursor(collapsible ? Qt::PointingHandCursor : Qt::ArrowCursor);
  setAccessibleDescription(!collapsible ? QString()
                           : collapsed  ? QStringLiteral("Свёрнуто; щелчок разворачивает")
                                        : QStringLiteral("Развёрнуто; щелчок сворачивает"));
  update();
}

void CollapsibleBarHeader::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, 0.5);
  QPainterPath shape;
  shape.addRoundedRect(frame.adjusted(0, 0, 0, 6), 5, 5);
  QLinearGradient ground(frame.topLeft(), frame.topRight());
  ground.setColorAt(0, bar_colours::kHeaderLight);
  ground.setColorAt(1, bar_colours::kHeaderDark);
  painter.save();
  painter.setClipRect(rect());
  painter.fillPath(shape, ground);
  painter.restore();

  int captionLeft = 8;
  if (!icon_.isNull()) {
    const QSize iconSize = icon_.deviceIndependentSize().toSize();
    painter.drawPixmap(6, (height() - iconSize.height()) / 2, icon_);
    captionLeft = 6 + iconSize.width() + 6;
  }
  const int buttonSpace = collapsible_ ? height() : 4;
  painter.setPen(bar_colours::kCaption);
  const QRect captionArea(captionLeft, 0, width() - captionLeft - buttonSpace, height());
  painter.drawText(captionArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   fontMetrics().elidedText(caption_, Qt::ElideRight, captionArea.width()));
  if (collapsible_) PaintChevron(painter, QRectF(width() - height() + 5, 5, height() - 10, height() - 10));
}

void CollapsibleBarHeader::PaintChevron(QPainter& painter, QRectF circle) const {
  painter.setPen(QPen(bar_colours::kHeaderDark.darker(130), 1));
  painter.setBrush(Qt::white);
  painter.drawEllipse(circle);
  painter.setPen(QPen(bar_colours::kChevron, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  const QPointF centre = circle.center();
  const double half = circle.width() * 0.22;
  // Two chevrons: pointing down to expand a collapsed bar, up to collapse an open one.
  const double direction = collapsed_ ? 1.0 : -1.0;
  for (double offset : {-2.5, 2.5}) {
    const double y = centre.y() + offset - direction * half / 2;
    painter.drawPolyline(QPolygonF{QPointF(centre.x() - half, y), QPointF(centre.x(), y + direction * half),
                                   QPointF(centre.x() + half, y)});
  }
}

void CollapsibleBarHeader::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace widgets
