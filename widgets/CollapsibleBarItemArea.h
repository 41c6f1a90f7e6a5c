#pragma once
// Where a bar whose items may outgrow the column keeps them: as tall as all its items while there
// is room, and down to a few items with a scroll bar of its own when there is not, so the bars
// below it stay in view.
#include <QScrollArea>

namespace widgets {

class CollapsibleBarItemArea : public QScrollArea {
 public:
  // How many items stay in view however short the room.
  static constexpr int kFewestItemsShown = 3;

  // Takes over `items`, the widget that lays the items out.
  explicit CollapsibleBarItemArea(QWidget* items, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace widgets
