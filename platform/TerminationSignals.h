#pragma once
// SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C) turned into a call on the event loop, so
// the program can end the way its own "Выход" does instead of dying mid-statement.
#include <functional>

namespace platform {

// From now on each of the three signals calls `onSignal` from the event loop of the calling
// (main) thread. Call once, with a running or soon running event loop; later calls replace it.
void CatchTerminationSignals(std::function<void()> onSignal);

// Puts the handlers back after a library replaced them (the database client does on its first
// attach). Does nothing unless the signals are caught.
void ReclaimTerminationSignals();

// Stops catching: the signals' default actions again. The notifier goes with it.
void ReleaseTerminationSignals();

}  // namespace platform
