// Program entry: the splash first, then the main window; the message loop runs until the main
// window is closed.
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "app/HandbookApplication.h"
#include "app/QtMessageBoxes.h"
#include "app/QtTranslations.h"
#include "app/TForm1.h"
#include "app/TForm14.h"
#include "cards/TForm5.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"
#include "store/Database.h"
#include "text/MessageSink.h"
#include "text/TextUtilities.h"

namespace {

store::Database* openDatabase = nullptr;

// Qt ends the process with exit() when the display goes away. Commit and detach before the
// database engine's own exit handlers run: they must not meet an open attachment.
void CloseDatabaseAtExit() {
  if (openDatabase) openDatabase->Close();
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
  if (!HasDisplay()) {
    std::fputs("Korvand needs a display: set DISPLAY (or run it under xvfb-run).\n", stderr);
    return 1;
  }
  app::HandbookApplication application(argc, argv);
  app::InstallQtTranslations();
  app::QtMessageBoxes boxes;
  platform::InstallMessageBoxes(&boxes);
  text::SetMessageSink([](const std::string& message) { platform::Boxes().ShowMessage(message); });
  text::InitializeTextUtilities();

  auto* splash = new app::TForm14;
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();

  int exitCode = 0;
  {
    app::TForm1 form1(platform::ProgramFolder().string());
    form1.SetSplash(splash);
    openDatabase = &form1.IBDatabase1;
    std::atexit(CloseDatabaseAtExit);
    // The about window, the editor and the update report are created here, hidden, as they join.
    cards::TForm5 form5;
    form1.Form5 = &form5;
    QObject::connect(&form1, &app::TForm1::Closed, &application, &QCoreApplication::quit);
    form1.show();
    exitCode = application.exec();
    openDatabase = nullptr;
  }
  text::FinalizeTextUtilities();
  text::SetMessageSink({});
  platform::InstallMessageBoxes(nullptr);
  return exitCode;
}
