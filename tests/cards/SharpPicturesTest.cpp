// The pictures drawn for the screen's density: the card's toolbar, the search button's magnifier
// and the SVG pictures of the main window and the splash. At 200 % each has twice the pixels and
// shows the same figure as at 100 %, filling its whole size.
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "cards/CardPictures.h"
#include "widgets/MagnifierPicture.h"
#include "widgets/SharpPicture.h"

namespace {

struct Picture {
  std::string name;
  QSize size;
  std::function<QPixmap(qreal)> draw;
};

QPixmap Svg(const char* file, QSize size, qreal ratio) {
  return widgets::SvgPicture(QString::fromUtf8(HANDBOOK_SOURCE_DIR "/app/resources/") + QString::fromUtf8(file), size,
                             ratio);
}

std::vector<Picture> Pictures() {
  std::vector<Picture> pictures = {
      {"magnifier", {16, 16}, [](qreal r) { return widgets::MagnifierPicture(r); }},
      {"banner", {842, 105}, [](qreal r) { return Svg("banner.svg", {842, 105}, r); }},
      {"splash", {402, 294}, [](qreal r) { return Svg("splash.svg", {402, 294}, r); }},
      {"bar icon", {20, 20}, [](qreal r) { return Svg("bar-icon.svg", {20, 20}, r); }},
      {"emblem", {64, 64}, [](qreal r) { return Svg("emblem.svg", {64, 64}, r); }},
  };
  for (int card = 0; card < cards::CardPictureCount; ++card)
    pictures.push_back({"card picture " + std::to_string(card), {16, 16},
                        [card](qreal r) { return cards::DrawCardPicture(static_cast<cards::CardPicture>(card), r); }});
  return pictures;
}

QImage Argb(const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// The mean difference of two pictures of one size, per channel, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
  long long total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
               std::abs(qAlpha(p) - qAlpha(q));
    }
  return static_cast<double>(total) / (4.0 * a.width() * a.height());
}

TEST(SharpPictures, AtTwiceTheDensityEachHasTwiceThePixelsAndTheSameFigure) {
  for (const Picture& picture : Pictures()) {
    const QPixmap single = picture.draw(1.0);
    const QPixmap dense = picture.draw(2.0);
    EXPECT_EQ(single.size(), picture.size) << picture.name;
    EXPECT_EQ(dense.size(), picture.size * 2) << picture.name;
    EXPECT_EQ(dense.devicePixelRatio(), 2.0) << picture.name;
    EXPECT_EQ(dense.deviceIndependentSize().toSize(), picture.size) << picture.name;

    const QImage singleImage = Argb(single);
    int opaque = 0;
    for (int y = 0; y < singleImage.height(); ++y)
      for (int x = 0; x < singleImage.width(); ++x)
        if (qAlpha(singleImage.pixel(x, y)) > 0) ++opaque;
    EXPECT_GT(opaque, picture.size.width() * picture.size.height() / 8) << picture.name << ": a visible figure";
    // Drawn at one place in layout pixels: halved, the dense picture is the single one, give or
    // take the edges' smoothing. A figure drawn into a quarter of the dense picture is far off.
    const QImage halved = Argb(dense).scaled(picture.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(halved, singleImage), 12.0) << picture.name;
  }
}

TEST(SharpPictures, AFileThatCannotBeReadGivesAClearPictureOfItsSize) {
  const QImage picture = Argb(widgets::SvgPicture(QStringLiteral("/nonexistent/picture.svg"), {20, 10}, 2.0));
  ASSERT_EQ(picture.size(), QSize(40, 20));
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) ASSERT_EQ(qAlpha(picture.pixel(x, y)), 0);
}

}  // namespace
