#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include "widgets/ImageList.h"
#include "widgets/MagnifierPicture.h"

namespace {

using widgets::ImageList;

QPixmap Solid(QSize size, QColor colour) {
  QPixmap picture(size);
  picture.fill(colour);
  return picture;
}

// What the list draws with its top-left corner at (2, 2) on a white 20x20 canvas.
QImage DrawnOnCanvas(const ImageList& list, int index, bool enabled) {
  QImage canvas(20, 20, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  list.Draw(painter, QPoint(2, 2), index, enabled);
  painter.end();
  return canvas;
}

int CountColour(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (QColor(image.pixel(x, y)) == colour) ++count;
  return count;
}

TEST(ImageList, DrawsPicturesAtTheirOwnSize) {
  ImageList list({16, 16});
  list.Add(Solid({16, 16}, Qt::red));
  list.Add(Solid({32, 8}, Qt::blue));  // fitted to the list's size

  const QImage first = DrawnOnCanvas(list, 0, true);
  EXPECT_EQ(CountColour(first, Qt::red), 16 * 16);
  EXPECT_EQ(QColor(first.pixel(2, 2)), QColor(Qt::red));
  EXPECT_EQ(QColor(first.pixel(17, 17)), QColor(Qt::red));
  EXPECT_EQ(QColor(first.pixel(18, 18)), QColor(Qt::white));
  EXPECT_EQ(CountColour(DrawnOnCanvas(list, 1, true), Qt::blue), 16 * 16);
}

TEST(ImageList, IndexOutOfRangeDrawsNothing) {
  ImageList list({16, 16});
  list.Add(Solid({16, 16}, Qt::red));
  for (int index : {-1, 1, 1000}) {
    EXPECT_EQ(CountColour(DrawnOnCanvas(list, index, true), Qt::white), 20 * 20) << index;
  }
}

TEST(ImageList, DisabledFormIsGreyed) {
  ImageList list({16, 16});
  list.Add(Solid({16, 16}, Qt::red));
  const QImage disabled = DrawnOnCanvas(list, 0, false);
  EXPECT_EQ(CountColour(disabled, Qt::red), 0);
  const QColor sample(disabled.pixel(10, 10));
  EXPECT_NE(sample, QColor(Qt::white)) << "the disabled picture is still drawn";
  EXPECT_EQ(sample.red(), sample.green()) << "grey";
  EXPECT_EQ(sample.green(), sample.blue()) << "grey";
}

TEST(ImageList, AnnouncesChanges) {
  ImageList list({16, 16});
  int changes = 0;
  QObject::connect(&list, &ImageList::Change, [&] { ++changes; });

  list.Clear();
  EXPECT_EQ(changes, 0) << "clearing an empty list changes nothing";
  EXPECT_EQ(list.Add(Solid({16, 16}, Qt::red)), 0);
  EXPECT_EQ(changes, 1);
  list.Replace(0, Solid({16, 16}, Qt::blue));
  EXPECT_EQ(changes, 2);
  list.Replace(3, Solid({16, 16}, Qt::blue));
  EXPECT_EQ(changes, 2) << "no such picture";
  list.Clear();
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(list.Count(), 0);
}

// A picture drawn for a 200 % screen: `size` in layout pixels, twice as many real ones.
QPixmap DenseSolid(QSize size, QColor colour) {
  QPixmap picture(size * 2);
  picture.setDevicePixelRatio(2);
  picture.fill(colour);
  return picture;
}

TEST(ImageList, KeepsPicturesForDenseScreensAtTheirFullDetail) {
  ImageList list({16, 16});
  list.Add(DenseSolid({16, 16}, Qt::red));
  list.Add(DenseSolid({16, 8}, Qt::blue));  // fitted to the list's size, still at twice the pixels
  for (int index : {0, 1}) {
    for (bool enabled : {true, false}) {
      // A 200 % canvas: 20 x 20 layout pixels.
      QImage canvas(40, 40, QImage::Format_RGB32);
      canvas.setDevicePixelRatio(2);
      canvas.fill(Qt::white);
      QPainter painter(&canvas);
      list.Draw(painter, QPoint(2, 2), index, enabled);
      painter.end();
      int covered = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
          if (QColor(canvas.pixel(x, y)) != QColor(Qt::white)) ++covered;
      EXPECT_EQ(covered, 32 * 32) << "picture " << index << (enabled ? "" : ", disabled");
      EXPECT_EQ(QColor(canvas.pixel(3, 3)), QColor(Qt::white)) << "the picture starts at layout pixel (2, 2)";
    }
  }
}

TEST(MagnifierPicture, IsASixteenSquareFigureOnClearGround) {
  const QImage picture = widgets::MagnifierPicture().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(picture.size(), QSize(16, 16));
  int opaque = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (qAlpha(picture.pixel(x, y)) == 255) ++opaque;
  EXPECT_GT(opaque, 40) << "a visible figure";
  EXPECT_EQ(qAlpha(picture.pixel(15, 0)), 0) << "corners stay clear";
  EXPECT_EQ(qAlpha(picture.pixel(0, 15)), 0) << "corners stay clear";
}

}  // namespace
