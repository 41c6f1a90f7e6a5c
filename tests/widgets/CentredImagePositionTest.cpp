#include <gtest/gtest.h>

#include "widgets/ImageList.h"
#include "widgets/KorSpeedButton.h"

namespace {

using widgets::CentredImagePosition;

struct PositionCase {
  const char* what;
  QSize area;
  QSize picture;
  double scale;
  QPoint expected;
};

TEST(CentredImagePosition, CentresTheScaledSize) {
  const PositionCase cases[] = {
      {"search button", {22, 22}, {16, 16}, 1.0, {3, 3}},
      {"twice the size lands off the button", {22, 22}, {16, 16}, 2.0, {-5, -5}},
      {"half size", {22, 22}, {16, 16}, 0.5, {7, 7}},
      {"odd remainder truncates", {23, 21}, {16, 16}, 1.0, {3, 2}},
      {"2.5 rounds down to even", {22, 22}, {5, 5}, 0.5, {10, 10}},
      {"3.5 rounds up to even", {23, 23}, {7, 7}, 0.5, {9, 9}},
      {"negative odd truncates toward zero", {22, 22}, {16, 16}, 2.0625, {-5, -5}},
      {"wide and flat", {40, 10}, {16, 4}, 1.0, {12, 3}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CentredImagePosition(c.area, c.picture, c.scale), c.expected) << c.what;
  }
}

TEST(CentredImagePosition, SurvivesAbsurdScales) {
  // Only the absence of overflow matters here: the picture lands far outside the button.
  EXPECT_LT(CentredImagePosition({22, 22}, {16, 16}, 1e300).x(), -1000);
  EXPECT_GT(CentredImagePosition({22, 22}, {16, 16}, -1e300).x(), 1000);
}

TEST(KorSpeedButtonImagePosition, FollowsListScaleAndSize) {
  widgets::ImageList list({16, 16});
  widgets::KorSpeedButton button;
  button.resize(22, 22);
  EXPECT_FALSE(button.ImagePosition()) << "no list, nothing drawn";

  button.SetImages(&list);
  button.SetImageIndex(0);
  EXPECT_EQ(button.ImagePosition(), QPoint(3, 3));
  button.SetScale(2.0);
  EXPECT_EQ(button.ImagePosition(), QPoint(-5, -5));
}

}  // namespace
