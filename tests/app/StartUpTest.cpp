// Creating the main window on a handbook: the category bar, the first term list, the timers, and
// a database that cannot be opened.
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <sys/wait.h>

#include <cstdlib>

#include "browse/TermGrid.h"
#include "store/Query.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/Ansi.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"

namespace app_tests {
namespace {

using testing_support::ansi;

TEST_F(MainWindowTest, FillsTheBarInSectionOrderAndListsSectionZeroByHeadword) {
  app::TForm1& form = Start({SectionLine(2, "Неврология"), SectionLine(0, "Разное  "),
                             SectionLine(1, "Кардиология"), Term(1, "Язва", 0), Term(2, "Анемия", 0),
                             Term(3, "Гастрит", 0), Term(4, "Аритмия", 1)});
  EXPECT_TRUE(boxes_.Shown().empty());
  ASSERT_EQ(JvXPBarCathegory()->ItemCount(), 3);
  const char* const captions[] = {"Разное", "Кардиология", "Неврология"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(JvXPBarCathegory()->Item(i).text(), QString::fromUtf8(captions[i]));
    EXPECT_EQ(JvXPBarCathegory()->Item(i).Tag(), i);
  }
  EXPECT_EQ(GridHeadwords(), (std::vector<std::string>{ansi("Анемия"), ansi("Гастрит"), ansi("Язва")}));
  EXPECT_EQ(DBGridEh1()->CurrentRow(), 0);
  EXPECT_EQ(Header(), ansi("Общие термины"));  // whatever section 0 is called
  EXPECT_EQ(handbook_.FCurrentSection, 0);
  EXPECT_EQ(handbook_.FOpenCards, 0);
  EXPECT_FALSE(handbook_.FAddIfNotFound);
  EXPECT_TRUE(form.KeyPreview());
  EXPECT_FALSE(handbook_.IBQuery1.IsOpen());
}

TEST_F(MainWindowTest, NoSectionsGiveAnEmptyBarAndSectionZeroIsStillListed) {
  Start({Term(1, "Анемия", 0), Term(2, "Аритмия", 1)});
  EXPECT_TRUE(boxes_.Shown().empty());
  EXPECT_EQ(JvXPBarCathegory()->ItemCount(), 0);
  EXPECT_EQ(GridHeadwords(), std::vector<std::string>{ansi("Анемия")});
}

TEST_F(MainWindowTest, ADatabaseThatCannotBeOpenedGivesTheErrorBoxAndAnEmptyWorkingWindow) {
  app::TForm1& form = StartWithoutDatabase();
  ASSERT_EQ(boxes_.Errors().size(), 1u);
  EXPECT_EQ(boxes_.Errors()[0].rfind(ansi("Не удалось открыть справочник " + DatabaseFile() + ": файл не найден.\n"), 0), 0u)
      << "the file and the first attempt's cause come first: " << boxes_.Errors()[0];
  EXPECT_EQ(JvXPBarCathegory()->ItemCount(), 0);
  EXPECT_EQ(DBGridEh1()->model()->rowCount(), 0);
  EXPECT_FALSE(form.KeyPreview());

  // Still a window: keys and the timers do what they do, nothing more.
  PressInGrid(Qt::Key_Delete, Qt::ControlModifier);
  int checks = 0;
  form.UpdateCheckHook = [&] { ++checks; };
  form.Timer1Timer();
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(boxes_.Shown().size(), 1u);
  bool closed = false;
  QObject::connect(&form, &app::TForm1::Closed, [&] { closed = true; });
  JvXPBar1()->Item(7).click();
  EXPECT_TRUE(closed);
}

TEST_F(MainWindowTest, ClosingTheWindowCommitsWhatIsStillOpen) {
  app::TForm1& form = Start({SectionLine(0, "Общие термины"), Term(1, "Анемия", 0)});
  handbook_.IBSQL1.SetSQL("insert into EUPHEMIZMS (EUPHEMIZM, DESCRIPTION, SECTION_UID) values (\"" + ansi("Бронхит") +
                     "\", \"x\", 0)");
  handbook_.IBSQL1.ExecQuery();
  form.close();
  form_.reset();
  handbook_.CloseDatabase();  // as the program does once its windows are gone
  StartWithoutDatabase();
  EXPECT_EQ(GridHeadwords(), (std::vector<std::string>{ansi("Анемия"), ansi("Бронхит")}));
}

TEST(Program, WithoutADisplaySaysSoAndEndsWithAnError) {
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" KORVAND_EXECUTABLE
                              "' 2>&1 >/dev/null | grep -q 'needs a display'";
  EXPECT_EQ(std::system(command.c_str()), 0) << "no message";
  const int status = std::system("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" KORVAND_EXECUTABLE
                                 "' >/dev/null 2>&1");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

TEST_F(MainWindowTest, TheFirstTickClosesTheSplashOnceAndEveryTickChecksForUpdates) {
  QPointer<QWidget> splash = new QWidget;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
  app::TForm1& form = Start({SectionLine(0, "Общие термины")}, splash);
  EXPECT_TRUE(Timer1()->isActive());
  EXPECT_EQ(Timer1()->interval(), 3000);
  EXPECT_TRUE(Timer2()->isActive());
  EXPECT_EQ(Timer2()->interval(), 3600000);

  int checks = 0;
  form.UpdateCheckHook = [&] {
    EXPECT_FALSE(splash && splash->isVisible()) << "the splash must be gone before the check";
    ++checks;
  };
  form.Timer1Timer();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(splash.isNull());
  EXPECT_FALSE(Timer1()->isActive());
  EXPECT_EQ(checks, 1);
  form.Timer2Timer();
  EXPECT_EQ(checks, 2);
  EXPECT_TRUE(Timer2()->isActive());
}

}  // namespace
}  // namespace app_tests
