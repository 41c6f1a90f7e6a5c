#include "tests/support/Processes.h"

#include <signal.h>
#include <sys/wait.h>

#include <thread>
#include <utility>

extern char** environ;

namespace testing_support {
namespace {

int ExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

}  // namespace

SpawnArguments::SpawnArguments(std::vector<std::string> arguments, const std::vector<std::string>& environment)
    : arguments_(std::move(arguments)), environment_(environment) {
  for (char** entry = environ; *entry; ++entry) environment_.emplace_back(*entry);
  for (std::string& argument : arguments_) argv_.push_back(argument.data());
  argv_.push_back(nullptr);
  for (std::string& entry : environment_) envp_.push_back(entry.data());
  envp_.push_back(nullptr);
}

int ExitCodeWithin(pid_t pid, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return ExitCode(status);
}

int EndProcess(pid_t pid, int signal, std::chrono::milliseconds patience) {
  if (signal != 0) kill(pid, signal);
  const int code = ExitCodeWithin(pid, patience);
  if (code != -1) return code;
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  return ExitCode(status);
}

}  // namespace testing_support
