#pragma once
// A private Firebird server for tests: its own configuration, security database (user SYSDBA with
// the handbook's password) and lock folder, listening on a free port of 127.0.0.1 only.
// Stopped (SIGTERM, then SIGKILL after 1 s) and removed on destruction.
#include <sys/types.h>

#include <filesystem>
#include <string>

#include "tests/support/TempDir.h"

namespace testing_support {

class FirebirdServer {
 public:
  // Starts the server and waits until it answers; throws std::runtime_error with the reason.
  FirebirdServer();
  ~FirebirdServer();
  FirebirdServer(const FirebirdServer&) = delete;
  FirebirdServer& operator=(const FirebirdServer&) = delete;

  int port() const { return port_; }

  // Empty when the programs the server needs are installed, else what is missing.
  static std::string MissingPrograms();

 private:
  void WriteConfiguration();
  void MakeSecurityDatabase();
  bool Start();
  void Stop();

  TempDir dir_;
  std::filesystem::path home_;
  int port_ = 0;
  pid_t pid_ = -1;
};

}  // namespace testing_support
