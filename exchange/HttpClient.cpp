#include "exchange/HttpClient.h"

#include <curl/curl.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <exception>
#include <map>
#include <utility>
#include <vector>

namespace exchange {

namespace {

const char* const StandingHeaders[] = {
    "Accept: text/html, */*",
    "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
};

struct CurlGlobal {
  CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
};

void EnsureCurlGlobal() { static CurlGlobal global; }

struct HeaderList {
  curl_slist* list = nullptr;
  void Add(const std::string& line) { list = curl_slist_append(list, line.c_str()); }
  ~HeaderList() { curl_slist_free_all(list); }
};

}  // namespace

// One socket libcurl asked to watch: a notifier for each direction it wants.
struct SocketWatch {
  std::unique_ptr<QSocketNotifier> read;
  std::unique_ptr<QSocketNotifier> write;
};

struct HttpClient::Impl {
  CURL* easy = nullptr;
  CURLM* multi = nullptr;
  std::string proxyServer;
  int proxyPort = 0;
  std::vector<std::pair<std::string, std::string>> extraHeaders;
  std::chrono::milliseconds stallTime = DefaultStallTime;
  Progress progress;
  std::size_t maxBody = std::string::npos;  // for the running request

  // Sockets curl watches now, and notifiers it gave up while one of them was signalling; those
  // are kept until no signal of theirs can be on the stack.
  std::map<curl_socket_t, SocketWatch> sockets;
  std::vector<std::unique_ptr<QSocketNotifier>> retired;
  QTimer curlTimer;
  QTimer stallTimer;

  // The running request. `ended` belongs to its Perform: set when Cancel took it off the client
  // while its loop could not return yet, so a later request may already use the handle.
  QEventLoop* loop = nullptr;
  bool* ended = nullptr;
  // How deep inside curl_multi_socket_action: there the handle must not be removed, and a callback
  // that lets events through must not drive libcurl again.
  int curlDepth = 0;
  std::string url;
  std::string body;
  std::string statusLine;
  bool done = false;
  std::exception_ptr callbackError;  // thrown by the progress callback, kept from libcurl's C stack
  bool stalled = false;
  bool tooLong = false;
  curl_off_t uploaded = 0;
  CURLcode result = CURLE_OK;
  char errorText[CURL_ERROR_SIZE] = {};

  void Watch(curl_socket_t socket, int what);
  void Drive(curl_socket_t socket, int events);
  void Activity() {
    if (loop) stallTimer.start(stallTime);
  }
  void Finish() {
    if (loop) loop->quit();
  }
  void Detach();
  std::string Perform(const std::string& url, const std::string* contentType, const std::string* body,
                      std::size_t maxBodyBytes = std::string::npos);
  [[noreturn]] void ThrowFailure() const;

  // libcurl's callbacks; the client pointer is this Impl.
  static int OnSocket(CURL*, curl_socket_t socket, int what, void* client, void*) {
    static_cast<Impl*>(client)->Watch(socket, what);
    return 0;
  }

  static int OnTimer(CURLM*, long timeoutMs, void* client) {
    auto* d = static_cast<Impl*>(client);
    if (timeoutMs < 0)
      d->curlTimer.stop();
    else
      d->curlTimer.start(static_cast<int>(timeoutMs));
    return 0;
  }

