// How the program ends and starts when things go their own way: a termination signal in any
// state, and the first tick of Timer1 arriving while a start-up error is still on screen.
#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <csignal>

#include "app/TerminationWatch.h"
#include "store/Query.h"
#include "tests/app/SearchWindowFixture.h"
#include "tests/support/Ansi.h"

namespace app_tests {
namespace {

using testing_support::ansi;

using Handler = void (*)(int);

Handler CurrentHandler(int signal) {
  struct sigaction action {};
  sigaction(signal, nullptr, &action);
  return action.sa_handler;
}

app::TForm1* MainWindowBeingBuilt() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* form = qobject_cast<app::TForm1*>(window)) return form;
  return nullptr;
}

TEST_F(SearchWindowTest, ATerminationSignalEndsTheProgramAsExitDoesEvenWithTheEditorOpen) {
  app::TerminationWatch termination;
  const Handler ours = CurrentHandler(SIGTERM);
  app::TForm1& form = StartSearching({SectionLine(0, "Общие термины"), Term(1, "Анемия", 0)});
  termination.Watch(form);
  // The database client library sets its own on the first attach; the program takes them back.
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) EXPECT_EQ(CurrentHandler(signal), ours) << signal;
  QObject::connect(&form, &app::TForm1::Closed, qApp, &QCoreApplication::quit);
  handbook_.IBSQL1.SetSQL("insert into EUPHEMIZMS (EUPHEMIZM, DESCRIPTION, SECTION_UID) values (\"" + ansi("Бронхит") +
                          "\", \"x\", 0)");
  handbook_.IBSQL1.ExecQuery();

  bool editorWasUp = false;
  QTimer::singleShot(0, &form, [&] {
    QTimer::singleShot(0, [&] {
      editorWasUp = editor_.isVisible();
      std::raise(SIGTERM);
    });
    form.Action1Execute();
  });
  bool stuck = false;
  // Bound to the test: left running, it would end the event loops of whatever test runs twenty
  // seconds later (under the sanitizers, the message boxes after the exchange tests).
  QObject testScope;
  QTimer::singleShot(20000, &testScope, [&] {
    stuck = true;
    QCoreApplication::exit(1);
  });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  ASSERT_FALSE(stuck) << "the signal did not end the event loops";

  EXPECT_TRUE(editorWasUp);
  EXPECT_TRUE(termination.Requested());
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(editor_.isVisible());
  // The database client library did not shut the attachment down underneath the program.
  handbook_.IBQuery1.SetSQL("select count(*) from EUPHEMIZMS");
  EXPECT_NO_THROW(handbook_.IBQuery1.Open());

  form_.reset();
  handbook_.CloseDatabase();
  store::Database reopened;
  reopened.Open(DatabaseFile());
  store::Query terms(reopened);
  terms.SetSQL("select EUPHEMIZM from EUPHEMIZMS order by EUPHEMIZM");
  terms.Open();
  EXPECT_EQ(terms.RecordCount(), 2) << "the work of the run was committed";
}

TEST_F(MainWindowTest, ASignalDuringTheStartUpErrorKeepsTheWindowFromBeingShown) {
  app::TerminationWatch termination;
  boxes_.WhileShown([] {
    std::raise(SIGTERM);
    QCoreApplication::processEvents();
  });
  StartWithoutDatabase();
  ASSERT_EQ(boxes_.Errors().size(), 1u);
  EXPECT_TRUE(termination.Requested());
  // The program would end here; the tests go on, so the request to leave every event loop is
  // spent the way the program's own loop spends it.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
}

TEST_F(MainWindowTest, TheSplashClosesWhenTheFirstTickComesWhileTheStartUpErrorIsShown) {
  QPointer<QWidget> splash = new QWidget;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
  int ticks = 0;
  boxes_.WhileShown([&] {
    app::TForm1* form = MainWindowBeingBuilt();
    ASSERT_NE(form, nullptr);
    form->Timer1Timer();
    ++ticks;
  });
  StartWithoutDatabase(splash);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(splash.isNull());
}

}  // namespace
}  // namespace app_tests
