#include "producer/UpdateCache.h"

#include "exchange/UpdateDocumentWriter.h"
#include "producer/GzipStream.h"
#include "producer/PublishedHandbook.h"
#include "producer/SharedDatabase.h"

namespace producer {
namespace {

std::shared_ptr<const BuiltUpdate> Build(const PublishedUpdate& published) {
  auto built = std::make_shared<BuiltUpdate>();
  if (published.terms.empty() || published.categories.empty()) return built;
  built->termCount = published.terms.size();
  built->document = exchange::WriteUpdateDocument(std::nullopt, published.categories, published.terms);
  built->gzipBody = GzipCompress(built->document);
  return built;
}

}  // namespace

std::shared_ptr<const BuiltUpdate> UpdateCache::Since(const std::string& since) {
  const std::lock_guard lock(mutex_);
  const auto now = std::chrono::steady_clock::now();
  if (now - checked_ < recheck_) {
    if (const auto kept = documents_.find(since); kept != documents_.end()) return kept->second;
  }
  const std::lock_guard databaseLock(shared_.mutex);
  store::Database& database = shared_.database;
  try {
    // The latest publication and the rows read in the same transaction: the document matches it.
    const int latest = LatestPublication(database);
    checked_ = now;
    if (latest != publication_) {
      documents_.clear();
      publication_ = latest;
    }
    if (const auto kept = documents_.find(since); kept != documents_.end()) {
      database.Commit();
      return kept->second;
    }
    std::shared_ptr<const BuiltUpdate> built = Build(ReadPublishedSince(database, since));
    database.Commit();
    if (documents_.size() >= kMaxDocuments) documents_.clear();
    documents_.emplace(since, built);
    return built;
  } catch (...) {
    try {
      database.Rollback();
    } catch (...) {
      // The first error says more.
    }
    throw;
  }
}

}  // namespace producer
