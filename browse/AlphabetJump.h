#pragma once
// What a press on the alphabet strip does to the term grid.
#include <optional>

class QAbstractItemView;

namespace store {
class Query;
}

namespace browse {

// How many rows after the located term are brought into view with it.
inline constexpr int kRowsShownAfterLetter = 13;

// With a letter (Windows-1251), makes the first row of `terms` whose headword begins with it in
// either case the current row (the current row stays when none does) and scrolls `grid`, which
// shows the rows of `terms`, so that the row and up to 13 rows after it are in view, repainting
// once. With or without a letter, gives `grid` the keyboard focus.
void JumpToLetter(store::Query& terms, QAbstractItemView& grid, std::optional<char> letter);

}  // namespace browse
