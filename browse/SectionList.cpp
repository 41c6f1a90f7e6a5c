#include "browse/SectionList.h"

#include "platform/QtText.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "text/Format.h"
#include "text/KorStrUtils.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"

namespace browse {

void ListSection(store::Query& termList, std::int32_t section) {
  termList.SetSQL(text::Format(store::statements::SelectSectionTerms, {section}));
  termList.Open();
}

std::optional<std::string> SectionHeader(const widgets::CollapsibleBar& categoryBar, store::Database& database,
                                         std::int32_t section) {
  if (section >= 0 && section < categoryBar.ItemCount())
    return platform::FromQString(categoryBar.Item(section).text());
  store::Query lookup(database);
  lookup.SetSQL(text::Format(store::statements::SelectSectionName, {section}));
  lookup.Open();
  if (lookup.RecordCount() == 0) return std::nullopt;
  return text::TrimTrailingBlanks(lookup.FieldByName("SECTION_NAME").AsView());
}

}  // namespace browse
