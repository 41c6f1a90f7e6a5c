// The update report: its frame and controls, the titles in the order given, and closing it.
#include "app/TForm2.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "tests/support/Ansi.h"

namespace {

using testing_support::ansi;

QStringList Titles(const app::TForm2& report) {
  QStringList titles;
  const auto* list = report.findChild<QListWidget*>(QStringLiteral("ListBox1"));
  for (int row = 0; row < list->count(); ++row) titles << list->item(row)->text();
  return titles;
}

TEST(ReportWindow, AFixedStayOnTopDialogWithItsListAndOkButton) {
  app::TForm2 report;
  EXPECT_EQ(report.windowTitle(), QStringLiteral("Список новых и обновленных записей"));
  EXPECT_EQ(report.size(), QSize(419, 332));
  EXPECT_EQ(report.minimumSize(), report.maximumSize());
  EXPECT_TRUE(report.windowFlags() & Qt::WindowStaysOnTopHint);
  const auto* list = report.findChild<QListWidget*>(QStringLiteral("ListBox1"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->geometry(), QRect(22, 24, 375, 241));
  EXPECT_FALSE(list->isSortingEnabled());
  const auto* ok = report.findChild<QPushButton*>(QStringLiteral("Button1"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  EXPECT_EQ(ok->geometry(), QRect(322, 288, 75, 25));
  EXPECT_TRUE(ok->isDefault());
}

TEST(ReportWindow, ListsTheTitlesInTheOrderGivenUntilCleared) {
  app::TForm2 report;
  report.AddTitles({ansi("Язва"), ansi("Анемия")});
  report.AddTitles({ansi("Гастрит")});
  EXPECT_EQ(Titles(report), (QStringList{QStringLiteral("Язва"), QStringLiteral("Анемия"), QStringLiteral("Гастрит")}));
  report.ClearTitles();
  EXPECT_TRUE(Titles(report).isEmpty());
}

TEST(ReportWindow, EnterAndEscCloseIt) {
  for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
    app::TForm2 report;
    bool shown = false;
    QTimer::singleShot(0, [&] {
      shown = report.isVisible();
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QApplication::sendEvent(report.focusWidget() ? report.focusWidget() : &report, &press);
    });
    QTimer::singleShot(5000, &report, &QDialog::reject);  // a key that did nothing fails below
    report.ShowModal();
    EXPECT_TRUE(shown) << key;
    EXPECT_FALSE(report.isVisible()) << key;
  }
}

}  // namespace
