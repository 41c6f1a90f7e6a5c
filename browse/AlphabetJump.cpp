#include "browse/AlphabetJump.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>

#include <algorithm>
#include <string>

#include "store/LocateRow.h"
#include "store/Query.h"

namespace browse {
namespace {

// Holds the widget's painting until the end of the scope, whatever way it ends; the widget then
// repaints once.
class RepaintPause {
 public:
  explicit RepaintPause(QWidget& widget) : widget_(widget), wasEnabled_(widget.updatesEnabled()) {
    widget_.setUpdatesEnabled(false);
  }
  ~RepaintPause() { widget_.setUpdatesEnabled(wasEnabled_); }
  RepaintPause(const RepaintPause&) = delete;
  RepaintPause& operator=(const RepaintPause&) = delete;

 private:
  QWidget& widget_;
  bool wasEnabled_;
};

// Scrolls just enough to show the row; the first shown column stands for it, as a hidden one
// would not scroll at all.
void ShowRow(QAbstractItemView& grid, int row) {
  const QAbstractItemModel* model = grid.model();
  if (!model || row < 0 || row >= model->rowCount()) return;
  for (int column = 0; column < model->columnCount(); ++column) {
    const QModelIndex cell = model->index(row, column);
    if (!grid.visualRect(cell).isEmpty()) {
      grid.scrollTo(cell, QAbstractItemView::EnsureVisible);
      return;
    }
  }
}

}  // namespace

void JumpToLetter(store::Query& terms, QAbstractItemView& grid, std::optional<char> letter) {
  if (letter) {
    RepaintPause pause(grid);
    store::LocateRow(terms, "EUPHEMIZM", std::string(1, *letter),
                     store::LocateCaseInsensitive | store::LocatePrefix);
    const int located = terms.RecNo();
    if (located >= 0) {
      const int ahead = std::min(kRowsShownAfterLetter, terms.RecordCount() - 1 - located);
      terms.MoveTo(located + ahead);
      ShowRow(grid, located + ahead);
      terms.MoveTo(located);
      ShowRow(grid, located);
    }
  }
  grid.setFocus(Qt::OtherFocusReason);
}

}  // namespace browse
