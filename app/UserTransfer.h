#pragma once
// While a transfer the person started runs on the event loop, the window it came from takes no
// input and the cursor says the program is busy; both come back however the transfer ends.
class QWidget;

namespace app {

class UserTransfer {
 public:
  explicit UserTransfer(QWidget& window);
  ~UserTransfer();
  UserTransfer(const UserTransfer&) = delete;
  UserTransfer& operator=(const UserTransfer&) = delete;

 private:
  QWidget& window_;
  bool wasEnabled_;
};

}  // namespace app
