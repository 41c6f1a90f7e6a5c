#pragma once
// While a transfer the person started or agreed to runs on the event loop, the window it came from
// takes no input and the cursor says the program is busy; once a request has run for half a second
// its progress shows, with a Cancel that ends it like a failed request, and an update that takes
// as long to apply shows how many of its terms are in. All of it goes however the transfer ends;
// the questions and messages around the requests show no progress.
#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
#include <memory>

#include "core/TransferFeedback.h"

class QProgressDialog;
class QWidget;

namespace exchange {
class HttpClient;
}

namespace app {

class UserTransfer : public core::TransferFeedback {
 public:
  UserTransfer(QWidget& window, exchange::HttpClient& client);
  ~UserTransfer() override;
  UserTransfer(const UserTransfer&) = delete;
  UserTransfer& operator=(const UserTransfer&) = delete;

  void TermsApplied(std::size_t applied, std::size_t all) override;

 private:
  void Watch();
  QProgressDialog& Progress();

  QWidget& window_;
  exchange::HttpClient& client_;
  bool wasEnabled_;
  QTimer watch_;
  QElapsedTimer requestRunning_;
  QElapsedTimer applying_;
  QElapsedTimer lastShownApplied_;
  bool appliedAtOnce_ = false;
  std::int64_t received_ = 0;
  std::int64_t total_ = -1;
  std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace app
