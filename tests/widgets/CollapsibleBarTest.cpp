#include "widgets/CollapsibleBar.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "widgets/BarColours.h"
#include "widgets/CollapsibleBarHeader.h"
#include "widgets/CollapsibleBarItem.h"

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
