#include "widgets/CollapsibleBar.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "widgets/BarColours.h"
#include "widgets/CollapsibleBarHeader.h"
#include "widgets/CollapsibleBarItem.h"
#include "widgets/CollapsibleBarItemArea.h"

namespace {

using widgets::CollapsibleBar;

void ClickHeader(CollapsibleBar& bar) {
  auto* header = bar.findChild<widgets::CollapsibleBarHeader*>();
  ASSERT_NE(header, nullptr);
  const QPointF at(10, 10);
  QMouseEvent press(QEvent::MouseButtonPress, at, header->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
  QMouseEvent release(QEvent::MouseButtonRelease, at, header->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(header, &press);
  QApplication::sendEvent(header, &release);
}

TEST(CollapsibleBar, ItemsCarryCaptionTagAndHintAndReportTheirIndexWhenClicked) {
  CollapsibleBar bar("Категории терминов");
  bar.AddItem("Общие термины", 0);
  bar.AddItem("Кардиология", 1, "Сердце и сосуды");
  std::vector<int> clicks;
  QObject::connect(&bar, &CollapsibleBar::ItemClicked, [&](int index) { clicks.push_back(index); });
  bar.Item(1).click();
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_EQ(bar.Item(1).text(), "Кардиология");
  EXPECT_EQ(bar.Item(1).Tag(), 1);
  EXPECT_EQ(bar.Item(1).Hint(), "Сердце и сосуды");

  bar.ClearItems();
  EXPECT_EQ(bar.ItemCount(), 0);
  bar.AddItem("Неврология", 0);
  bar.Item(0).click();
  EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
}

TEST(CollapsibleBar, AnItemThatIsNotThereIsAnOutOfBoundsError) {
  CollapsibleBar bar("Действия");
  bar.AddItem("Выход", 7);
  try {
    bar.Item(5);
    FAIL() << "no error";
  } catch (const std::out_of_range& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (5)");
  }
  EXPECT_THROW(bar.Item(-1), std::out_of_range);
}

TEST(CollapsibleBar, HeaderClicksFoldAndUnfoldTheBodyAndAnnounceItFirst) {
  CollapsibleBar bar("Поиск");
  auto* body = new QLabel("body");
  bar.SetBody(body);
  bar.show();
  std::vector<bool> changes;
  QObject::connect(&bar, &CollapsibleBar::CollapsedChange, [&](bool collapsing) {
    EXPECT_NE(bar.Collapsed(), collapsing) << "announced after the change";
    changes.push_back(collapsing);
  });

  ClickHeader(bar);
  EXPECT_TRUE(bar.Collapsed());
  EXPECT_FALSE(body->isVisible());
  ClickHeader(bar);
  EXPECT_FALSE(bar.Collapsed());
  EXPECT_TRUE(body->isVisible());
  EXPECT_EQ(changes, (std::vector<bool>{true, false}));
}

TEST(CollapsibleBar, ABarThatCannotCollapseStaysOpen) {
  CollapsibleBar bar("Общие термины");
  bar.SetCollapsed(true);
  bar.SetCollapsible(false);
  EXPECT_FALSE(bar.Collapsed());
  ClickHeader(bar);
  bar.SetCollapsed(true);
  EXPECT_FALSE(bar.Collapsed());
}

TEST(CollapsibleBar, ActionItemsFollowTheActionAndTriggerIt) {
  CollapsibleBar bar("Действия");
  QAction send("Послать изменения производителю");
  send.setToolTip("Послать изменения производителю");
  send.setEnabled(false);
  int triggered = 0;
  QObject::connect(&send, &QAction::triggered, [&] { ++triggered; });
  bar.AddActionItem(&send);
  EXPECT_FALSE(bar.Item(0).isEnabled());
  EXPECT_EQ(bar.Item(0).Hint(), "Послать изменения производителю");
  send.setEnabled(true);
  send.setText("Отправить");
  EXPECT_TRUE(bar.Item(0).isEnabled());
  EXPECT_EQ(bar.Item(0).text(), "Отправить");
  bar.Item(0).click();
  EXPECT_EQ(triggered, 1);
}

TEST(CollapsibleBar, HeaderCaptionIsPaintedInOrangeAndItemsInNavy) {
  CollapsibleBar bar("Категории терминов");
  bar.AddItem("Общие термины", 0);
  bar.resize(253, 80);
  bar.show();
  const QImage picture = bar.grab().toImage();
  int orange = 0;
  int navy = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor colour = picture.pixelColor(x, y);
      if (colour == widgets::bar_colours::kCaption) ++orange;
      if (colour == widgets::bar_colours::kItem) ++navy;
    }
  EXPECT_GT(orange, 5);
  EXPECT_GT(navy, 5);
}

}  // namespace

namespace {

// A column of fixed height: the bar whose items scroll, a fixed widget below it, spare room last.
struct Column {
  explicit Column(int height) {
    host.setFixedSize(240, height);
    auto* stack = new QVBoxLayout(&host);
    stack->setContentsMargins(0, 0, 0, 0);
    bar = new CollapsibleBar("Категории терминов");
    bar->ScrollItemsWhenShort();
    below = new QLabel("Поиск");
    below->setFixedHeight(150);
    stack->addWidget(bar);
    stack->addWidget(below);
    stack->addStretch();
  }
  void AddItems(int count) {
    for (int i = 0; i < count; ++i) bar->AddItem(QString("Раздел %1").arg(bar->ItemCount()), bar->ItemCount());
    host.show();
    // New items show up from the event loop, then the layouts follow.
    for (int round = 0; round < 3; ++round) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
  }
  bool Scrolls() const {
    for (const QScrollBar* scroll : bar->findChildren<QScrollBar*>())
      if (scroll->isVisible() && scroll->orientation() == Qt::Vertical) return true;
    return false;
  }

  QWidget host;
  CollapsibleBar* bar;
  QLabel* below;
};

TEST(CollapsibleBar, ScrollingItemsTakeTheRoomThereIsAndNoMore) {
  const int header = CollapsibleBar::kHeaderHeight;
  const int item = widgets::CollapsibleBarItem::kHeight;
  {
    SCOPED_TRACE("room for every item");
    Column column(600);
    column.AddItems(4);
    EXPECT_FALSE(column.Scrolls());
    EXPECT_GE(column.bar->height(), header + 4 * item);
    EXPECT_LE(column.bar->height(), header + 4 * item + 20) << "no empty room below the items";

    // Items added later grow the bar.
    column.AddItems(4);
    EXPECT_FALSE(column.Scrolls());
    EXPECT_GE(column.bar->height(), header + 8 * item);
  }
  {
    SCOPED_TRACE("twenty items in a short column");
    Column column(400);
    column.AddItems(20);
    EXPECT_TRUE(column.Scrolls());
    EXPECT_LE(column.below->geometry().bottom(), 400) << "the widget below stays in the column";
    EXPECT_GE(column.bar->height(), header + widgets::CollapsibleBarItemArea::kFewestItemsShown * item);
    // The items are as wide as the room beside the scroll bar.
    for (const QScrollBar* scroll : column.bar->findChildren<QScrollBar*>()) {
      if (!scroll->isVisible() || scroll->orientation() != Qt::Vertical) continue;
      const QRect bar(scroll->mapToGlobal(QPoint(0, 0)), scroll->size());
      for (int i = 0; i < column.bar->ItemCount(); ++i) {
        const widgets::CollapsibleBarItem& shown = column.bar->Item(i);
        EXPECT_FALSE(QRect(shown.mapToGlobal(QPoint(0, 0)), shown.size()).intersects(bar)) << i;
      }
    }
  }
}

}  // namespace
