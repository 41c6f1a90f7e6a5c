#include "widgets/MagnifierPicture.h"

#include <QPainter>

#include "widgets/SharpPicture.h"

namespace widgets {

QPixmap MagnifierPicture(qreal ratio) {
  QPixmap picture = BlankPicture(QSize(16, 16), ratio);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  // Glass: a pale blue lens in a dark rim.
  const QRectF lens(1.5, 1.5, 9.0, 9.0);
  painter.setPen(QPen(QColor(0x2b, 0x3a, 0x55), 1.6));
  painter.setBrush(QColor(0xcf, 0xe6, 0xff));
  painter.drawEllipse(lens);

  // A glint on the upper left of the lens.
  painter.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawArc(QRectF(3.5, 3.5, 5.0, 5.0), 100 * 16, 70 * 16);

  // Handle towards the lower right.
  painter.setPen(QPen(QColor(0x6b, 0x45, 0x1f), 3.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(10.0, 10.0), QPointF(14.0, 14.0));
  return picture;
}

}  // namespace widgets
