#pragma once
// A private X display with a window manager for the run of one test program: Xvfb on the first
// free display number, openbox on it. Stopped (SIGTERM, then SIGKILL) when the session goes.
#include <sys/types.h>

#include <string>

namespace desktop_testing {

class DesktopSession {
 public:
  // Starts both and waits until the window manager has taken the screen; tries a few times and
  // throws when no attempt came up.
  DesktopSession();
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  const std::string& Display() const { return display_; }

 private:
  std::string Start();  // empty when both came up, else what failed
  void Stop();

  std::string display_;
  pid_t server_ = -1;
  pid_t windowManager_ = -1;
};

// Runs a shell command on the session's display and returns what it printed.
std::string RunCommand(const std::string& command);

}  // namespace desktop_testing