  static size_t OnBody(char* data, size_t size, size_t count, void* client) {
    auto* d = static_cast<Impl*>(client);
    if (size * count > d->maxBody - d->body.size()) {
      d->tooLong = true;
      return 0;  // ends the transfer
    }
    d->body.append(data, size * count);
    d->Activity();
    if (d->progress) {
      curl_off_t total = -1;
      curl_easy_getinfo(d->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
      try {
        d->progress(static_cast<std::int64_t>(d->body.size()), total < 0 ? -1 : static_cast<std::int64_t>(total));
      } catch (...) {
        d->callbackError = std::current_exception();
        d->Finish();
        return 0;  // ends the transfer
      }
    }
    return size * count;
  }

  static size_t OnHeader(char* data, size_t size, size_t count, void* client) {
    auto* d = static_cast<Impl*>(client);
    std::string line(data, size * count);
    if (line.rfind("HTTP/", 0) == 0) {
      while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
      d->statusLine = line;
    }
    d->Activity();
    return size * count;
  }

  // Called once the connection stands, before the request goes out: from here on the stall watch
  // runs; the connect time-out covers the time before.
  static int OnConnected(void* client, char*, char*, int, int) {
    static_cast<Impl*>(client)->Activity();
    return CURL_PREREQFUNC_OK;
  }

  static int OnTransferInfo(void* client, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) {
    auto* d = static_cast<Impl*>(client);
    if (uploaded != d->uploaded) {
      d->uploaded = uploaded;
      d->Activity();
    }
    return 0;
  }
};

void HttpClient::Impl::Watch(curl_socket_t socket, int what) {
  if (what == CURL_POLL_REMOVE) {
    auto found = sockets.find(socket);
    if (found == sockets.end()) return;
    for (auto* notifier : {&found->second.read, &found->second.write}) {
      if (*notifier) {
        (*notifier)->setEnabled(false);
        retired.push_back(std::move(*notifier));
      }
    }
    sockets.erase(found);
    return;
  }
  SocketWatch& watch = sockets[socket];
  auto want = [&](std::unique_ptr<QSocketNotifier>& notifier, QSocketNotifier::Type type, bool on, int event) {
    if (on && !notifier) {
      notifier = std::make_unique<QSocketNotifier>(static_cast<qintptr>(socket), type);
      QObject::connect(notifier.get(), &QSocketNotifier::activated, [this, socket, event] { Drive(socket, event); });
    }
    if (notifier) notifier->setEnabled(on);
  };
  want(watch.read, QSocketNotifier::Read, what == CURL_POLL_IN || what == CURL_POLL_INOUT, CURL_CSELECT_IN);
  want(watch.write, QSocketNotifier::Write, what == CURL_POLL_OUT || what == CURL_POLL_INOUT, CURL_CSELECT_OUT);
}

void HttpClient::Impl::Drive(curl_socket_t socket, int events) {
  // The socket's notifier fires again on the next pass of the loop once libcurl has returned.
  if (curlDepth > 0) return;
  int running = 0;
  ++curlDepth;
  curl_multi_socket_action(multi, socket, events, &running);
  --curlDepth;
  int pending = 0;
  while (CURLMsg* message = curl_multi_info_read(multi, &pending)) {
    if (message->msg == CURLMSG_DONE && message->easy_handle == easy) {
      result = message->data.result;
      done = true;
      Finish();
    }
  }
}

std::string HttpClient::Impl::Perform(const std::string& target, const std::string* contentType,
                                      const std::string* content, std::size_t maxBodyBytes) {
  if (loop) throw HttpError("HTTP request to " + target + " refused: the request to " + url + " is still running");
  if (!QCoreApplication::instance())
    throw HttpError("HTTP request to " + target + " refused: there is no Qt application to run it on");
  retired.clear();

  HeaderList headers;
  for (const char* header : StandingHeaders) headers.Add(header);
  for (const auto& [name, value] : extraHeaders) headers.Add(name + ": " + value);
  if (contentType) {
    headers.Add("Content-Type: " + *contentType);
    headers.Add("Expect:");  // the body goes out at once, without waiting for a go-ahead
  }

  curl_easy_setopt(easy, CURLOPT_URL, target.c_str());
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.list);
  if (content) {
    curl_easy_setopt(easy, CURLOPT_POST, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(content->size()));
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, content->data());
  } else {
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
  }
  if (proxyServer.empty() || proxyPort <= 0) {
    curl_easy_setopt(easy, CURLOPT_PROXY, "");  // direct, whatever the environment says
  } else {
    curl_easy_setopt(easy, CURLOPT_PROXY, proxyServer.c_str());
    curl_easy_setopt(easy, CURLOPT_PROXYPORT, static_cast<long>(proxyPort));
  }

  QEventLoop localLoop;
  bool endedHere = false;
  url = target;
  body.clear();
  statusLine.clear();
  errorText[0] = '\0';
  done = stalled = tooLong = false;
  maxBody = maxBodyBytes;
  callbackError = nullptr;
  uploaded = 0;
  result = CURLE_OK;
  loop = &localLoop;
  ended = &endedHere;

  curl_multi_add_handle(multi, easy);
  if (!done) localLoop.exec();
  if (endedHere) throw HttpCancelled("HTTP request to " + target + " cancelled");
  stallTimer.stop();
  curl_multi_remove_handle(multi, easy);
  loop = nullptr;
  ended = nullptr;
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, nullptr);
  curl_easy_setopt(easy, CURLOPT_POSTFIELDS, nullptr);

  if (callbackError) std::rethrow_exception(std::exchange(callbackError, nullptr));
  if (!done) {
    if (stalled)
      throw HttpError("HTTP request to " + url + " failed: nothing received for " +
                      std::to_string(stallTime.count()) + " ms");
    // Cancelled, or the loop was ended from outside (the application quitting).
    throw HttpCancelled("HTTP request to " + url + " cancelled");
  }
  if (tooLong)
    throw HttpError("HTTP request to " + url + " failed: the answer is longer than " + std::to_string(maxBody) +
                    " bytes");
  if (result != CURLE_OK) ThrowFailure();
  long status = 0;
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
  if (status >= 400)
    throw HttpError("HTTP request to " + url + " failed: the server answered " +
                    (statusLine.empty() ? std::to_string(status) : statusLine));
  return std::move(body);
}

