#pragma once
// Small update documents for the tests, in the producer's line layout: the digest line, the
// optional message, the categories, the terms, and "</update>" with no line end after it.
#include <optional>
#include <string>
#include <vector>

#include "exchange/UpdateRecords.h"

namespace exchange_test {

struct UpdateDocumentBuilder {
  std::optional<std::string> info;  // as written between the tags, "<br />" and all
  std::vector<exchange::ProducerCategory> categories;
  std::vector<exchange::ProducerTerm> terms;
  std::string ending = "</update>";

  // Everything after the digest line.
  std::string Lines() const;
  // The digest, then `restOfFirstLine`, LF and Lines(); the digest covers all after itself.
  std::string Signed(const std::string& restOfFirstLine = "") const;
};

// `afterDigest` preceded by its upper-case MD5.
std::string SignedText(const std::string& afterDigest);

}  // namespace exchange_test
