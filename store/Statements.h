#pragma once
// Every statement the program issues, as templates for Format: text values go inside the double
// quotes the templates already hold (dialect 1 string literals), integers bare; "%%" is one "%".
#include <string_view>
#include <vector>

namespace store::statements {

// Start-up and browsing.
inline constexpr std::string_view SelectSectionNames =
    "select section_name from sections order by section_uid";
inline constexpr std::string_view SelectFirstSectionTerms =
    "select * from EUPHEMIZMS where section_uid = 0 order by EUPHEMIZM";
inline constexpr std::string_view SelectSectionTerms =
    "select * from EUPHEMIZMS where section_uid = %d order by EUPHEMIZM";
// A category's name when the category bar has no item for it.
inline constexpr std::string_view SelectSectionName =
    "select section_name from sections where section_uid = %d";
inline constexpr std::string_view SearchTerms =
    "select * from EUPHEMIZMS where upper(EUPHEMIZM collate PXW_CYRL) like \"%%%s%%\" or "
    "upper(ETIOLOGY collate PXW_CYRL) like \"%%%s%%\" order by EUPHEMIZM";

// Article editing; the update object's statements bind parameters.
inline constexpr std::string_view InsertLocalTerm =
    "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) values "
    "(\"%s\", \"%s\", \"%s\", %d, \"*\")";
// What adding executes: the same with the values bound, since a long article would make the text
// too long for a statement. The template above still spells a failed add out to the user.
inline constexpr std::string_view InsertLocalTermBound =
    "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) values "
    "(?, ?, ?, ?, \"*\")";
inline constexpr std::string_view ModifyTerm =
    "update EUPHEMIZMS\n"
    "set\n"
    "  CHANGED = :CHANGED,\n"
    "  EUPHEMIZM = :EUPHEMIZM,\n"
    "  ETIOLOGY = :ETIOLOGY,\n"
    "  DESCRIPTION = :DESCRIPTION\n"
    "where\n"
    "  EUPH_UID = :OLD_EUPH_UID";
inline constexpr std::string_view DeleteTerm =
    "delete from EUPHEMIZMS\n"
    "where\n"
    "  EUPH_UID = :OLD_EUPH_UID";
inline constexpr std::string_view InsertTermRow =
    "insert into EUPHEMIZMS\n"
    "  (CHANGED, EUPHEMIZM, ETIOLOGY, DESCRIPTION)\n"
    "values\n"
    "  (:CHANGED, :EUPHEMIZM, :ETIOLOGY, :DESCRIPTION)";

// Sending changes.
inline constexpr std::string_view SelectEditedTerms = "select * from EUPHEMIZMS where changed = \"+\"";
inline constexpr std::string_view SelectCreatedTerms = "select * from EUPHEMIZMS where changed = \"*\"";
inline constexpr std::string_view DeleteCreatedTerms = "delete from EUPHEMIZMS where changed = \"*\"";
inline constexpr std::string_view ClearEditedMarks =
    "update EUPHEMIZMS set changed = \"\" where changed = \"+\"";

// Applying an update; the two look-ups are followed by the key text.
inline constexpr std::string_view SelectSectionByKey = "select * from SECTIONS where SECTION_UID = ";
inline constexpr std::string_view InsertSection =
    "insert into SECTIONS (SECTION_NAME, SECTION_UID) values (\"%s\", \"%s\")";
inline constexpr std::string_view UpdateSectionName =
    "update SECTIONS set SECTION_NAME = \"%s\" where SECTION_UID = %s";
inline constexpr std::string_view KeepSection = "select 0 from SECTIONS";
inline constexpr std::string_view SelectTermByKey = "select * from EUPHEMIZMS where EUPH_UID = ";
inline constexpr std::string_view InsertProducerTerm =
    "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, EUPH_UID) values "
    "(\"%s\", \"%s\", \"%s\", \"%s\", \"%s\")";
inline constexpr std::string_view UpdateProducerTerm =
    "update EUPHEMIZMS set EUPHEMIZM = \"%s\", ETIOLOGY = \"%s\", DESCRIPTION = \"%s\", "
    "CHANGED = \"\" where EUPH_UID = %s";

// Editorial tools.
inline constexpr std::string_view SelectTermByHeadword =
    "select * from EUPHEMIZMS where upper(EUPHEMIZM collate PXW_CYRL) = \"%s\"";

struct CatalogueEntry {
  int number;  // 1 to 19; 0 for the update object's insert statement and the section-name look-up
  std::string_view name;
  std::string_view text;
};

// All of the above, in order.
const std::vector<CatalogueEntry>& Catalogue();

}  // namespace store::statements
