#pragma once
// Reads a change document as readers send it (ChangeDocumentLines joined with CR LF): the
// declaration, "<update>", seven lines a term, "</update>" and a final CR LF. It is not XML: values
// are raw, "<", "&" and quotes included, and a value runs over several lines when it holds CR LF.
// A value therefore ends only where its closing tag is followed by the next line of the layout.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

struct ReceivedTerm {
  std::optional<std::int32_t> uid;  // none for a term the reader created ("<uid></uid>")
  std::string title;
  std::string etiology;
  std::string description;

  bool operator==(const ReceivedTerm&) const = default;
};

struct ChangeDocumentReading {
  std::vector<ReceivedTerm> terms;
  std::string fault;  // empty when the document was read whole; else a short reason

  bool Valid() const { return fault.empty(); }
};

// The terms in document order, or the first fault found. A document without terms reads as valid
// and empty.
ChangeDocumentReading ReadChangeDocument(std::string_view document);

}  // namespace exchange
