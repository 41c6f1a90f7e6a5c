#include <QImage>
#include <QPixmap>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

#include "widgets/ImageList.h"
#include "widgets/KorSpeedButton.h"

namespace {

using widgets::ImageList;
using widgets::KorSpeedButton;

const QColor kPictureColour(255, 0, 0);

QPixmap Solid(QColor colour) {
  QPixmap picture(16, 16);
  picture.fill(colour);
  return picture;
}

QImage Snapshot(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Every pixel inside `where` (clipped to the image) has the picture's colour, and none outside.
void ExpectPictureExactlyAt(const QImage& image, QRect where) {
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool isPicture = QColor(image.pixel(x, y)) == kPictureColour;
      if (isPicture != where.contains(x, y)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels disagreeing with a picture at " << where.x() << "," << where.y();
}

class SpeedButtonPaint : public ::testing::Test {
 protected:
  SpeedButtonPaint() {
    list.Add(Solid(kPictureColour));
    button.resize(22, 22);
    button.SetImages(&list);
    button.SetImageIndex(0);
    plain.resize(22, 22);
  }

  ImageList list{QSize(16, 16)};
  KorSpeedButton button;
  QToolButton plain;
};

TEST_F(SpeedButtonPaint, PictureLandsCentred) {
  ExpectPictureExactlyAt(Snapshot(button), QRect(3, 3, 16, 16));
}

TEST_F(SpeedButtonPaint, ScaleMovesThePictureButKeepsItsSize) {
  button.SetScale(2.0);
  ExpectPictureExactlyAt(Snapshot(button), QRect(-5, -5, 16, 16));
}

TEST_F(SpeedButtonPaint, PictureStaysPutWhenDown) {
  button.setCheckable(true);
  button.setChecked(true);
  ExpectPictureExactlyAt(Snapshot(button), QRect(3, 3, 16, 16));
}

TEST_F(SpeedButtonPaint, WithoutAPicturePaintsLikeThePlainButton) {
  ASSERT_NE(Snapshot(button), Snapshot(plain)) << "the comparison must be able to fail";

  const struct {
    const char* what;
    std::function<void(KorSpeedButton&)> change;
  } cases[] = {
      {"no list", [](KorSpeedButton& b) { b.SetImages(nullptr); }},
      {"index -1", [](KorSpeedButton& b) { b.SetImageIndex(-1); }},
      {"index beyond the list", [](KorSpeedButton& b) { b.SetImageIndex(1); }},
      {"picture hidden", [](KorSpeedButton& b) { b.SetImageVisible(false); }},
  };
  for (const auto& c : cases) {
    KorSpeedButton subject;
    subject.resize(22, 22);
    subject.SetImages(&list);
    subject.SetImageIndex(0);
    c.change(subject);
    EXPECT_EQ(Snapshot(subject), Snapshot(plain)) << c.what;
  }
}

TEST_F(SpeedButtonPaint, DisabledButtonDrawsTheDisabledForm) {
  const QImage enabled = Snapshot(button);
  button.setEnabled(false);
  plain.setEnabled(false);
  const QImage disabled = Snapshot(button);

  const QRect picture(3, 3, 16, 16);
  int changedInside = 0;
  int redInside = 0;
  for (int y = picture.top(); y <= picture.bottom(); ++y) {
    for (int x = picture.left(); x <= picture.right(); ++x) {
      if (disabled.pixel(x, y) != enabled.pixel(x, y)) ++changedInside;
      if (QColor(disabled.pixel(x, y)) == kPictureColour) ++redInside;
    }
  }
  EXPECT_EQ(changedInside, 16 * 16);
  EXPECT_EQ(redInside, 0);

  // Around the picture it is the plain disabled button.
  const QImage plainDisabled = Snapshot(plain);
  EXPECT_EQ(disabled.pixel(1, 1), plainDisabled.pixel(1, 1));
  EXPECT_EQ(disabled.pixel(20, 20), plainDisabled.pixel(20, 20));
}

TEST_F(SpeedButtonPaint, ForgetsADestroyedList) {
  auto* doomed = new ImageList(QSize(16, 16));
  doomed->Add(Solid(kPictureColour));
  button.SetImages(doomed);
  delete doomed;

  EXPECT_EQ(button.Images(), nullptr);
  EXPECT_EQ(button.ImageIndex(), -1);
  EXPECT_EQ(Snapshot(button), Snapshot(plain));
}

TEST_F(SpeedButtonPaint, DrawsTheListsCurrentPicture) {
  list.Replace(0, Solid(Qt::blue));
  const QImage image = Snapshot(button);
  EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(Qt::blue));
}

}  // namespace
