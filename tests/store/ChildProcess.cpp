#include "tests/store/ChildProcess.h"

#include "tests/support/Processes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <utility>

namespace store_testing {
namespace {

constexpr int kReadTimeoutMs = 20000;

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment) {
  int in[2], out[2];  // close-on-exec: a later child must not hold this one's pipes
  if (pipe2(in, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  if (pipe2(out, O_CLOEXEC) != 0) {
    close(in[0]), close(in[1]);
    throw std::runtime_error("no pipe");
  }
  const testing_support::SpawnArguments spawn(arguments, environment);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  const int error = posix_spawn(&pid_, spawn.Argv()[0], &actions, nullptr, spawn.Argv(), spawn.Envp());
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  input_ = in[1];
  output_ = out[0];
  if (error != 0) {
    close(input_), close(output_);
    throw std::runtime_error("cannot start " + arguments[0]);
  }
}

ChildProcess::~ChildProcess() { Wait(); }

bool ChildProcess::ReadMore() {
  pollfd p{output_, POLLIN, 0};
  if (poll(&p, 1, kReadTimeoutMs) <= 0) throw std::runtime_error("the child process wrote nothing in time");
  char chunk[4096];
  const ssize_t n = read(output_, chunk, sizeof chunk);
  if (n <= 0) return false;
  buffered_.append(chunk, static_cast<size_t>(n));
  return true;
}

std::string ChildProcess::ReadLine() {
  for (;;) {
    if (const auto end = buffered_.find('\n'); end != std::string::npos) {
      std::string line = buffered_.substr(0, end);
      buffered_.erase(0, end + 1);
      return line;
    }
    if (!ReadMore()) throw std::runtime_error("the child process ended without a line: " + buffered_);
  }
}

std::string ChildProcess::ReadAll() {
  while (ReadMore()) {
  }
  return std::exchange(buffered_, {});
}

int ChildProcess::Wait() {
  if (pid_ < 0) return exitCode_;
  close(input_);
  close(output_);
  exitCode_ = testing_support::EndProcess(pid_, 0, std::chrono::seconds(10));
  pid_ = -1;
  return exitCode_;
}

}  // namespace store_testing
