#include "widgets/CollapsibleBar.h"

#include <QAction>
#include <QVBoxLayout>

#include <stdexcept>

#include "widgets/BarColours.h"
#include "widgets/CollapsibleBarHeader.h"
#include "widgets/CollapsibleBarItem.h"
#include "widgets/CollapsibleBarItemArea.h"

namespace widgets {

CollapsibleBar::CollapsibleBar(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption), header_(new CollapsibleBarHeader(this)), content_(new QWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(header_);
  layout->addWidget(content_);

  // The body sits on the tooltip background inside a thin frame in the header's colour.
  content_->setObjectName("CollapsibleBarBody");
  content_->setAttribute(Qt::WA_StyledBackground);
  content_->setStyleSheet(QStringLiteral("#CollapsibleBarBody { background: palette(tooltip-base); "
                                         "border: 1px solid %1; border-top: none; }")
                              .arg(bar_colours::kHeaderDark.name()));
  contentLayout_ = new QVBoxLayout(content_);
  contentLayout_->setContentsMargins(1, 6, 1, 6);
  contentLayout_->setSpacing(0);
  itemsBox_ = new QWidget(content_);
  itemsLayout_ = new QVBoxLayout(itemsBox_);
  itemsLayout_->setContentsMargins(0, 0, 0, 0);
  itemsLayout_->setSpacing(0);
  contentLayout_->addWidget(itemsBox_);

  header_->SetCaption(caption);
  header_->SetState(collapsible_, collapsed_);
  connect(header_, &CollapsibleBarHeader::Clicked, this, &CollapsibleBar::HeaderClicked);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

void CollapsibleBar::SetCaption(const QString& caption) {
  caption_ = caption;
  header_->SetCaption(caption);
}

void CollapsibleBar::SetIcon(const QPixmap& icon) {
  icon_ = icon;
  header_->SetIcon(icon);
}

void CollapsibleBar::SetCollapsible(bool collapsible) {
  collapsible_ = collapsible;
  if (!collapsible) SetCollapsed(false);
  header_->SetState(collapsible_, collapsed_);
}

void CollapsibleBar::SetCollapsed(bool collapsed) {
  if (collapsed && !collapsible_) return;
  if (collapsed == collapsed_) return;
  emit CollapsedChange(collapsed);
  collapsed_ = collapsed;
  content_->setVisible(!collapsed);
  header_->SetState(collapsible_, collapsed_);
}

void CollapsibleBar::HeaderClicked() {
  if (collapsible_) SetCollapsed(!collapsed_);
}

int CollapsibleBar::AddItem(const QString& caption, int tag, const QString& hint) {
  auto* item = new CollapsibleBarItem(caption, tag, itemsBox_);
  item->SetHint(hint);
  const int index = ItemCount();
  items_.append(item);
  itemsLayout_->addWidget(item);
  connect(item, &QAbstractButton::clicked, this, [this, item] {
    const int at = static_cast<int>(items_.indexOf(item));
    if (at >= 0) emit ItemClicked(at);
  });
  return index;
}

int CollapsibleBar::AddActionItem(QAction* action) {
  const int index = AddItem(action->text(), ItemCount(), action->toolTip());
  CollapsibleBarItem* item = items_[index];
  item->setEnabled(action->isEnabled());
  connect(action, &QAction::changed, item, [item, action] {
    item->setText(action->text());
    item->SetHint(action->toolTip());
    item->setEnabled(action->isEnabled());
    item->update();
  });
  connect(item, &QAbstractButton::clicked, action, &QAction::trigger);
  return index;
}

void CollapsibleBar::ClearItems() {
  for (CollapsibleBarItem* item : items_) delete item;
  items_.clear();
}

CollapsibleBarItem& CollapsibleBar::Item(int index) const {
  if (index < 0 || index >= ItemCount())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return *items_[index];
}

void CollapsibleBar::SetBody(QWidget* body) {
  body->setParent(content_);
  contentLayout_->addWidget(body);
  if (body->sizePolicy().verticalPolicy() & QSizePolicy::ExpandFlag)
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void CollapsibleBar::ScrollItemsWhenShort() {
  if (itemArea_) return;
  itemArea_ = new CollapsibleBarItemArea(itemsBox_);
  contentLayout_->insertWidget(0, itemArea_);
}

}  // namespace widgets
