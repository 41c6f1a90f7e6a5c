#pragma once
// A download of an update that failed: the body could not be read to a document the program
// takes. The download ends silently on it; the text is there for tests and debugging.
#include <stdexcept>

namespace exchange {

class UpdateDownloadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace exchange
