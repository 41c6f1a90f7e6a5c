#pragma once
// While a transfer the person started runs on the event loop, the window it came from takes no
// input and the cursor says the program is busy; one lasting over half a second shows its progress
// with a Cancel that ends it like a failed request. All of it goes however the transfer ends.
#include <memory>

class QProgressDialog;
class QWidget;

namespace exchange {
class HttpClient;
}

namespace app {

class UserTransfer {
 public:
  UserTransfer(QWidget& window, exchange::HttpClient& client);
  ~UserTransfer();
  UserTransfer(const UserTransfer&) = delete;
  UserTransfer& operator=(const UserTransfer&) = delete;

 private:
  QWidget& window_;
  exchange::HttpClient& client_;
  bool wasEnabled_;
  std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace app
