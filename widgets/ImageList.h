#pragma once
// A list of same-size pictures that buttons draw from. Holders follow Change() to repaint and
// QObject::destroyed() to forget the list.
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QVector>

class QPainter;

namespace widgets {

class ImageList : public QObject {
  Q_OBJECT

 public:
  explicit ImageList(QSize pictureSize, QObject* parent = nullptr);

  QSize PictureSize() const { return pictureSize_; }
  int Width() const { return pictureSize_.width(); }
  int Height() const { return pictureSize_.height(); }
  int Count() const { return static_cast<int>(pictures_.size()); }

  // A picture of another size (in layout pixels) is scaled to the list's size, keeping its pixel
  // ratio. Returns the new picture's index.
  int Add(const QPixmap& picture);
  // Does nothing when index is out of range.
  void Replace(int index, const QPixmap& picture);
  void Clear();

  // Picture `index` at its own size with its top-left corner at `at`; the disabled form is the
  // style's greyed rendering. An index out of range draws nothing.
  void Draw(QPainter& painter, QPoint at, int index, bool enabled) const;

 signals:
  void Change();

 private:
  QPixmap Fitted(const QPixmap& picture) const;

  QSize pictureSize_;
  QVector<QPixmap> pictures_;
};

}  // namespace widgets
