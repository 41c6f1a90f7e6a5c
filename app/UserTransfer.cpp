#include "app/UserTransfer.h"

#include <QApplication>
#include <QWidget>

namespace app {

UserTransfer::UserTransfer(QWidget& window) : window_(window), wasEnabled_(window.isEnabled()) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  window_.setEnabled(false);
}

UserTransfer::~UserTransfer() {
  window_.setEnabled(wasEnabled_);
  QApplication::restoreOverrideCursor();
}

}  // namespace app
