// Every modal window of the program comes up above the stay-on-top cards and takes the keyboard,
// under a real window manager: a box hidden under a card would leave the window seemingly frozen.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <sstream>
#include <vector>

#include "app/QtMessageBoxes.h"
#include "cards/TForm4.h"
#include "cards/TForm5.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/desktop/DesktopSession.h"

namespace {

using app_tests::SectionLine;
using desktop_testing::RunCommand;

// Window ids listed by a root window property, bottom to top for the stacking list.
std::vector<unsigned long> RootWindows(const char* property) {
  const std::string line = RunCommand(std::string("xprop -root ") + property);
  std::vector<unsigned long> ids;
  const std::size_t list = line.find('#');
  if (list == std::string::npos) return ids;
  std::istringstream words(line.substr(list + 1));
  std::string word;
  while (words >> word) {
    if (word.back() == ',') word.pop_back();
    ids.push_back(std::stoul(word, nullptr, 16));
  }
  return ids;
}

bool Above(unsigned long upper, unsigned long lower) {
  const std::vector<unsigned long> stack = RootWindows("_NET_CLIENT_LIST_STACKING");
  const auto at = [&](unsigned long id) { return std::find(stack.begin(), stack.end(), id) - stack.begin(); };
  return at(upper) < static_cast<long>(stack.size()) && at(lower) < static_cast<long>(stack.size()) &&
         at(upper) > at(lower);
}

bool Active(unsigned long id) {
  const std::vector<unsigned long> active = RootWindows("_NET_ACTIVE_WINDOW");
  return !active.empty() && active.front() == id;
}

class ModalAboveCardsTest : public app_tests::MainWindowTest {
 protected:
  ModalAboveCardsTest() { previous_ = platform::InstallMessageBoxes(&real_); }
  ~ModalAboveCardsTest() override { platform::InstallMessageBoxes(previous_); }

  // Opens the grid's current article in a card and waits until the window manager shows it.
  cards::TForm4& OpenCard(app::TForm1& form) {
    form.DBGridEh1DblClick();
    cards::TForm4* card = form.CurrentCard();
    EXPECT_NE(card, nullptr);
    WaitUntilActive(*card);
    return *card;
  }

  // As the person clicking back into the main window, to type a search there.
  static void WaitUntilActive(QWidget& window) {
    // Asked again now and then: on a busy machine a window mapped just before may take it back.
    for (int i = 0; i < 300 && !Active(window.winId()); ++i) {
      if (i % 25 == 0) RunCommand("xdotool windowactivate " + std::to_string(window.winId()));
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_TRUE(Active(window.winId()));
  }

  // While the next modal window is up: waits until it stands above `card` and has the keyboard,
  // then lets the person act through the X server. Gives up after a while, so a box hidden for
  // good fails the test instead of hanging it.
  void WhenModalIsUp(const QWidget& card, std::function<void(QWidget&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, [this, poll, &card, act, tries = 0]() mutable {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      const bool ready = modal->isVisible() && Above(modal->winId(), card.winId()) && Active(modal->winId());
      if (!ready && ++tries < 200) return;
      poll->stop();
      poll->deleteLater();
      seenAbove_ = ready;
      if (ready) {
        act(*modal);
      } else {
        modal->close();
      }
    });
    poll->start();
  }

  app::QtMessageBoxes real_;
  platform::MessageBoxes* previous_ = nullptr;
  bool seenAbove_ = false;
};

TEST_F(ModalAboveCardsTest, AMessageWithACardOpenIsSeenAndAnsweredFromTheKeyboard) {
  app::TForm1& form = Start({SectionLine(0, "Общие термины"), app_tests::Term(1, "Анемия", 0)});
  QApplication::processEvents();
  cards::TForm4& card = OpenCard(form);
  ASSERT_TRUE(card.isVisible());
  WaitUntilActive(form);

  JvEdit1()->setText(QStringLiteral("ан"));  // too short: the search says so in a box
  bool answered = false;
  WhenModalIsUp(card, [&](QWidget&) {
    answered = true;
    RunCommand("xdotool key Return");
  });
  form.KorSpeedButton1Click();
  EXPECT_TRUE(seenAbove_) << "the box stayed under the card or without the keyboard";
  EXPECT_TRUE(answered);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ModalAboveCardsTest, TheEditorOpenedFromACardIsAboveItAndTakesTheTyping) {
  app::TForm1& form = Start({SectionLine(0, "Общие термины"), app_tests::Term(1, "Анемия", 0)});
  cards::TForm5 editor(handbook_);
  form.SetEditor(&editor);
  QApplication::processEvents();
  cards::TForm4& card = OpenCard(form);

  QString typed;
  WhenModalIsUp(card, [&](QWidget& modal) {
    RunCommand("xdotool type --delay 20 xyz");
    QApplication::processEvents(QEventLoop::AllEvents, 200);
    typed = modal.findChildren<QLineEdit*>().value(0)->text();
    RunCommand("xdotool key Escape");
  });
  card.Action5Execute();  // the card's own "Редактировать статью"
  EXPECT_TRUE(seenAbove_) << "the editor stayed under the card or without the keyboard";
  EXPECT_TRUE(typed.endsWith(QStringLiteral("xyz"))) << typed.toStdString();
  EXPECT_FALSE(editor.isVisible());
}

}  // namespace
