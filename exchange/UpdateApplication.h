#pragma once
// Applies a read update document to the handbook: the producer's message, the categories
// (committed on their own once all are read), the terms, and the commit that ends a whole document.
// A change statement the store rejects is shown as its text and the run goes on with the next one.
// Whatever way it ends, the term list is listed again, since a commit closes it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/UpdateRecords.h"

namespace store {
class Database;
class Query;
}  // namespace store

namespace exchange {

// The parts of the handbook's state an update touches, all on the one transaction.
struct UpdateTarget {
  store::Database& database;
  store::Query& lookups;   // finds the stored category or term by its key
  store::Query& termList;  // the list behind the term grid
  std::int32_t currentSection;
};

struct UpdateApplication {
  // Complete: everything applied and committed; the caller records the date of this update.
  // InvalidData and DigestMismatch: the invalid-data message was shown and the date stays, so the
  // next check asks for the same period again; a mismatch applied nothing.
  UpdateOutcome outcome;
  // The titles of the new and updated terms in document order, those whose statement failed
  // included: the report list.
  std::vector<std::string> reportTitles;
};

// Told before the first term and after each one: how many of all terms have been applied.
using TermsAppliedProgress = std::function<void(std::size_t applied, std::size_t all)>;

// `supportEmail` ends the invalid-data message. Throws DatabaseError when a look-up, a commit or
// the term list fails; the term list is listed again first (as far as the store lets it).
UpdateApplication ApplyUpdateDocument(const UpdateTarget& target, const UpdateDocument& document,
                                      std::string_view supportEmail, const TermsAppliedProgress& progress = {});

}  // namespace exchange
