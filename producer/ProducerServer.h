#pragma once
// The producer's web server: the update count and download, the upload of readers' changes, and
// the two pages the handbook opens. Requests run on a pool of threads and share one database
// connection; bodies and stalled requests are bounded.
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace producer {

struct ServerOptions {
  std::string address = "127.0.0.1";
  int port = 8080;  // 0: any free port (see ProducerServer::Bind)
  int threads = 64;
  // A change document larger than this is refused unread.
  std::size_t maxUploadBytes = std::size_t{16} * 1024 * 1024;
  // A client that sends nothing for this long is dropped, in a request or between two.
  std::chrono::seconds readTimeout{10};
  // How long a built update is sent before the database is asked again whether something new was
  // published: what an editor publishes reaches readers this much later at most.
  std::chrono::milliseconds publicationCheck{1000};
  // One line a request; none when empty.
  std::function<void(const std::string&)> log;
};

class ProducerServer {
 public:
  // Opens (or makes) the database `databaseName`; throws DatabaseError.
  ProducerServer(const std::string& databaseName, ServerOptions options);
  ~ProducerServer();
  ProducerServer(const ProducerServer&) = delete;
  ProducerServer& operator=(const ProducerServer&) = delete;

  // Binds the address and port; returns the port (the chosen one for port 0). Throws
  // std::runtime_error when it cannot.
  int Bind();
  // Serves until Stop(); call after Bind().
  void Listen();
  // From any thread; a server that is not listening yet is not stopped (see IsRunning).
  void Stop();
  bool IsRunning() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace producer
