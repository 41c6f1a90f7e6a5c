#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may do almost nothing: it writes one byte, the event loop does the rest.
int wakeUp[2] = {-1, -1};

struct Catcher {
  std::function<void()> onSignal;
  std::unique_ptr<QSocketNotifier> notifier;
};
Catcher* catcher = nullptr;

extern "C" void NoteSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
  errno = saved;
}

void SetHandlers(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

sigset_t TerminationSignalSet() {
  sigset_t termination;
  sigemptyset(&termination);
  for (const int signal : kSignals) sigaddset(&termination, signal);
  return termination;
}

void Drain() {
  char bytes[16];
  while (::read(wakeUp[1], bytes, sizeof bytes) > 0) {
  }
}

}  // namespace

void CatchTerminationSignals(std::function<void()> onSignal) {
  if (wakeUp[0] < 0) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeUp) != 0) return;
  }
  if (!catcher) catcher = new Catcher;
  catcher->onSignal = std::move(onSignal);
  if (!catcher->notifier) {
    catcher->notifier = std::make_unique<QSocketNotifier>(wakeUp[1], QSocketNotifier::Read);
    QObject::connect(catcher->notifier.get(), &QSocketNotifier::activated, [] {
      Drain();
      if (catcher && catcher->onSignal) catcher->onSignal();
    });
  }
  SetHandlers(NoteSignal);
}

void BlockTerminationSignals() {
  const sigset_t termination = TerminationSignalSet();
  pthread_sigmask(SIG_BLOCK, &termination, nullptr);
}

TerminationSignalsHeld::TerminationSignalsHeld() {
  // Threads started meanwhile keep them blocked, so later they reach the main thread only.
  BlockTerminationSignals();
}

TerminationSignalsHeld::~TerminationSignalsHeld() {
  if (catcher) SetHandlers(NoteSignal);
  const sigset_t termination = TerminationSignalSet();
  pthread_sigmask(SIG_UNBLOCK, &termination, nullptr);
}

void ReleaseTerminationSignals() {
  if (!catcher) return;
  SetHandlers(SIG_DFL);
  delete catcher;
  catcher = nullptr;
  Drain();
}

}  // namespace platform
