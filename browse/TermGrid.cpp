#include "browse/TermGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "browse/TermGridModel.h"
#include "store/Query.h"
#include "widgets/CutOffToolTips.h"

namespace browse {

TermGrid::TermGrid(store::DataSource& source, QWidget* parent)
    : QTableView(parent), model_(new TermGridModel(source, this)) {
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setShowGrid(true);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  setColumnWidth(TermGridModel::kTermColumn, kTermWidth);
  setColumnWidth(TermGridModel::kOriginColumn, kOriginWidth);

  // The tooltip background, and a selection that stays as bright when the grid loses focus.
  QPalette colours = palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  setPalette(colours);

  new widgets::CutOffToolTips(*this);
  setAccessibleName(QStringLiteral("Список терминов"));
  setAccessibleDescription(QStringLiteral("Термины выбранной категории; Enter открывает карточку статьи"));

  connect(model_, &TermGridModel::CurrentRowMoved, this, &TermGrid::FollowQuery);
  connect(model_, &TermGridModel::ListReset, this, &TermGrid::ListReset);
  ListReset();
}

int TermGrid::CurrentRow() const { return model_->rowCount() > 0 ? model_->DataSet().RecNo() : -1; }

void TermGrid::FollowQuery(int row) {
  following_ = true;
  if (row < 0) {
    selectionModel()->clear();
  } else {
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model_->index(row, column));
    scrollTo(currentIndex());
  }
  following_ = false;
}

void TermGrid::ListReset() {
  FollowQuery(model_->rowCount() > 0 ? model_->DataSet().RecNo() : -1);
  scrollToTop();
}

void TermGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (following_ || model_->Restructuring() || !current.isValid()) return;
  if (current.row() != model_->DataSet().RecNo()) model_->DataSet().MoveTo(current.row());
}

QModelIndex TermGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // Whole rows are selected, so Home and End go to the first and the last row.
  if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
  return QTableView::moveCursor(action, modifiers);
}

void TermGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Delete) {
    if (modifiers == Qt::ControlModifier && model_->rowCount() > 0) emit DeleteRequested();
    event->accept();
    return;
  }
  // Enter opens the row as a double click does.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
    if (model_->rowCount() > 0) emit DblClick();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void TermGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  if (model_->rowCount() > 0) emit DblClick();
}

}  // namespace browse
