#pragma once
// Child processes of the tests: argument and environment arrays for posix_spawn, and ending a
// child within a bound.
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

// argv and envp for posix_spawn: the arguments, and the extra environment entries ahead of the
// test's own, so that they win.
class SpawnArguments {
 public:
  SpawnArguments(std::vector<std::string> arguments, const std::vector<std::string>& environment);
  SpawnArguments(const SpawnArguments&) = delete;
  SpawnArguments& operator=(const SpawnArguments&) = delete;

  char* const* Argv() const { return argv_.data(); }
  char* const* Envp() const { return envp_.data(); }

 private:
  std::vector<std::string> arguments_;
  std::vector<std::string> environment_;
  std::vector<char*> argv_;
  std::vector<char*> envp_;
};

// Sends `signal` (none when 0), waits up to `patience` for the child to end and kills it after
// that. Returns its exit code; 128 + the signal's number when a signal ended it.
int EndProcess(pid_t pid, int signal, std::chrono::milliseconds patience);

// The exit code once the child has ended within `patience`; -1 while it still runs.
int ExitCodeWithin(pid_t pid, std::chrono::milliseconds patience);

}  // namespace testing_support
