#pragma once
// The update documents the server has built, one a request date, kept until something new is
// published: the same date then gives the same bytes, and a count request and the download that
// follows it agree on the size.
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace producer {

struct SharedDatabase;

struct BuiltUpdate {
  std::size_t termCount = 0;  // 0: nothing to send, and no document
  std::string document;       // digest line first
  std::string gzipBody;       // what the download sends to a client that accepts gzip
};

class UpdateCache {
 public:
  explicit UpdateCache(SharedDatabase& shared) : shared_(shared) {}

  // The update for everything published since `since` (a checked timestamp text). Asks the
  // database for the latest publication each time; a new one drops every document kept.
  std::shared_ptr<const BuiltUpdate> Since(const std::string& since);

  // Dates a reader may send are many; beyond this many documents the oldest set is dropped.
  static constexpr std::size_t kMaxDocuments = 64;

 private:
  SharedDatabase& shared_;
  int publication_ = -1;
  std::map<std::string, std::shared_ptr<const BuiltUpdate>> documents_;
};

}  // namespace producer
