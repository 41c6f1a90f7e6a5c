#include "app/TerminationWatch.h"

#include <QCoreApplication>

#include "platform/TerminationSignals.h"

namespace app {

TerminationWatch::TerminationWatch() {
  platform::CatchTerminationSignals([this] { End(); });
}

TerminationWatch::~TerminationWatch() { platform::ReleaseTerminationSignals(); }

void TerminationWatch::End() {
  requested_ = true;
  if (mainWindow_) mainWindow_->close();
  // Leaves modal dialogs and message boxes too: exit() ends every running event loop.
  QCoreApplication::exit(0);
}

}  // namespace app
