#pragma once
// While a question or a report waits for the person, the pointer is an arrow, even when a
// transfer they started shows the busy cursor over the program.
#include <QApplication>
#include <QCursor>

namespace app {

class ArrowWhileAsking {
 public:
  ArrowWhileAsking() : busy_(QApplication::overrideCursor() != nullptr) {
    if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowWhileAsking() {
    if (busy_) QApplication::restoreOverrideCursor();
  }
  ArrowWhileAsking(const ArrowWhileAsking&) = delete;
  ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

 private:
  bool busy_;
};

}  // namespace app
