// Shell open and the clipboard, through the real Qt desktop services on the offscreen platform.
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

#include "platform/Clipboard.h"
#include "platform/ShellOpen.h"
#include "tests/support/Ansi.h"
#include "tests/support/UrlRecorder.h"

namespace {

using testing_support::ansi;
using testing_support::UrlRecorder;

TEST(ShellOpen, HandsAddressesAndLocalFilesToTheDesktop) {
  UrlRecorder recorder;
  platform::ShellOpen("http://korvand-med.ru/index.php?id=handbook");
  platform::ShellOpen("mailto:support@korvand-med.ru");
  platform::ShellOpen(ansi("/home/user/Документы/html/index.html"));
  platform::ShellOpen("");
  ASSERT_EQ(recorder.opened.size(), 3);
  EXPECT_EQ(recorder.opened[0].toString(), "http://korvand-med.ru/index.php?id=handbook");
  EXPECT_EQ(recorder.opened[1].toString(), "mailto:support@korvand-med.ru");
  EXPECT_TRUE(recorder.opened[2].isLocalFile());
  EXPECT_EQ(recorder.opened[2].toLocalFile(), QString::fromUtf8("/home/user/Документы/html/index.html"));
}

TEST(Clipboard, CarriesWindows1251TextAsUnicode) {
  platform::CopyTextToClipboard(ansi("Гастрит — воспаление"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Гастрит — воспаление"));
  EXPECT_EQ(platform::ReadClipboardText(), ansi("Гастрит — воспаление"));
  QGuiApplication::clipboard()->setText(QString::fromUtf8("стрелка → сюда"));
  EXPECT_EQ(platform::ReadClipboardText(), ansi("стрелка ? сюда"));
}

}  // namespace

