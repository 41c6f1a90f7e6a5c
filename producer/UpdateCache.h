#pragma once
// The update documents the server has built, one a request date, kept until something new is
// published: the same date then gives the same bytes, and a count request and the download that
// follows it agree on the size.
#include <chrono>
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
  // `recheck`: how long a kept document is given out before the database is asked again whether
  // something new was published. Asking costs a transaction, which is most of a request's time.
  UpdateCache(SharedDatabase& shared, std::chrono::milliseconds recheck) : shared_(shared), recheck_(recheck) {}

  // The update for everything published since `since` (a checked timestamp text). A document not
  // kept yet is built from the database, which also tells the latest publication; a new one drops
  // every document kept.
  std::shared_ptr<const BuiltUpdate> Since(const std::string& since);

  // Dates a reader may send are many; beyond this many documents the oldest set is dropped.
  static constexpr std::size_t kMaxDocuments = 64;

 private:
  SharedDatabase& shared_;
  const std::chrono::milliseconds recheck_;
  std::mutex mutex_;  // before shared_.mutex, never after it
  std::chrono::steady_clock::time_point checked_;
  int publication_ = -1;
  std::map<std::string, std::shared_ptr<const BuiltUpdate>> documents_;
};

}  // namespace producer
