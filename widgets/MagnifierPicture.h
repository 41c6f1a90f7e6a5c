#pragma once
// The search button's picture: a magnifying glass, drawn in code so it stays crisp and editable.
#include <QPixmap>

#include "widgets/SharpPicture.h"

namespace widgets {

// A 16 by 16 picture on a transparent ground, drawn for the pixel ratio `ratio`.
QPixmap MagnifierPicture(qreal ratio = ScreenPixelRatio());

}  // namespace widgets
