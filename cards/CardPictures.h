#pragma once
// The card's five 16 x 16 pictures, drawn here rather than shipped as files.
#include <QPixmap>

#include "widgets/SharpPicture.h"

namespace cards {

enum CardPicture {
  FindPicture = 0,
  CopyPicture = 1,
  CopyAllPicture = 2,
  TogglePinnedPicture = 3,  // the card's toggle on: the next opening makes a new card
  ToggleLoosePicture = 4,   // the toggle off: the card is reused
  CardPictureCount = 5
};

// 16 x 16 in layout pixels, drawn for the pixel ratio `ratio`.
QPixmap DrawCardPicture(CardPicture picture, qreal ratio = widgets::ScreenPixelRatio());

}  // namespace cards
