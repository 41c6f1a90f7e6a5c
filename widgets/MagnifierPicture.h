#pragma once
// The search button's picture: a magnifying glass, drawn in code so it stays crisp and editable.
#include <QPixmap>

namespace widgets {

// A 16 by 16 picture on a transparent ground.
QPixmap MagnifierPicture();

}  // namespace widgets
