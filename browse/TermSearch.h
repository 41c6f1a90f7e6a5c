#pragma once
// The search command of the search bar: a piece of text looked for, in any letter case, in the
// headword or the origin of every term. Texts are Windows-1251.
#include <string>
#include <string_view>

namespace store {
class Query;
}

namespace browse {

// Shorter texts would list most of the handbook; blanks count as characters.
inline constexpr int kShortestSearchText = 3;

// "Пожалуйста, конкретизируйте поиск"
std::string SearchTooShortMessage();
// "Не найдено ни одной записи"
std::string NothingFoundMessage();

// The search statement for a typed text: upper-cased by the Windows-1251 rules and looked for
// anywhere in the headword or the origin, ordered by headword. A double quote in the text is
// looked for like any other character; "%" and "_" stay wildcards of the comparison.
std::string SearchStatement(std::string_view typed);

// Too short a text gets the short-text box (empty caption, no icon, OK) and leaves `hits` as it
// was; otherwise `hits` is opened on the search statement. Returns whether the search ran.
// Throws DatabaseError, leaving `hits` closed.
bool SearchTerms(store::Query& hits, std::string_view typed);

}  // namespace browse
