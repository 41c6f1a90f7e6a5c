#include "browse/TermSearch.h"

#include "platform/MessageBoxes.h"
#include "store/Query.h"
#include "store/QuoteLiteral.h"
#include "store/Statements.h"
#include "text/AnsiCase.h"
#include "text/Cp1251.h"
#include "text/Format.h"

namespace browse {

std::string SearchTooShortMessage() { return text::Utf8ToCp1251("Пожалуйста, конкретизируйте поиск"); }

std::string NothingFoundMessage() { return text::Utf8ToCp1251("Не найдено ни одной записи"); }

std::string SearchStatement(std::string_view typed) {
  // Quotes doubled, so the text cannot end the literal and rewrite the statement.
  const std::string body = store::LiteralBody(text::AnsiUpperCase(typed));
  return text::Format(store::statements::SearchTerms, {body, body});
}

bool SearchTerms(store::Query& hits, std::string_view typed) {
  if (typed.size() < static_cast<std::size_t>(kShortestSearchText)) {
    platform::Boxes().Ask(SearchTooShortMessage(), "", platform::MessageButtons::Ok, platform::MessageIcon::None);
    return false;
  }
  hits.SetSQL(SearchStatement(typed));
  hits.Open();
  return true;
}

}  // namespace browse
