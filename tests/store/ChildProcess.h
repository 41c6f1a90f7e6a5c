#pragma once
// A program run by a test with its standard input and output on pipes. Destruction ends its input
// and waits for it (killing it after 10 s).
#include <sys/types.h>

#include <string>
#include <vector>

namespace store_testing {

class ChildProcess {
 public:
  // `environment` entries ("NAME=value") come before the test's own. Throws std::runtime_error.
  explicit ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line of its output without the line break; throws when none comes within 20 s.
  std::string ReadLine();
  // Its output up to the end; throws when nothing comes for 20 s.
  std::string ReadAll();
  // Ends its input and waits; its exit code, -1 when it did not exit normally.
  int Wait();

 private:
  bool ReadMore();

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string buffered_;
  int exitCode_ = -1;
};

}  // namespace store_testing
