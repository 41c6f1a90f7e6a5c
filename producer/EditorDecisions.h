#pragma once
// The editors' decisions on a received change set. Accepting publishes: an edited term whose key
// the producer published replaces that term; a term the reader created, or one whose key lies in
// the readers' own range (or is unknown here), becomes a new published term with the next key
// below that range, in the category the editor names. Each call is one transaction.
#include <optional>
#include <stdexcept>
#include <vector>

#include "text/DateTime.h"

namespace store {
class Database;
}

namespace producer {

// A decision that cannot be made as asked: no such set or term, a term decided already, a new
// term without a category. Nothing of the call stays.
class DecisionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct AcceptedTerm {
  int termNo = 0;
  int publishedUid = 0;
  bool replaced = false;  // an existing published term, else a new one

  bool operator==(const AcceptedTerm&) const = default;
};

// `termNos` empty: every undecided term of the set. `category` is where new terms go.
std::vector<AcceptedTerm> AcceptChanges(store::Database& database, int setId, const std::vector<int>& termNos,
                                        std::optional<int> category, text::DateTime now);

// Returns how many terms were rejected.
int RejectChanges(store::Database& database, int setId, const std::vector<int>& termNos);

}  // namespace producer
