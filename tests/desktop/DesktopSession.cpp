#include "tests/desktop/DesktopSession.h"

#include "tests/support/Processes.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace desktop_testing {
namespace {

using namespace std::chrono_literals;

pid_t Spawn(const char* const* argv, int displayPipe = -1) {
  const pid_t child = fork();
  if (child == 0) {
    if (displayPipe >= 0 && displayPipe != 3) {
      dup2(displayPipe, 3);
      close(displayPipe);
    }
    execvp(argv[0], const_cast<char* const*>(argv));
    _exit(127);
  }
  return child;
}

// The display number Xvfb writes to the pipe once it listens; empty when nothing came in time.
std::string ReadDisplayNumber(int fd, std::chrono::milliseconds patience) {
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd readable{fd, POLLIN, 0};
    if (poll(&readable, 1, 100) <= 0) continue;
    char c;
    if (read(fd, &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  return number;
}

bool Succeeds(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// Polls `ready` until it holds, `child` has ended (and is reaped) or `patience` is over; says which went wrong.
template <typename Ready>
std::string WaitFor(Ready ready, pid_t& child, const char* name, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (ready()) return {};
    const int code = testing_support::ExitCodeWithin(child, 0ms);
    if (code >= 0) {
      child = -1;  // reaped
      return std::string(name) + " ended with code " + std::to_string(code);
    }
    std::this_thread::sleep_for(20ms);
  }
  return std::string(name) + " was not ready in time";
}

}  // namespace

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
  pclose(pipe);
  return output;
}

DesktopSession::DesktopSession() {
  // A loaded machine now and then loses a start (a server that dies early, a manager that finds
  // no display); a fresh pair usually comes up, and a failure must not leave them running.
  std::string why;
  for (int attempt = 1; attempt <= 3; ++attempt) {
    why = Start();
    if (why.empty()) return;
    Stop();
    std::fprintf(stderr, "X session, attempt %d: %s\n", attempt, why.c_str());
  }
  throw std::runtime_error("no X session: " + why);
}

DesktopSession::~DesktopSession() { Stop(); }

std::string DesktopSession::Start() {
  // Xvfb picks a free display number itself and writes it to descriptor 3. -noreset: by default
  // the server resets when its last client leaves, and a client connecting meanwhile is refused
  // (openbox did so after the readiness probe about one start in five).
  int fds[2];
  if (pipe(fds) != 0) return "no pipe";
  const char* const server[] = {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset", nullptr};
  server_ = Spawn(server, fds[1]);
  close(fds[1]);
  const std::string number = ReadDisplayNumber(fds[0], 10s);
  close(fds[0]);
  if (number.empty()) return "Xvfb gave no display number";
  display_ = ":" + number;
  setenv("DISPLAY", display_.c_str(), 1);
  if (std::string why = WaitFor([] { return Succeeds("xprop -root WM_NAME"); }, server_, "Xvfb", 10s); !why.empty())
    return why;

  const char* const manager[] = {"openbox", "--sm-disable", nullptr};
  windowManager_ = Spawn(manager);
  return WaitFor([] { return RunCommand("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null").find("window id") != std::string::npos; },
                 windowManager_, "openbox", 10s);
}

void DesktopSession::Stop() {
  for (pid_t* child : {&windowManager_, &server_}) {
    if (*child > 0) testing_support::EndProcess(*child, SIGTERM, 2s);
    *child = -1;
  }
}

}  // namespace desktop_testing
