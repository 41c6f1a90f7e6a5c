#include "exchange/UpdateStatements.h"

#include "store/Statements.h"
#include "text/Format.h"
#include "text/KorStrUtils.h"

namespace exchange {

namespace statements = store::statements;

namespace {

bool KeepsStoredName(const ProducerCategory& category, const std::string& storedName) {
  return text::TrimBlanks(storedName) == category.name;
}

}  // namespace

std::string CategoryLookupStatement(const ProducerCategory& category) {
  return std::string(statements::SelectSectionByKey) + category.uid;
}

std::string CategoryChangeStatement(const ProducerCategory& category, const std::optional<std::string>& storedName) {
  if (!storedName) return text::Format(statements::InsertSection, {category.name, category.uid});
  if (KeepsStoredName(category, *storedName)) return std::string(statements::KeepSection);
  return text::Format(statements::UpdateSectionName, {category.name, category.uid});
}

std::string TermLookupStatement(const ProducerTerm& term) { return std::string(statements::SelectTermByKey) + term.uid; }

std::string TermChangeStatement(const ProducerTerm& term, bool known) {
  if (known) {
    return text::Format(statements::UpdateProducerTerm, {term.title, term.etiology, term.description, term.uid});
  }
  return text::Format(statements::InsertProducerTerm,
                      {term.title, term.etiology, term.description, term.sectionUid, term.uid});
}

UpdateChange CategoryChange(const ProducerCategory& category, const std::optional<std::string>& storedName) {
  std::string shown = CategoryChangeStatement(category, storedName);
  if (!storedName) return {bound_statements::InsertSection, {category.name, category.uid}, std::move(shown)};
  if (KeepsStoredName(category, *storedName)) return {statements::KeepSection, {}, std::move(shown)};
  return {bound_statements::UpdateSectionName, {category.name, category.uid}, std::move(shown)};
}

UpdateChange TermChange(const ProducerTerm& term, bool known) {
  std::string shown = TermChangeStatement(term, known);
  if (known) {
    return {bound_statements::UpdateProducerTerm, {term.title, term.etiology, term.description, term.uid},
            std::move(shown)};
  }
  return {bound_statements::InsertProducerTerm,
          {term.title, term.etiology, term.description, term.sectionUid, term.uid},
          std::move(shown)};
}

std::string FailedUpdateStatementMessage(std::string_view statement) { return std::string(statement); }

}  // namespace exchange
