#include "app/UserTransfer.h"

#include <QApplication>
#include <QProgressDialog>
#include <QWidget>

#include <algorithm>

#include "exchange/HttpClient.h"

namespace app {
namespace {

constexpr int kShowAfterMs = 500;
// Telling the dialog lets events through, so it is told no more often than this.
constexpr int kAppliedEveryMs = 50;

int Clamped(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, 0, 1 << 30)); }

}  // namespace

UserTransfer::UserTransfer(QWidget& window, exchange::HttpClient& client)
    : window_(window), client_(client), wasEnabled_(window.isEnabled()) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  window_.setEnabled(false);
  // The request runs its own event loop, so this ticks while it runs.
  watch_.setInterval(100);
  QObject::connect(&watch_, &QTimer::timeout, [this] { Watch(); });
  watch_.start();
  // Called inside the client's transfer: only noted here, shown by Watch from the event loop.
  client_.SetProgress([this](std::int64_t received, std::int64_t total) {
    received_ = received;
    total_ = total;
  });
}

UserTransfer::~UserTransfer() {
  client_.SetProgress({});
  progress_.reset();
  window_.setEnabled(wasEnabled_);
  QApplication::restoreOverrideCursor();
}

void UserTransfer::Watch() {
  if (!client_.Busy()) {
    requestRunning_.invalidate();
    if (progress_ && !applying_.isValid()) progress_->hide();
    return;
  }
  if (!requestRunning_.isValid()) requestRunning_.start();
  if (progress_ && progress_->isVisible()) {
    // Bytes of the server's length when it gives one; a busy bar when not.
    progress_->setMaximum(total_ > 0 ? Clamped(total_) : 0);
    progress_->setValue(Clamped(received_));
  }
  if (requestRunning_.elapsed() < kShowAfterMs || (progress_ && progress_->isVisible())) return;
  QProgressDialog& progress = Progress();
  progress.setLabelText(QString());
  progress.setCancelButtonText(QStringLiteral("Отмена"));
  progress.show();
}

void UserTransfer::TermsApplied(std::size_t applied, std::size_t all) {
  if (applied == 0) {
    applying_.start();
    lastShownApplied_.invalidate();
    // A download long enough to show its progress goes on into the terms without a gap.
    appliedAtOnce_ = progress_ && progress_->isVisible();
  }
  const bool last = applied == all;
  if (!applying_.isValid() || (!appliedAtOnce_ && applying_.elapsed() < kShowAfterMs)) return;
  if (!last && lastShownApplied_.isValid() && lastShownApplied_.elapsed() < kAppliedEveryMs) return;
  lastShownApplied_.start();
  QProgressDialog& progress = Progress();
  // The terms go in on this thread; stopping half-way would leave half an update.
  progress.setCancelButton(nullptr);
  progress.setLabelText(QStringLiteral("Обновлено записей: %1 из %2").arg(applied).arg(all));
  progress.setMaximum(Clamped(static_cast<std::int64_t>(all)));
  progress.show();
  progress.setValue(Clamped(static_cast<std::int64_t>(applied)));
  if (last) {
    applying_.invalidate();
    progress.hide();
  }
}

QProgressDialog& UserTransfer::Progress() {
  if (!progress_) {
    // Above the cards like every modal window of the program.
    progress_ = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Отмена"), 0, 0, nullptr,
                                                  Qt::Dialog | Qt::WindowStaysOnTopHint);
    progress_->setObjectName(QStringLiteral("TransferProgress"));
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    QObject::connect(progress_.get(), &QProgressDialog::canceled, [this] { client_.Cancel(); });
  }
  return *progress_;
}

}  // namespace app
