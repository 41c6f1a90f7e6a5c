#pragma once
// Reads a downloaded update document into what is to be applied. The document is walked line
// by line with fixed skips, not parsed as XML; see UpdateCursor for how values are found.
#include <string>
#include <string_view>

#include "exchange/UpdateRecords.h"

namespace exchange {

// `document` is the whole unpacked document, digest line included.
UpdateDocument ReadUpdateDocument(std::string_view document);

// What the user is shown when the document does not have the expected shape.
std::string InvalidUpdateDataMessage(std::string_view supportEmail);

}  // namespace exchange
