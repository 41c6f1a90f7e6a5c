#include "browse/Categories.h"

#include <string>

#include "platform/QtText.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "text/KorStrUtils.h"
#include "widgets/CollapsibleBar.h"

namespace browse {

void LoadCategories(store::Query& query, widgets::CollapsibleBar& categoryBar) {
  query.SetSQL(std::string(store::statements::SelectSectionNames));
  query.Open();
  categoryBar.ClearItems();
  const int names = query.FieldIndex("SECTION_NAME");
  for (int row = 0; row < query.RecordCount(); ++row) {
    const std::string caption = text::TrimTrailingBlanks(query.Text(row, names));
    categoryBar.AddItem(platform::ToQString(caption), row);
  }
}

}  // namespace browse
