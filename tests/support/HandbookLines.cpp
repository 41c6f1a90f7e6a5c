#include "tests/support/HandbookLines.h"

#include "store/QuoteLiteral.h"

namespace testing_support {
namespace {

std::string LiteralOrNull(const std::string& value) {
  return value.empty() ? std::string("NULL") : store::QuoteLiteral(value);
}

}  // namespace

std::string SectionLine(int uid, const std::string& name) {
  return "insert into SECTIONS (SECTION_UID, SECTION_NAME) values (" + std::to_string(uid) + ", " +
         store::QuoteLiteral(name) + ");";
}

std::string TermLine(int uid, const std::string& headword, const std::string& origin, const std::string& description,
                     int section, const std::string& changed) {
  return "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) values (" +
         std::to_string(uid) + ", " + store::QuoteLiteral(headword) + ", " + LiteralOrNull(origin) + ", " +
         store::QuoteLiteral(description) + ", " + std::to_string(section) + ", " + LiteralOrNull(changed) + ");";
}

}  // namespace testing_support
