#pragma once
// The HTML fragment that shows one article in a card (Windows-1251 in, Windows-1251 out): the
// headword in bold, the origin in orange italics between parentheses, the description two lines
// below, indented. A description "См. <headword>." becomes a link to that headword. Stored text
// is inserted as it is, markup included: nothing is escaped.
#include <string>
#include <string_view>

namespace store {
struct TermRecord;
}

namespace cards {

std::string BuildArticleHtml(std::string_view headword, std::string_view origin, std::string_view description);
std::string BuildArticleHtml(const store::TermRecord& term);

}  // namespace cards
