#include "store/Records.h"

#include "store/Query.h"

namespace store {

ChangeMark ChangeMarkFromText(std::string_view text) {
  if (text == "*") return ChangeMark::CreatedLocally;
  if (text == "+") return ChangeMark::EditedLocally;
  return ChangeMark::InStep;
}

const char* ChangeMarkText(ChangeMark mark) {
  switch (mark) {
    case ChangeMark::CreatedLocally: return "*";
    case ChangeMark::EditedLocally: return "+";
    case ChangeMark::InStep: break;
  }
  return "";
}

TermRecord ReadTermRecord(const Query& query) {
  TermRecord term;
  term.euphUid = query.FieldByName("EUPH_UID").AsInteger();
  term.euphemizm = query.FieldByName("EUPHEMIZM").AsString();
  term.etiology = query.FieldByName("ETIOLOGY").AsString();
  term.description = query.FieldByName("DESCRIPTION").AsString();
  term.sectionUid = query.FieldByName("SECTION_UID").AsInteger();
  term.changed = ChangeMarkFromText(query.FieldByName("CHANGED").AsView());
  return term;
}

SectionRecord ReadSectionRecord(const Query& query) {
  SectionRecord section;
  section.sectionUid = query.FieldByName("SECTION_UID").AsInteger();
  section.sectionName = query.FieldByName("SECTION_NAME").AsString();
  section.sectionName.erase(section.sectionName.find_last_not_of(' ') + 1);
  return section;
}

}  // namespace store
