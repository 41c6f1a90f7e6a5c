#pragma once
// The one HTTP client of the run (the main window's IdHTTP1): one libcurl handle with the standing
// headers, a connect time-out, cookies kept in memory and the proxy found at start-up. A request
// blocks its caller but runs on Qt's event loop, so windows keep repainting; one at a time.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "exchange/HttpError.h"

namespace exchange {

class HttpClient {
 public:
  // Body bytes received so far and the announced length, -1 when the server sends none. Called on
  // every piece of the body; it may call Cancel, and an exception it throws ends the request and
  // comes out of Get or Post.
  using Progress = std::function<void(std::int64_t received, std::int64_t total)>;

  static constexpr std::chrono::milliseconds ConnectTimeout{100000};
  static constexpr std::chrono::milliseconds DefaultStallTime{60000};

  HttpClient();
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  // An empty server or a port <= 0 means a direct connection.
  void SetProxy(const std::string& server, int port);
  // An extra request header kept for every later request; setting it again replaces its value.
  void SetHeader(const std::string& name, const std::string& value);
  // A connected transfer that receives nothing for this long fails.
  void SetStallTime(std::chrono::milliseconds stallTime);
  void SetProgress(Progress progress);

  // The body exactly as received (never decoded). Throws HttpError on a status >= 400 or any
  // failure of the transfer, HttpCancelled after Cancel, HttpError when a request is running.
  std::string Get(const std::string& url);
  // The same, failing with HttpError as soon as the body grows beyond `maxBodyBytes`: for answers
  // that are small by nature, so a server gone wrong cannot fill the memory.
  std::string Get(const std::string& url, std::size_t maxBodyBytes);
  std::string Post(const std::string& url, const std::string& contentType, const std::string& body);

  // Ends the running request, if any; its Get or Post throws HttpCancelled. Called from outside
  // the request's own callbacks, the client is free again at once (Busy is false), even while the
  // cancelled call is still waiting further down the stack.
  void Cancel();
  bool Busy() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

}  // namespace exchange
