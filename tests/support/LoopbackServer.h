#pragma once
// A real HTTP server on 127.0.0.1 with an ephemeral port, serving from its own threads, for tests
// of the exchange: it records every request as it arrived and answers as the test says.
#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

struct RecordedRequest {
  std::string method;
  std::string target;  // as on the request line: path and query, or the absolute address to a proxy
  httplib::Headers headers;
  std::string body;

  std::string Header(const std::string& name) const;
  std::size_t HeaderCount(const std::string& name) const;
};

class LoopbackServer {
 public:
  using Answer = std::function<void(const httplib::Request&, httplib::Response&)>;

  // Every request (GET or POST, any target) is recorded, then answered by answer.
  explicit LoopbackServer(Answer answer);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int Port() const { return port_; }
  // http://127.0.0.1:<port> followed by path.
  std::string Url(const std::string& path) const;
  std::vector<RecordedRequest> Requests() const;

  // For answers that hold back: waits for the given time and returns true, or returns false at
  // once when the server is being stopped.
  bool Pause(std::chrono::milliseconds time);

 private:
  void Handle(const httplib::Request& request, const std::string& body, httplib::Response& response);

  httplib::Server server_;
  Answer answer_;
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::condition_variable stopping_;
  bool stopped_ = false;
  std::vector<RecordedRequest> requests_;
};

// A port on 127.0.0.1 that nobody listens on (bound and released again).
int UnusedLoopbackPort();

}  // namespace testsupport
