#pragma once
// Pictures made for the screen's pixel density: drawn with as many pixels as the screen shows for
// their size, so that a 200 % screen gets a picture of twice the pixels rather than an enlarged
// copy. Sizes are in the layout's (device-independent) pixels.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace widgets {

// The highest device pixel ratio among the screens, at least 1: what a picture is drawn for.
qreal ScreenPixelRatio();

// A transparent picture of `size` for `ratio`; a painter on it works in layout pixels.
QPixmap BlankPicture(QSize size, qreal ratio = ScreenPixelRatio());

// The SVG file (a resource path works) rendered to fill `size` at `ratio`. A file that cannot
// be read gives a transparent picture of that size.
QPixmap SvgPicture(const QString& file, QSize size, qreal ratio = ScreenPixelRatio());

}  // namespace widgets
