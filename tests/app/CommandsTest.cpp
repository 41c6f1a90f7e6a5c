// The outward links, the exit command, the Enter key of the search field and the error box for
// errors no handler catches.
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include <cstdlib>
#include <stdexcept>

#include "browse/TermGrid.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/Ansi.h"
#include "tests/support/UrlRecorder.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"
#include "widgets/KorSpeedButton.h"

namespace app_tests {
namespace {

using testing_support::ansi;
using testing_support::UrlRecorder;

TEST_F(MainWindowTest, TheLinksOpenTheProducersPagesAndTheLocalPage) {
  unsetenv("KORVAND_PRODUCER_URL");
  Start({});
  UrlRecorder browser;
  JvXPBar1()->Item(5).click();
  JvXPBar1()->Item(6).click();
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(400, 50), Image1()->mapToGlobal(QPointF(400, 50)),
                      Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(Image1(), &release);
  JvXPBar1()->Item(4).click();
  const QUrl localPage = QUrl::fromLocalFile(QString::fromStdString(ProgramFolder() + "html/index.html"));
  EXPECT_EQ(browser.opened, (QList<QUrl>{QUrl("http://korvand-med.ru/index.php?id=handbook"),
                                         QUrl("http://korvand-med.ru/forum"),
                                         QUrl("http://korvand-med.ru/index.php?id=handbook"), localPage}));
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
  app::TForm1& form = Start({});
  int closed = 0;
  QObject::connect(&form, &app::TForm1::Closed, [&] { ++closed; });
  JvXPBar1()->Item(7).click();
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(MainWindowTest, EnterInTheSearchFieldPressesTheSearchButtonAndNowhereElse) {
  app::TForm1& form = Start({});
  QApplication::setActiveWindow(&form);
  JvXPBarSearch()->SetCollapsed(false);
  int searches = 0;
  QObject::connect(KorSpeedButton1(), &QAbstractButton::clicked, [&] { ++searches; });
  auto pressEnter = [](QWidget* target) {
    target->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), target);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  };
  // The field is empty: the search asks for a longer text.
  boxes_.WillAnswer(platform::MessageAnswer::Ok);
  pressEnter(JvEdit1());
  EXPECT_EQ(searches, 1);
  pressEnter(DBGridEh1());
  EXPECT_EQ(searches, 1);
}

TEST(ErrorBox, AnErrorNoHandlerCatchesIsShownAndTheProgramGoesOn) {
  testing_support::ScriptedMessageBoxes boxes;
  bool later = false;
  QTimer::singleShot(0, [] { throw std::runtime_error(testing_support::ansi("Ошибка обработчика")); });
  QTimer::singleShot(0, [&] { later = true; });
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(boxes.Errors(), std::vector<std::string>{ansi("Ошибка обработчика")});
  EXPECT_TRUE(later);
}

}  // namespace
}  // namespace app_tests

