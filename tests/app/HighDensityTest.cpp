// The main window, the splash and the card's pictures on a 200 % screen: each picture has twice
// the pixels of its size, not a 100 % picture that Qt would enlarge and blur. CTest runs these
// with QT_SCALE_FACTOR=2 (handbook_app_tests_at_200_percent); at 100 % they are skipped.
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>

#include "app/TForm14.h"
#include "cards/CardPictures.h"
#include "tests/app/MainWindowFixture.h"
#include "widgets/MagnifierPicture.h"

namespace app_tests {
namespace {

void ExpectDense(const QPixmap& picture, QSize size, const char* what) {
  EXPECT_EQ(picture.devicePixelRatio(), 2.0) << what;
  EXPECT_EQ(picture.size(), size * 2) << what;
}

class HighDensity : public MainWindowTest {
 protected:
  void SetUp() override {
    if (qApp->devicePixelRatio() != 2.0) GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
  }
};

TEST_F(HighDensity, TheMainWindowKeepsItsLayoutWithPicturesOfTwiceThePixels) {
  Start({SectionLine(0, "Общие термины")});
  EXPECT_EQ(Image1()->geometry(), QRect(0, 0, 842, 105)) << "the layout keeps its proportions";
  ExpectDense(Image1()->pixmap(), {842, 105}, "banner");
  for (const widgets::CollapsibleBar* bar : {JvXPBarCathegory(), JvXPBarSearch(), JvXPBar1(), JvXPBar2()})
    ExpectDense(bar->Icon(), {20, 20}, "bar icon");
  ExpectDense(widgets::MagnifierPicture(), {16, 16}, "the speed button's picture");
}

TEST_F(HighDensity, TheSplashAndTheCardsToolbarPicturesHaveTwiceThePixels) {
  app::TForm14 splash;
  const auto* picture = splash.findChild<QLabel*>();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(splash.size(), QSize(402, 294));
  ExpectDense(picture->pixmap(), {402, 294}, "splash");
  for (int card = 0; card < cards::CardPictureCount; ++card) {
    // As the card's toolbar asks its icons for a 16 x 16 picture on this screen.
    const QIcon icon(cards::DrawCardPicture(static_cast<cards::CardPicture>(card)));
    ExpectDense(icon.pixmap(QSize(16, 16), 2.0), {16, 16}, "card picture");
  }
}

}  // namespace
}  // namespace app_tests
