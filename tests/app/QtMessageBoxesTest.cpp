// The real message windows: captions, icons and buttons, answered by pressing a button in them.
#include "app/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QCursor>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/TForm2.h"
#include "platform/ApplicationTitle.h"
#include "platform/QtText.h"
#include "tests/support/Ansi.h"

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using testing_support::ansi;

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Presses `button` in the next message window as soon as it is up, and tells what it showed.
SeenBox AnswerNextBox(QMessageBox::StandardButton button, const std::function<void()>& show) {
  SeenBox seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    box->button(button)->click();
  });
  show();
  return seen;
}

TEST(QtMessageBoxes, PlainMessageAndErrorBoxCarryTheApplicationTitle) {
  app::QtMessageBoxes boxes;
  const QString title = platform::ToQString(platform::ApplicationTitle());
  SeenBox plain = AnswerNextBox(QMessageBox::Ok, [&] { boxes.ShowMessage(ansi("Не найдено ни одной записи")); });
  EXPECT_EQ(plain.title, title);
  EXPECT_EQ(plain.text, "Не найдено ни одной записи");
  EXPECT_EQ(plain.icon, QMessageBox::NoIcon);
  EXPECT_EQ(plain.buttons, QMessageBox::Ok);

  SeenBox error = AnswerNextBox(QMessageBox::Ok, [&] { boxes.ShowError("List index out of bounds (12)"); });
  EXPECT_EQ(error.title, title);
  EXPECT_EQ(error.icon, QMessageBox::Critical);
  EXPECT_EQ(error.buttons, QMessageBox::Ok);
}

TEST(QtMessageBoxes, QuestionsReturnTheButtonPressed) {
  app::QtMessageBoxes boxes;
  const struct {
    MessageButtons buttons;
    QMessageBox::StandardButton pressed;
    MessageAnswer answer;
  } table[] = {{MessageButtons::OkCancel, QMessageBox::Ok, MessageAnswer::Ok},
               {MessageButtons::OkCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
               {MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes},
               {MessageButtons::YesNo, QMessageBox::No, MessageAnswer::No}};
  for (const auto& row : table) {
    MessageAnswer answer = MessageAnswer::Ok;
    const SeenBox seen = AnswerNextBox(row.pressed, [&] {
      answer = boxes.Ask(ansi("Скачать?"), ansi("Скачать обновления?"), row.buttons, MessageIcon::Question);
    });
    EXPECT_EQ(answer, row.answer);
    EXPECT_EQ(seen.title, "Скачать обновления?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
  }
}

// A reply the count request took (up to 64 KB) goes into the offer as it came: the box keeps the
// whole text but no more of the screen than there is, with its buttons on it.
TEST(QtMessageBoxes, ATextTallerThanTheScreenIsCutWithTheButtonsKeptOnIt) {
  app::QtMessageBoxes boxes;
  std::string text;
  while (text.size() < 60000) text += "12|3456 <html><body>Server error page</body></html>\n";
  for (const std::string& shown : {text, std::string(6000, '7')}) {  // lines, and one word too long to wrap
    QRect available;
    QRect frame;
    QRect yes;
    QString seenText;
    // Laying out so long a text takes its time: the box is looked for until it is up.
    QTimer poll;
    poll.start(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      poll.stop();
      available = box->screen()->availableGeometry();
      frame = box->frameGeometry();
      yes = QRect(box->button(QMessageBox::Yes)->mapToGlobal(QPoint(0, 0)), box->button(QMessageBox::Yes)->size());
      seenText = box->text();
      box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(boxes.Ask(shown, "", MessageButtons::YesNo, MessageIcon::None), MessageAnswer::Yes);
    EXPECT_EQ(seenText, QString::fromLatin1(shown));
    EXPECT_TRUE(available.contains(frame)) << "frame " << frame.x() << "," << frame.y() << " " << frame.width()
                                           << "x" << frame.height();
    EXPECT_TRUE(available.contains(yes)) << "Yes at " << yes.y();
  }
}

// The database error comes up while the splash is the active window, and the splash frees itself
// when it closes three seconds after start: the box must outlive it.
TEST(QtMessageBoxes, ABoxOutlivesTheSelfFreeingWindowThatWasActiveWhenItCameUp) {
  auto* splash = new QWidget(nullptr, Qt::SplashScreen);
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
  splash->activateWindow();
  QApplication::setActiveWindow(splash);
  QPointer<QWidget> watched(splash);
  bool boxSurvived = false;
  QTimer::singleShot(0, [&] {
    splash->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    boxSurvived = box && box->isVisible();
    if (box) box->button(QMessageBox::Ok)->click();
  });
  app::QtMessageBoxes boxes;
  boxes.ShowMessage("database error");
  EXPECT_TRUE(watched.isNull()) << "the splash freed itself";
  EXPECT_TRUE(boxSurvived);
}

// A transfer the person started shows the busy cursor over the program; its questions and the
// report of what came in wait for the person, so they show the arrow, and the busy cursor returns.
TEST(QtMessageBoxes, QuestionsAndTheReportShowTheArrowDuringABusyTransfer) {
  app::QtMessageBoxes boxes;
  app::TForm2 report;
  const std::pair<const char*, std::function<void()>> windows[] = {
      {"box", [&] { boxes.Ask("Скачать?", "", MessageButtons::YesNo, MessageIcon::None); }},
      {"report", [&] { report.ShowModal(); }},
  };
  for (const auto& [name, show] : windows) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape whileAsking = Qt::WaitCursor;
    QTimer::singleShot(0, [&] {
      whileAsking = QApplication::overrideCursor()->shape();
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    show();
    EXPECT_EQ(whileAsking, Qt::ArrowCursor) << name;
    ASSERT_NE(QApplication::overrideCursor(), nullptr) << name;
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor) << name;
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << name;
  }
}

}  // namespace
