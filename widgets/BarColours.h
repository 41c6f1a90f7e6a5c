#pragma once
// The colours the task-column bars share.
#include <QColor>

namespace widgets::bar_colours {

inline const QColor kCaption{0xFF, 0x75, 0x00};        // header captions
inline const QColor kItem{0x00, 0x00, 0x80};           // item text (navy)
inline const QColor kItemHot{0x00, 0x00, 0xFF};        // item text under the mouse (blue)
inline const QColor kHeaderLight{0xFF, 0xFF, 0xFF};    // header gradient, left
inline const QColor kHeaderDark{0xC6, 0xD8, 0xF2};     // header gradient, right; body frame
inline const QColor kChevron{0x21, 0x5D, 0xC6};        // the collapse button

}  // namespace widgets::bar_colours
