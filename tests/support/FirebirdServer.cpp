#include "tests/support/FirebirdServer.h"

#include "tests/support/Processes.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace testing_support {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kInstalled = "/usr/lib/x86_64-linux-gnu/firebird/3.0";
const char* const kServer = "/usr/sbin/firebird";
const char* const kServiceManager = "/usr/bin/fbsvcmgr";
const char* const kIsql = "/usr/bin/isql-fb";
const char* const kPassword = "pelnorvix";

int FreePort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  if (s >= 0) close(s);
  if (port == 0) throw std::runtime_error("no free port on 127.0.0.1");
  return port;
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs a program with extra environment entries; output goes to `log`. Returns its pid.
pid_t Spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
            const fs::path& log, const fs::path& input = "/dev/null") {
  const SpawnArguments spawn(arguments, environment);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, spawn.Argv()[0], &actions, nullptr, spawn.Argv(), spawn.Envp());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + arguments[0]);
  return pid;
}

int Run(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
        const fs::path& log, const fs::path& input = "/dev/null") {
  const pid_t pid = Spawn(arguments, environment, log, input);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::string FirebirdServer::MissingPrograms() {
  std::string missing;
  for (const char* program : {kServer, kServiceManager, kIsql}) {
    if (access(program, X_OK) != 0) missing += std::string(missing.empty() ? "" : ", ") + program;
  }
  if (!fs::exists(kInstalled / "intl/libfbintl.so")) missing += " firebird libraries";
  return missing;
}

FirebirdServer::FirebirdServer() : home_(dir_.path() / "firebird") {
  if (const std::string missing = MissingPrograms(); !missing.empty()) {
    throw std::runtime_error("Firebird server programs missing: " + missing);
  }
  // A mirror of the installed files; the character sets library must be a real copy, or the
  // server finds only its built-in character sets.
  fs::create_directories(home_ / "intl");
  fs::create_directories(home_ / "lock");
  fs::create_directories(home_ / "tmp");
  for (const auto& entry : fs::directory_iterator(kInstalled)) {
    const auto name = entry.path().filename();
    if (name == "intl" || name == "firebird.conf") continue;
    fs::create_directory_symlink(entry.path(), home_ / name);
  }
  fs::copy_file(kInstalled / "intl/libfbintl.so", home_ / "intl/libfbintl.so");
  fs::create_symlink(kInstalled / "intl/fbintl.conf", home_ / "intl/fbintl.conf");

  // The port is free when chosen; another process may take it first, so try a few.
  for (int attempt = 0; attempt < 3; ++attempt) {
    port_ = FreePort();
    WriteConfiguration();
    if (attempt == 0) MakeSecurityDatabase();
    if (Start()) return;
  }
  throw std::runtime_error("the Firebird server did not start:\n" + ReadAll(home_ / "server.log"));
}

FirebirdServer::~FirebirdServer() { Stop(); }

void FirebirdServer::WriteConfiguration() {
  std::ofstream conf(home_ / "firebird.conf", std::ios::trunc);
  conf << "RemoteServicePort = " << port_ << "\n"
       << "RemoteBindAddress = 127.0.0.1\n"
       << "SecurityDatabase = " << (home_ / "security3.fdb").string() << "\n"
       << "AuthServer = Srp256, Srp\n"
       << "UserManager = Srp\n"
       << "WireCrypt = Enabled\n";
}

void FirebirdServer::MakeSecurityDatabase() {
  const std::vector<std::string> env = {"FIREBIRD=" + home_.string(), "FIREBIRD_LOCK=" + (home_ / "lock").string(),
                                        "FIREBIRD_TMP=" + (home_ / "tmp").string()};
  const fs::path security = home_ / "security3.fdb";
  const fs::path script = home_ / "security.sql";
  const fs::path log = home_ / "isql.log";
  std::ofstream(script, std::ios::trunc) << "create database '" << security.string() << "' user SYSDBA;\n";
  if (Run({kIsql, "-q", "-i", script.string()}, env, log) != 0) {
    throw std::runtime_error("cannot make the security database:\n" + ReadAll(log));
  }
  std::ofstream(script, std::ios::trunc) << "create or alter user SYSDBA password '" << kPassword
                                         << "' using plugin Srp;\ncommit;\n";
  if (Run({kIsql, "-q", "-user", "SYSDBA", "-i", script.string(), security.string()}, env, log) != 0) {
    throw std::runtime_error("cannot set the SYSDBA password:\n" + ReadAll(log));
  }
}

bool FirebirdServer::Start() {
  const std::vector<std::string> env = {"FIREBIRD=" + home_.string(), "FIREBIRD_LOCK=" + (home_ / "lock").string(),
                                        "FIREBIRD_TMP=" + (home_ / "tmp").string()};
  pid_ = Spawn({kServer}, env, home_ / "server.log");
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  const std::string service = "localhost/" + std::to_string(port_) + ":service_mgr";
  while (std::chrono::steady_clock::now() < deadline) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {  // it gave up, e.g. the port was taken
      pid_ = -1;
      return false;
    }
    if (Run({kServiceManager, service, "-user", "SYSDBA", "-password", kPassword, "-info_server_version"},
            {}, home_ / "probe.log") == 0) {
      return true;
    }
    std::this_thread::sleep_for(100ms);
  }
  Stop();
  return false;
}

void FirebirdServer::Stop() {
  if (pid_ <= 0) return;
  // Usually gone in a fifth of a second; now and then, with nothing attached, its shutdown waits
  // ten seconds for itself. Its files are thrown away, so it need not end cleanly.
  EndProcess(pid_, SIGTERM, 1s);
  pid_ = -1;
}

}  // namespace testing_support
