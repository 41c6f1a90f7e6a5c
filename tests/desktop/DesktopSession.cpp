#include "tests/desktop/DesktopSession.h"

#include "tests/support/Processes.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace desktop_testing {
namespace {

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
  // Xvfb picks a free display number itself and writes it to descriptor 3.
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("no pipe");
  const char* const server[] = {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp", nullptr};
  server_ = Spawn(server, fds[1]);
  close(fds[1]);
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start");
  display_ = ":" + number;
  setenv("DISPLAY", display_.c_str(), 1);

  const char* const manager[] = {"openbox", "--sm-disable", nullptr};
  windowManager_ = Spawn(manager);
  for (int i = 0; i < 250; ++i) {
    if (RunCommand("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null").find("window id") != std::string::npos) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  throw std::runtime_error("openbox did not take the screen");
}

DesktopSession::~DesktopSession() {
  for (const pid_t child : {windowManager_, server_})
    if (child > 0) testing_support::EndProcess(child, SIGTERM, std::chrono::seconds(2));
}

}  // namespace desktop_testing
