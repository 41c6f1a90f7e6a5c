#include "widgets/ImageList.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace widgets {

ImageList::ImageList(QSize pictureSize, QObject* parent) : QObject(parent), pictureSize_(pictureSize) {}

int ImageList::Add(const QPixmap& picture) {
  pictures_.push_back(Fitted(picture));
  emit Change();
  return Count() - 1;
}

void ImageList::Replace(int index, const QPixmap& picture) {
  if (index < 0 || index >= Count()) return;
  pictures_[index] = Fitted(picture);
  emit Change();
}

void ImageList::Clear() {
  if (pictures_.isEmpty()) return;
  pictures_.clear();
  emit Change();
}

void ImageList::Draw(QPainter& painter, QPoint at, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const QPixmap& picture = pictures_[index];
  if (enabled) {
    painter.drawPixmap(at, picture);
    return;
  }
  QStyleOption option;
  option.palette = QApplication::palette();
  painter.drawPixmap(at, QApplication::style()->generatedIconPixmap(QIcon::Disabled, picture, &option));
}

QPixmap ImageList::Fitted(const QPixmap& picture) const {
  // A picture drawn for a dense screen has more pixels for the same size: it is kept as it is.
  if (picture.deviceIndependentSize().toSize() == pictureSize_) return picture;
  const qreal ratio = picture.devicePixelRatio();
  QPixmap fitted = picture.scaled(pictureSize_ * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  fitted.setDevicePixelRatio(ratio);
  return fitted;
}

}  // namespace widgets
