#pragma once
// The statements that apply an update document to the store, filled from its records. Values
// are placed as they stand, nothing escaped; keys passed IsIntegerKey. A change statement that
// the store rejects is reported to the user as its whole text, so each text here is also that
// failure message.
#include <optional>
#include <string>
#include <string_view>

#include "exchange/UpdateRecords.h"

namespace exchange {

std::string CategoryLookupStatement(const ProducerCategory& category);
// `storedName` is the found row's SECTION_NAME, or nothing when the look-up found no row. A stored
// name equal to the received one once its surrounding blanks and control characters are gone
// leaves the category as it is.
std::string CategoryChangeStatement(const ProducerCategory& category, const std::optional<std::string>& storedName);

std::string TermLookupStatement(const ProducerTerm& term);
// A known term keeps its local category and loses its local change mark; a new one takes the
// document's category and no mark.
std::string TermChangeStatement(const ProducerTerm& term, bool known);

// The message shown when the store rejects a change statement: the statement itself.
std::string FailedUpdateStatementMessage(std::string_view statement);

}  // namespace exchange
