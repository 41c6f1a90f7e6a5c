#pragma once
// The category bar's items: one per row of SECTIONS in the order of their numbers, captioned with
// the section's name and tagged with its position, so item i stands for section i.
namespace store {
class Query;
}
namespace widgets {
class CollapsibleBar;
}

namespace browse {

// Runs the category list on `query` (left open) and refills the bar; throws DatabaseError.
void LoadCategories(store::Query& query, widgets::CollapsibleBar& categoryBar);

}  // namespace browse
