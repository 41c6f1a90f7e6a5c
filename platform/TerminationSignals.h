#pragma once
// SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C) turned into a call on the event loop, so
// the program can end the way its own "Выход" does instead of dying mid-statement.
#include <csignal>
#include <functional>

namespace platform {

// From now on each of the three signals calls `onSignal` from the event loop of the calling
// (main) thread. Call once, with a running or soon running event loop; later calls replace it.
void CatchTerminationSignals(std::function<void()> onSignal);

// Blocks the three signals in the calling thread, and so in every thread it starts from now on.
// The program calls it before anything starts a thread: a signal sent while the database client's
// own handlers are in place (see below) must find no thread to take it, and Qt may have started
// threads of its own by then (a pooled one draws the splash's picture).
void BlockTerminationSignals();

// Holds the three signals back while a library that sets handlers of its own starts up (the
// database client does on its first attach), then puts the program's handlers back and lets a
// signal that came meanwhile through to them: the calling thread takes the signals from then on,
// even when BlockTerminationSignals had blocked them before.
class TerminationSignalsHeld {
 public:
  TerminationSignalsHeld();
  ~TerminationSignalsHeld();
  TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
  TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;
};

// Stops catching: the signals' default actions again. The notifier goes with it.
void ReleaseTerminationSignals();

}  // namespace platform
