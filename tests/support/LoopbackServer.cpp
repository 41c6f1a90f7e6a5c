#include "tests/support/LoopbackServer.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace testsupport {

namespace {

// Where a multipart content type waits while the body is read: the library takes a body of that
// type apart into its parts, and the test wants it as it came.
const char* const MultipartTypeStash = "X-Loopback-Multipart-Type";

}  // namespace

std::string RecordedRequest::Header(const std::string& name) const {
  auto found = headers.find(name);
  return found == headers.end() ? std::string() : found->second;
}

std::size_t RecordedRequest::HeaderCount(const std::string& name) const { return headers.count(name); }

LoopbackServer::LoopbackServer(Answer answer) : answer_(std::move(answer)) {
  // Answers go out in more than one write; without this the second waits for the client's
  // delayed acknowledgement (some 40 ms) on a connection in reuse.
  server_.set_tcp_nodelay(true);
  // One request a connection: a client that outlives the server leaves no connection for the
  // server's stop to wait out.
  server_.set_keep_alive_max_count(1);
  server_.set_pre_routing_handler([](const httplib::Request& request, httplib::Response&) {
    if (request.is_multipart_form_data()) {
      // The request is the server's own, not const: only handed on as const.
      auto& headers = const_cast<httplib::Request&>(request).headers;
      auto type = headers.find("Content-Type");
      headers.emplace(MultipartTypeStash, type->second);
      headers.erase(type);
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });
  server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    Handle(request, request.body, response);
  });
  // Read through a content reader, so that a multipart body is kept as it came, not taken apart.
  server_.Post(".*", [this](const httplib::Request& request, httplib::Response& response,
                            const httplib::ContentReader& reader) {
    std::string body;
    reader([&body](const char* data, std::size_t length) {
      body.append(data, length);
      return true;
    });
    Handle(request, body, response);
  });
  port_ = server_.bind_to_any_port("127.0.0.1");
  if (port_ <= 0) throw std::runtime_error("The loopback server could not bind a port");
  thread_ = std::thread([this] { server_.listen_after_bind(); });
}

LoopbackServer::~LoopbackServer() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  stopping_.notify_all();
  // stop() does nothing before the accept loop runs, so wait for it first.
  while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  server_.stop();
  thread_.join();
}

std::string LoopbackServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<RecordedRequest> LoopbackServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

bool LoopbackServer::Pause(std::chrono::milliseconds time) {
  std::unique_lock lock(mutex_);
  return !stopping_.wait_for(lock, time, [this] { return stopped_; });
}

void LoopbackServer::Handle(const httplib::Request& request, const std::string& body, httplib::Response& response) {
  RecordedRequest record{request.method, request.target, request.headers, body};
  // The library adds the peer's address as if it were a header; it never came over the wire.
  for (const char* added : {"REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR", "LOCAL_PORT"}) record.headers.erase(added);
  auto stashed = record.headers.find(MultipartTypeStash);
  if (stashed != record.headers.end()) {
    record.headers.emplace("Content-Type", stashed->second);
    record.headers.erase(stashed);
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(std::move(record));
  }
  answer_(request, response);
}

int UnusedLoopbackPort() {
  int socketId = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  int port = 0;
  if (::bind(socketId, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(socketId, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  ::close(socketId);
  if (port == 0) throw std::runtime_error("No free loopback port");
  return port;
}

}  // namespace testsupport
