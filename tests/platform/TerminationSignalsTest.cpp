// The termination signals while the database client's own handlers are in place: they must wait
// for the program's, whichever threads are running by then.
#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>
#include <unistd.h>

namespace {

std::atomic<bool> libraryHandlerRan{false};

extern "C" void LibraryHandler(int) { libraryHandlerRan = true; }

// A SIGTERM sent during the first attach, with a thread about that was started before it (Qt
// starts pooled ones for the splash), once went to that thread under the client library's handler,
// which shuts the engine down and ends nothing: the program stayed up until it was killed.
TEST(TerminationSignals, ASignalDuringTheHoldWaitsForTheProgramsHandlerWhateverThreadsRun) {
  int caught = 0;
  platform::CatchTerminationSignals([&] { ++caught; });
  platform::BlockTerminationSignals();  // as the program does first
  std::atomic<bool> stop{false};
  std::thread earlier([&] {
    while (!stop) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  });
  {
    const platform::TerminationSignalsHeld held;
    struct sigaction library {};
    library.sa_handler = LibraryHandler;
    sigemptyset(&library.sa_mask);
    sigaction(SIGTERM, &library, nullptr);  // as the client library does on its first attach
    kill(getpid(), SIGTERM);
    // A thread that may take it does so within a few milliseconds; none may.
    QElapsedTimer waited;
    waited.start();
    while (!libraryHandlerRan && waited.elapsed() < 300) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  QElapsedTimer waited;
  waited.start();
  while (caught == 0 && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  stop = true;
  earlier.join();
  platform::ReleaseTerminationSignals();

  EXPECT_FALSE(libraryHandlerRan) << "the signal went to the library's handler in another thread";
  EXPECT_EQ(caught, 1) << "the program's handler got the signal once the hold ended";
}

}  // namespace
