#include "app/UserTransfer.h"

#include <QApplication>
#include <QProgressDialog>
#include <QWidget>

#include <algorithm>

#include "exchange/HttpClient.h"

namespace app {

UserTransfer::UserTransfer(QWidget& window, exchange::HttpClient& client)
    : window_(window), client_(client), wasEnabled_(window.isEnabled()) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  window_.setEnabled(false);
  // Shown by Qt itself once the transfer has lasted half a second; above the cards like every
  // modal window of the program.
  progress_ = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Отмена"), 0, 0, nullptr,
                                                Qt::Dialog | Qt::WindowStaysOnTopHint);
  progress_->setObjectName(QStringLiteral("TransferProgress"));
  progress_->setWindowModality(Qt::ApplicationModal);
  progress_->setMinimumDuration(500);
  progress_->setAutoReset(false);
  progress_->setAutoClose(false);
  progress_->setValue(0);
  QObject::connect(progress_.get(), &QProgressDialog::canceled, [this] { client_.Cancel(); });
  client_.SetProgress([this](std::int64_t received, std::int64_t total) {
    // Bytes of the server's length when it gives one; a busy bar when not.
    progress_->setMaximum(total > 0 ? static_cast<int>(std::min<std::int64_t>(total, 1 << 30)) : 0);
    progress_->setValue(static_cast<int>(std::min<std::int64_t>(received, 1 << 30)));
  });
}

UserTransfer::~UserTransfer() {
  client_.SetProgress({});
  progress_.reset();
  window_.setEnabled(wasEnabled_);
  QApplication::restoreOverrideCursor();
}

}  // namespace app
