#pragma once
// Putting content into the published handbook other than by accepting readers' changes: importing a
// handbook, and marking as published what was changed by other means (an editor's own SQL, say).
// Each call is one transaction and records one publication when it published anything.
#include <filesystem>
#include <string_view>
#include <vector>

#include "text/DateTime.h"

namespace store {
class Database;
}

namespace producer {

struct PublishedCount {
  int categories = 0;
  int terms = 0;
  int skipped = 0;  // terms with a reader's own key, which the producer never publishes

  bool operator==(const PublishedCount&) const = default;
};

// Every category and every term of the handbook database `handbookFile` (embedded), published at
// `now`: rows with the same key are replaced, the others added.
PublishedCount ImportHandbook(store::Database& database, const std::filesystem::path& handbookFile, text::DateTime now);

// The same from a data script in the handbook's format (db/demo.sql), through a scratch handbook.
PublishedCount ImportDataScript(store::Database& database, std::string_view scriptUtf8, text::DateTime now);

// Categories and terms never published (added by other means): published at `now`.
PublishedCount PublishUnpublished(store::Database& database, text::DateTime now);

// The named categories and terms published again at `now`. Throws std::invalid_argument naming
// a key that is not there; then nothing is published.
PublishedCount PublishKeys(store::Database& database, const std::vector<int>& categories, const std::vector<int>& terms,
                           text::DateTime now);

}  // namespace producer
