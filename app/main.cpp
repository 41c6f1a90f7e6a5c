// Program entry: the handbook's state first, then the splash and the main window; the message loop
// runs until the main window is closed, by the user or by a termination signal.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPointer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/HandbookApplication.h"
#include "app/QtMessageBoxes.h"
#include "app/QtTranslations.h"
#include "app/TForm1.h"
#include "app/TForm14.h"
#include "app/TForm2.h"
#include "app/StartCheck.h"
#include "app/TForm3.h"
#include "app/TerminationWatch.h"
#include "cards/TForm5.h"
#include "core/Handbook.h"
#include "platform/Folders.h"
#include "platform/HandbookFiles.h"
#include "platform/MessageBoxes.h"
#include "platform/TerminationSignals.h"
#include "text/MessageSink.h"
#include "text/TextUtilities.h"

namespace {

core::Handbook* openHandbook = nullptr;

// Qt ends the process with exit() when the display goes away. Commit and detach before the
// database engine's own exit handlers run: they must not meet an open attachment.
void CloseDatabaseAtExit() {
  if (openHandbook) openHandbook->CloseDatabase();
}

// Qt aborts when it finds no display, so look before it does.
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string programName = argc > 0 && argv[0] ? argv[0] : "korvand";
  const app::CommandLine commandLine = app::ParseCommandLine(std::vector<std::string>(argv + (argc > 0), argv + argc));
  switch (commandLine.action) {
    case app::CommandLine::Action::Help:
      std::fputs(app::HelpText(programName).c_str(), stdout);
      return 0;
    case app::CommandLine::Action::Version:
      std::fputs(app::VersionText().c_str(), stdout);
      return 0;
    case app::CommandLine::Action::Mistake:
      std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", programName.c_str(), commandLine.mistake.c_str(),
                   programName.c_str());
      return 2;
    case app::CommandLine::Action::Run:
      break;
  }
  if (!HasDisplay()) {
    std::fputs("Korvand needs a display: set DISPLAY (or run it under xvfb-run).\n", stderr);
    return 1;
  }
  // Until the first attach has put the program's handlers back (core::Handbook::OpenDatabase):
  // blocked here, before anything starts a thread, so that no thread takes a signal meanwhile.
  platform::BlockTerminationSignals();
  const platform::HandbookFiles files = platform::SettleHandbookFiles(platform::ProgramFolder(), text::UserDataFolder());
  core::Handbook handbook(files.databaseFolder.string(), files.pageFolder.string());

  app::HandbookApplication application(argc, argv);
  QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/korvand/emblem.svg")));
  // Desktops match the windows to the installed desktop entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("ru.korvand_med.Handbook"));
  app::InstallQtTranslations();
  app::QtMessageBoxes boxes;
  // A check has nobody to answer a box: its messages go to the standard error stream.
  if (!commandLine.checkStart) platform::InstallMessageBoxes(&boxes);
  text::SetMessageSink([](const std::string& message) { platform::Boxes().ShowMessage(message); });
  text::InitializeTextUtilities();

  app::TerminationWatch termination;

  auto* splash = new app::TForm14;
  // The splash frees itself when it closes on the first tick; a program ended before that tick
  // (a signal, "Выход" within three seconds) frees it below.
  const QPointer<QWidget> splashLeft(splash);
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();

  int exitCode = 0;
  {
    app::TForm1 form1(handbook, splash);
    termination.Watch(form1);
    // After the first attach, so that this runs before the engine's own exit handlers.
    openHandbook = &handbook;
    std::atexit(CloseDatabaseAtExit);
    // The producer's editors ask for the editorial tools on the command line.
    if (commandLine.editorTools) form1.ShowEditorTools();
    app::TForm3 form3;
    form1.SetAbout(&form3);
    cards::TForm5 form5(handbook);
    form1.SetEditor(&form5);
    app::TForm2 form2;
    form1.SetReport(&form2);
    QObject::connect(&form1, &app::TForm1::Closed, &application, &QCoreApplication::quit);
    if (commandLine.checkStart) app::ScheduleStartCheck(form1, form5, commandLine.checkAddHeadword, stdout);
    if (!termination.Requested()) {
      form1.show();
      exitCode = application.exec();
    }
  }
  delete splashLeft.data();
  handbook.CloseDatabase();
  openHandbook = nullptr;
  text::FinalizeTextUtilities();
  text::SetMessageSink({});
  platform::InstallMessageBoxes(nullptr);
  return exitCode;
}
