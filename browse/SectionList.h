#pragma once
// Listing the terms of one section and naming it for the list header.
#include <cstdint>
#include <optional>
#include <string>

namespace store {
class Database;
class Query;
}  // namespace store
namespace widgets {
class CollapsibleBar;
}

namespace browse {

// Re-queries the term list with the section's terms ordered by headword; the first row becomes
// current. Throws DatabaseError; the list is then empty.
void ListSection(store::Query& termList, std::int32_t section);

// The header for a listed section: the caption of its category item, or, for a section that has
// no item (one that arrived with an update after start-up), its own name from SECTIONS. None when
// neither exists. Windows-1251, trailing blanks removed.
std::optional<std::string> SectionHeader(const widgets::CollapsibleBar& categoryBar, store::Database& database,
                                         std::int32_t section);

}  // namespace browse