// Takes the running request off the client at once, so the next one can start even while the
// cancelled one's caller is still further down the stack. Inside libcurl's own call the handle
// must stay; there the request's loop just ends and its Perform takes it off.
void HttpClient::Impl::Detach() {
  if (!loop) return;
  if (curlDepth > 0) {
    Finish();
    return;
  }
  stallTimer.stop();
  curl_multi_remove_handle(multi, easy);
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, nullptr);
  curl_easy_setopt(easy, CURLOPT_POSTFIELDS, nullptr);
  *ended = true;
  loop->quit();
  loop = nullptr;
  ended = nullptr;
}

void HttpClient::Impl::ThrowFailure() const {
  std::string cause = curl_easy_strerror(result);
  if (errorText[0] != '\0') cause += " (" + std::string(errorText) + ")";
  throw HttpError("HTTP request to " + url + " failed: " + cause);
}

HttpClient::HttpClient() : d_(std::make_unique<Impl>()) {
  EnsureCurlGlobal();
  d_->easy = curl_easy_init();
  d_->multi = curl_multi_init();
  if (!d_->easy || !d_->multi) throw HttpError("The HTTP client could not be set up");
  Impl* d = d_.get();

  curl_multi_setopt(d->multi, CURLMOPT_SOCKETFUNCTION, &Impl::OnSocket);
  curl_multi_setopt(d->multi, CURLMOPT_SOCKETDATA, d);
  curl_multi_setopt(d->multi, CURLMOPT_TIMERFUNCTION, &Impl::OnTimer);
  curl_multi_setopt(d->multi, CURLMOPT_TIMERDATA, d);
  d->curlTimer.setSingleShot(true);
  QObject::connect(&d->curlTimer, &QTimer::timeout, [d] { d->Drive(CURL_SOCKET_TIMEOUT, 0); });
  d->stallTimer.setSingleShot(true);
  d->stallTimer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&d->stallTimer, &QTimer::timeout, [d] {
    d->stalled = true;
    d->Finish();
  });

  CURL* easy = d->easy;
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, d->errorText);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(ConnectTimeout.count()));
  curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");  // the cookie engine, in memory for the run
  curl_easy_setopt(easy, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Impl::OnBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, d);
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Impl::OnHeader);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, d);
  curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &Impl::OnConnected);
  curl_easy_setopt(easy, CURLOPT_PREREQDATA, d);
  curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Impl::OnTransferInfo);
  curl_easy_setopt(easy, CURLOPT_XFERINFODATA, d);
  curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
}

HttpClient::~HttpClient() {
  Cancel();
  curl_multi_cleanup(d_->multi);  // closes the connections kept for reuse, telling OnSocket
  curl_easy_cleanup(d_->easy);
}

void HttpClient::SetProxy(const std::string& server, int port) {
  d_->proxyServer = server;
  d_->proxyPort = port;
}

void HttpClient::SetHeader(const std::string& name, const std::string& value) {
  for (auto& [existing, existingValue] : d_->extraHeaders) {
    if (curl_strequal(existing.c_str(), name.c_str())) {
      existingValue = value;
      return;
    }
  }
  d_->extraHeaders.emplace_back(name, value);
}

void HttpClient::SetStallTime(std::chrono::milliseconds stallTime) { d_->stallTime = stallTime; }

void HttpClient::SetProgress(Progress progress) { d_->progress = std::move(progress); }

std::string HttpClient::Get(const std::string& url) { return d_->Perform(url, nullptr, nullptr); }

std::string HttpClient::Get(const std::string& url, std::size_t maxBodyBytes) {
  return d_->Perform(url, nullptr, nullptr, maxBodyBytes);
}

std::string HttpClient::Post(const std::string& url, const std::string& contentType, const std::string& body) {
  return d_->Perform(url, &contentType, &body);
}

void HttpClient::Cancel() { d_->Detach(); }

bool HttpClient::Busy() const { return d_->loop != nullptr; }

}  // namespace exchange
