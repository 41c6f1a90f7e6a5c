#pragma once
// What an update document asks of the store, read but not yet applied. Keys are kept as the
// texts received: they passed IsIntegerKey and go into the statements as they stand.
#include <optional>
#include <string>
#include <vector>

namespace exchange {

struct ProducerCategory {
  std::string uid;
  std::string name;

  bool operator==(const ProducerCategory&) const = default;
};

struct ProducerTerm {
  std::string uid;
  std::string sectionUid;
  std::string title;
  std::string etiology;
  std::string description;

  bool operator==(const ProducerTerm&) const = default;
};

enum class UpdateOutcome {
  DigestMismatch,  // nothing is applied; the update still counts as fetched
  Complete,        // everything read, the document ended with "</update>"
  InvalidData,     // apply what was read, then show InvalidUpdateDataMessage and stop
};

struct UpdateDocument {
  UpdateOutcome outcome = UpdateOutcome::DigestMismatch;
  // The producer's message, shown before anything is applied.
  std::optional<std::string> info;
  // In document order; applied and committed before any term.
  std::vector<ProducerCategory> categories;
  // Whether "</sections>" was reached: only then are the categories committed on their own.
  bool categoriesComplete = false;
  // In document order; their titles are the report list.
  std::vector<ProducerTerm> terms;
};

}  // namespace exchange
