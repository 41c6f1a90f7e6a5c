#pragma once
// The search bar's result list (JvListBox1): one entry per hit, showing its headword without
// trailing blanks and carrying its term key (EUPH_UID, in Qt::UserRole). Entries stand in
// alphabetical order of their text, whatever order the hits come in.
#include <cstdint>
#include <optional>

class QListWidget;

namespace store {
class Query;
}

namespace browse {

// Replaces the entries with the rows of `hits`, sorted, and leaves `hits` on its first row.
// Returns the number of rows.
int ListSearchHits(store::Query& hits, QListWidget& list);

// The term key of the selected entry; none when no entry is selected.
std::optional<std::int32_t> SelectedTermKey(const QListWidget& list);

}  // namespace browse
