#include "widgets/SharpPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace widgets {

qreal ScreenPixelRatio() { return std::max<qreal>(1.0, qApp ? qApp->devicePixelRatio() : 1.0); }

QPixmap BlankPicture(QSize size, qreal ratio) {
  QPixmap picture(static_cast<int>(std::ceil(size.width() * ratio)), static_cast<int>(std::ceil(size.height() * ratio)));
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  return picture;
}

QPixmap SvgPicture(const QString& file, QSize size, qreal ratio) {
  QPixmap picture = BlankPicture(size, ratio);
  QSvgRenderer renderer(file);
  if (!renderer.isValid()) return picture;
  QPainter painter(&picture);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return picture;
}

}  // namespace widgets
