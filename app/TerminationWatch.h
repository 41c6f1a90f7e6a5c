#pragma once
// Ends the program on SIGTERM, SIGINT and SIGHUP the way "Выход" does: the main window closes,
// every event loop returns, and the handbook commits as it goes. A signal that comes before the
// main window is shown (during a start-up error, say) keeps it from being shown at all.
#include <QPointer>
#include <QWidget>

namespace app {

class TerminationWatch {
 public:
  TerminationWatch();
  ~TerminationWatch();
  TerminationWatch(const TerminationWatch&) = delete;
  TerminationWatch& operator=(const TerminationWatch&) = delete;

  // The window whose closing ends the program.
  void Watch(QWidget& mainWindow) { mainWindow_ = &mainWindow; }
  bool Requested() const { return requested_; }

 private:
  void End();

  QPointer<QWidget> mainWindow_;
  bool requested_ = false;
};

}  // namespace app
