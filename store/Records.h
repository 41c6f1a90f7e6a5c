#pragma once
// The shared record types: a row of EUPHEMIZMS, a row of SECTIONS, the CHANGED mark.
#include <cstdint>
#include <string>
#include <string_view>

namespace store {

class Query;

// The CHANGED column: "*" created locally, "+" edited locally, empty or NULL in step.
enum class ChangeMark { InStep, CreatedLocally, EditedLocally };

ChangeMark ChangeMarkFromText(std::string_view text);
const char* ChangeMarkText(ChangeMark mark);  // "", "*" or "+"

struct TermRecord {
  std::int32_t euphUid = 0;
  std::string euphemizm;    // texts as stored (Windows-1251, trailing blanks kept)
  std::string etiology;
  std::string description;
  std::int32_t sectionUid = 0;
  ChangeMark changed = ChangeMark::InStep;
};

struct SectionRecord {
  std::int32_t sectionUid = 0;
  std::string sectionName;  // trailing blanks removed
};

// Read from the query's current row, fields by name.
TermRecord ReadTermRecord(const Query& query);
SectionRecord ReadSectionRecord(const Query& query);

}  // namespace store
