#pragma once
// Shows the whole text of an item view's cell as a tooltip when the cell cuts it off; a cell whose
// text fits shows none. Owned by the view.
#include <QObject>

class QAbstractItemView;
class QModelIndex;

namespace widgets {

class CutOffToolTips : public QObject {
 public:
  explicit CutOffToolTips(QAbstractItemView& view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractItemView& view_;
  const QObject* viewport_;
};

// True when the text of the cell at `index` does not fit the part of the cell inside the view.
bool IsCutOff(const QAbstractItemView& view, const QModelIndex& index);

}  // namespace widgets
