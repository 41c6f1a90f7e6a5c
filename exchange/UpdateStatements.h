#pragma once
// The statements that apply an update document to the store, filled from its records. Values
// are placed as they stand, nothing escaped; keys passed IsIntegerKey. A change statement that
// the store rejects is reported to the user as its whole text, so each text here is also that
// failure message.
#include <optional>
#include <string>
#include <string_view>

#include "exchange/UpdateRecords.h"
#include "store/FieldValues.h"

namespace exchange {

// What the store runs in place of the filled change statements below: the same statements with the
// values bound to "?" parameters, so a double quote in a received text is stored as it came instead
// of ending the literal. The filled texts stay what a rejected statement is shown as.
namespace bound_statements {
// The look-ups take the key as a parameter, so one prepared statement serves a whole document. Of
// a term only whether it is stored counts: its texts (an article blob) are not fetched.
inline constexpr std::string_view SelectSectionByKey = "select * from SECTIONS where SECTION_UID = ?";
inline constexpr std::string_view SelectTermByKey = "select EUPH_UID from EUPHEMIZMS where EUPH_UID = ?";
inline constexpr std::string_view InsertSection = "insert into SECTIONS (SECTION_NAME, SECTION_UID) values (?, ?)";
inline constexpr std::string_view UpdateSectionName = "update SECTIONS set SECTION_NAME = ? where SECTION_UID = ?";
inline constexpr std::string_view InsertProducerTerm =
    "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, EUPH_UID) values (?, ?, ?, ?, ?)";
inline constexpr std::string_view UpdateProducerTerm =
    "update EUPHEMIZMS set EUPHEMIZM = ?, ETIOLOGY = ?, DESCRIPTION = ?, CHANGED = \"\" where EUPH_UID = ?";
}  // namespace bound_statements

// One change statement as it is run and as it is reported.
struct UpdateChange {
  std::string_view bound;         // a bound_statements text, or one without parameters
  store::ParameterValues values;  // for its "?" in order
  std::string shown;              // the statement with the values in place
};

// The look-ups with the key in place; run as the bound forms above.
std::string CategoryLookupStatement(const ProducerCategory& category);
// `storedName` is the found row's SECTION_NAME, or nothing when the look-up found no row. A stored
// name equal to the received one once its surrounding blanks and control characters are gone
// leaves the category as it is.
std::string CategoryChangeStatement(const ProducerCategory& category, const std::optional<std::string>& storedName);

std::string TermLookupStatement(const ProducerTerm& term);
// A known term keeps its local category and loses its local change mark; a new one takes the
// document's category and no mark.
std::string TermChangeStatement(const ProducerTerm& term, bool known);

// The same decisions, each with the bound form it is run as.
UpdateChange CategoryChange(const ProducerCategory& category, const std::optional<std::string>& storedName);
UpdateChange TermChange(const ProducerTerm& term, bool known);

// The message shown when the store rejects a change statement: the statement itself.
std::string FailedUpdateStatementMessage(std::string_view statement);

}  // namespace exchange
