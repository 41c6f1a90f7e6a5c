#pragma once
// A bar of the left-hand task column: a header with an icon and a caption that collapses and
// expands the body on a click, and a body of clickable, tagged text items, optionally followed by
// any widget (a search field, a grid).
#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>

class QAction;
class QScrollArea;
class QVBoxLayout;

namespace widgets {

class CollapsibleBarHeader;
class CollapsibleBarItem;

class CollapsibleBar : public QWidget {
  Q_OBJECT

 public:
  explicit CollapsibleBar(const QString& caption, QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QPixmap Icon() const { return icon_; }
  void SetIcon(const QPixmap& icon);

  // A bar that is not collapsible ignores header clicks and SetCollapsed(true).
  bool Collapsible() const { return collapsible_; }
  void SetCollapsible(bool collapsible);
  bool Collapsed() const { return collapsed_; }
  void SetCollapsed(bool collapsed);

  // Items: a caption, a tag and a hint (shown as tool tip and status tip). Returns the index.
  int AddItem(const QString& caption, int tag, const QString& hint = {});
  // An item that shows the action's text and hint, follows its enabled state and triggers it.
  int AddActionItem(QAction* action);
  void ClearItems();
  int ItemCount() const { return static_cast<int>(items_.size()); }
  // Throws std::out_of_range for an index that is not an item's.
  CollapsibleBarItem& Item(int index) const;

  // The widget below the items; the bar takes it over. The bar grows with it when it may grow.
  void SetBody(QWidget* body);

  // For items that may not fit: from now on the bar shrinks, when short of room, down to a few
  // items that scroll on their own, instead of pushing what lies below out of view.
  void ScrollItemsWhenShort();

  // Header height and the look shared by every bar.
  static constexpr int kHeaderHeight = 28;

 signals:
  // Index of the clicked item; its tag is Item(index).Tag().
  void ItemClicked(int index);
  // Before the change: true when the bar is about to collapse.
  void CollapsedChange(bool collapsing);

 private:
  void HeaderClicked();

  QString caption_;
  QPixmap icon_;
  bool collapsible_ = true;
  bool collapsed_ = false;
  CollapsibleBarHeader* header_;
  QWidget* content_;
  QWidget* itemsBox_;
  QScrollArea* itemArea_ = nullptr;  // only once the items scroll
  QVBoxLayout* itemsLayout_;
  QVBoxLayout* contentLayout_;
  QVector<CollapsibleBarItem*> items_;
};

}  // namespace widgets
