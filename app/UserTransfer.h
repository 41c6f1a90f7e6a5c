#pragma once
// While a transfer the person started runs on the event loop, the window it came from takes no
// input and the cursor says the program is busy; once a request has run for half a second its
// progress shows, with a Cancel that ends it like a failed request. All of it goes however the
// transfer ends; the questions and messages around the requests show no progress.
#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
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
  void Watch();
  void Show(std::int64_t received, std::int64_t total);

  QWidget& window_;
  exchange::HttpClient& client_;
  bool wasEnabled_;
  QTimer watch_;
  QElapsedTimer requestRunning_;
  std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace app
