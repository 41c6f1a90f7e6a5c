// The main window's frame, bars, commands and grid, and the splash.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

#include "app/TForm14.h"
#include "browse/AlphabetStrip.h"
#include "browse/TermGrid.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/Ansi.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarHeader.h"
#include "widgets/CollapsibleBarItem.h"
#include "widgets/KorSpeedButton.h"

namespace app_tests {
namespace {

using testing_support::ansi;

TEST_F(MainWindowTest, AFixedWindowWithOnlyTheCloseButton) {
  app::TForm1& form = Start({});
  EXPECT_EQ(form.windowTitle(), "Корванд - медицинский справочник");
  EXPECT_EQ(form.size(), QSize(842, 672));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

  EXPECT_EQ(Image1()->geometry(), QRect(0, 0, 842, 105));
  EXPECT_EQ(Image1()->pixmap().size(), QSize(842, 105));
  EXPECT_EQ(Image1()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainWindowTest, TheLeftColumnHoldsTheBarsWithTheirHeadersAndStates) {
  app::TForm1& form = Start({});
  const QRect column(JvXPBarCathegory()->mapTo(&form, QPoint(0, 0)), JvXPBarCathegory()->size());
  EXPECT_GE(column.left(), 0);
  EXPECT_LE(column.right(), 253);
  EXPECT_GE(column.top(), 105);

  const struct {
    widgets::CollapsibleBar* bar;
    const char* caption;
    bool collapsed;
    bool visible;
  } bars[] = {{JvXPBarCathegory(), "Категории терминов", false, true},
              {JvXPBarSearch(), "Поиск", true, true},
              {JvXPBar1(), "Действия", true, true},
              {JvXPBarAction(), "Действия", false, false}};
  for (const auto& row : bars) {
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(row.bar->Caption(), QString::fromUtf8(row.caption));
    EXPECT_EQ(row.bar->Collapsed(), row.collapsed);
    EXPECT_EQ(row.bar->isVisible(), row.visible);
    EXPECT_FALSE(row.bar->Icon().isNull());
  }
  ASSERT_EQ(JvXPBarAction()->ItemCount(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(JvXPBarAction()->Item(i).text().isEmpty());

  JvXPBarSearch()->SetCollapsed(false);
  EXPECT_EQ(JvListBox1()->height(), 124);
  EXPECT_TRUE(JvListBox1()->isSortingEnabled());
  EXPECT_EQ(JvEdit1()->width(), 212);
  EXPECT_EQ(KorSpeedButton1()->size(), QSize(22, 22));
  EXPECT_EQ(KorSpeedButton1()->mapTo(&form, QPoint(0, 0)).x(),
            JvEdit1()->mapTo(&form, QPoint(JvEdit1()->width(), 0)).x());
}

// The left column with many categories and every bar open: no scroll bar lies over a control,
// and the search field can be brought into view.
TEST_F(MainWindowTest, ManyCategoriesCoverNoControlAndLeaveTheSearchFieldReachable) {
  std::vector<std::string> lines;
  for (int section = 0; section < 20; ++section)
    lines.push_back(SectionLine(section, "Категория номер " + std::to_string(section + 1)));
  app::TForm1& form = Start(lines);
  auto* categories = form.findChild<widgets::CollapsibleBar*>(QStringLiteral("JvXPBarCathegory"));
  auto* search = form.findChild<widgets::CollapsibleBar*>(QStringLiteral("JvXPBarSearch"));
  auto* actions = form.findChild<widgets::CollapsibleBar*>(QStringLiteral("JvXPBar1"));
  auto* field = form.findChild<QLineEdit*>(QStringLiteral("JvEdit1"));
  auto* button = form.findChild<widgets::KorSpeedButton*>(QStringLiteral("KorSpeedButton1"));
  ASSERT_TRUE(categories && search && actions && field && button);
  ASSERT_EQ(categories->ItemCount(), 20);
  search->SetCollapsed(false);
  actions->SetCollapsed(false);
  // The bars and the category list settle over a few layout passes, as in the event loop.
  for (int round = 0; round < 3; ++round) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
  }

  QScrollArea* column = nullptr;
  for (QWidget* up = field->parentWidget(); up && !column; up = up->parentWidget())
    if (up->parentWidget() == &form) column = qobject_cast<QScrollArea*>(up);
  ASSERT_NE(column, nullptr) << "the left column scrolls";
  EXPECT_EQ(column->geometry(), QRect(0, 105, 253, 567));
  EXPECT_EQ(form.size(), QSize(842, 672));

  const auto globalRect = [](const QWidget* widget) { return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()); };
  std::vector<const QWidget*> controls{field, button, JvListBox1()};
  for (const auto* header : column->findChildren<widgets::CollapsibleBarHeader*>()) controls.push_back(header);
  for (const auto* item : column->findChildren<widgets::CollapsibleBarItem*>()) controls.push_back(item);
  int scrollBarsSeen = 0;
  for (const QScrollBar* bar : column->findChildren<QScrollBar*>()) {
    // The result list's own bar belongs to that control.
    if (!bar->isVisible() || bar->orientation() != Qt::Vertical || JvListBox1()->isAncestorOf(bar)) continue;
    ++scrollBarsSeen;
    for (const QWidget* control : controls) {
      if (!control->isVisible()) continue;
      EXPECT_FALSE(globalRect(control).intersects(globalRect(bar)))
          << control->metaObject()->className() << " " << control->objectName().toStdString() << " under a scroll bar";
    }
  }
  EXPECT_GE(scrollBarsSeen, 1) << "twenty categories do not fit without scrolling";

  column->ensureWidgetVisible(field);
  QCoreApplication::processEvents();
  const QRect viewport = globalRect(column->viewport());
  EXPECT_TRUE(viewport.contains(globalRect(field))) << "the search field lies in view";
  EXPECT_TRUE(viewport.contains(globalRect(button))) << "so does the search button";
  EXPECT_EQ(field->width(), 212);

  // Every category can be brought into view as well.
  widgets::CollapsibleBarItem& last = categories->Item(19);
  QScrollArea* itemsScroll = nullptr;
  for (QWidget* up = last.parentWidget(); up && !itemsScroll; up = up->parentWidget())
    itemsScroll = qobject_cast<QScrollArea*>(up);
  ASSERT_NE(itemsScroll, nullptr);
  itemsScroll->ensureWidgetVisible(&last);
  if (itemsScroll != column) column->ensureWidgetVisible(itemsScroll);
  QCoreApplication::processEvents();
  EXPECT_TRUE(globalRect(itemsScroll->viewport()).contains(globalRect(&last)));
  EXPECT_TRUE(viewport.intersects(globalRect(&last)));
}

TEST_F(MainWindowTest, TheActionsBarListsEveryCommandWithItsHint) {
  Start({});
  const struct {
    const char* caption;
    const char* hint;
  } commands[] = {{"Добавить статью", "Добавить статью"},
                  {"Редактировать статью", "Редактировать статью"},
                  {"Послать изменения производителю", "Послать изменения производителю"},
                  {"Показать сведения о программе", ""},
                  {"Другие программные продукты", ""},
                  {"Корванд в интернете", "Корванд в интернете"},
                  {"Форум Корванда", "Форум Корванда"},
                  {"Выход", "Выход"}};
  ASSERT_EQ(JvXPBar1()->ItemCount(), 8);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(JvXPBar1()->Item(i).text(), QString::fromUtf8(commands[i].caption));
    EXPECT_EQ(JvXPBar1()->Item(i).Hint(), QString::fromUtf8(commands[i].hint));
  }
  EXPECT_EQ(TBXPopupMenu1()->actions(), (QList<QAction*>{Action1(), Action2()}));
}

TEST_F(MainWindowTest, TheListBarHoldsTheStripBandAndTheGrid) {
  app::TForm1& form = Start({});
  EXPECT_FALSE(JvXPBar2()->Collapsible());
  EXPECT_EQ(Header(), ansi("Общие термины"));
  EXPECT_EQ(Edit1()->height(), 25);
  EXPECT_GE(JvXPBar2()->mapTo(&form, QPoint(0, 0)).x(), 253);
  EXPECT_EQ(DBGridEh1()->columnWidth(0), 250);
  EXPECT_EQ(DBGridEh1()->columnWidth(1), 305);
  EXPECT_GT(DBGridEh1()->height(), 400);
  EXPECT_EQ(DBGridEh1()->mapTo(&form, QPoint(0, 0)).y(), Edit1()->mapTo(&form, QPoint(0, 25)).y());
}

TEST(Splash, AFramelessPictureAboveOtherWindowsThatFreesItselfWhenClosed) {
  auto* splash = new app::TForm14;
  EXPECT_EQ(splash->size(), QSize(402, 294));
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(splash->testAttribute(Qt::WA_DeleteOnClose));
  auto* picture = splash->findChild<QLabel*>();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->pixmap().size(), QSize(402, 294));
  splash->close();
}

}  // namespace
}  // namespace app_tests
