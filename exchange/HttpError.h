#pragma once
// A request through the HTTP client that did not end in a usable answer: the server answered with
// an error status, the transfer failed (refused, no such host, timed out, stalled), or the
// request was cancelled (the HttpCancelled kind, so a caller can tell the person's choice apart).
#include <stdexcept>

namespace exchange {

class HttpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class HttpCancelled : public HttpError {
 public:
  using HttpError::HttpError;
};

}  // namespace exchange
