#pragma once
// SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C) turned into a call on the event loop, so
// the program can end the way its own "Выход" does instead of dying mid-statement.
#include <csignal>
#include <functional>

namespace platform {

// From now on each of the three signals calls `onSignal` from the event loop of the calling
// (main) thread. Call once, with a running or soon running event loop; later calls replace it.
void CatchTerminationSignals(std::function<void()> onSignal);

// Holds the three signals back while a library that sets handlers of its own starts up (the
// database client does on its first attach), then puts the program's handlers back and lets a
// signal that came meanwhile through to them.
class TerminationSignalsHeld {
 public:
  TerminationSignalsHeld();
  ~TerminationSignalsHeld();
  TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
  TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

// Stops catching: the signals' default actions again. The notifier goes with it.
void ReleaseTerminationSignals();

}  // namespace platform
