#pragma once
// Writes an update document in the line layout the handbook's reader walks (UpdateDocumentReader):
// the digest line, the optional message, two opening lines, four lines a category, "</sections>",
// seven lines a term, and "</update>" with no line end after it. Values go in raw; only their
// line breaks become "<br />", since a value may not span lines of the document.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "exchange/UpdateRecords.h"

namespace exchange {

// Every CR LF, LF CR, lone LF and lone CR of `value` written as "<br />": uploads carry CR LF,
// readers store LF CR (what "<br />" becomes on their side).
std::string EncodeLineBreaks(std::string_view value);

// The whole document, its digest line first. Needs at least one category and one term (the reader
// always reads one of each); throws std::invalid_argument otherwise, or when a key is not an
// integer.
std::string WriteUpdateDocument(const std::optional<std::string>& info, std::span<const ProducerCategory> categories,
                                std::span<const ProducerTerm> terms);

}  // namespace exchange
