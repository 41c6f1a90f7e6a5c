#pragma once
// The card's five 16 x 16 pictures, drawn here rather than shipped as files.
#include <QPixmap>

namespace cards {

enum CardPicture {
  FindPicture = 0,
  CopyPicture = 1,
  CopyAllPicture = 2,
  TogglePinnedPicture = 3,  // the card's toggle on: the next opening makes a new card
  ToggleLoosePicture = 4,   // the toggle off: the card is reused
  CardPictureCount = 5
};

QPixmap DrawCardPicture(CardPicture picture);

}  // namespace cards
