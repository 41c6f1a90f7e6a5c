#include "store/LocateRow.h"

#include <string>

#include "store/TextCompare.h"
#include "store/Query.h"
#include "text/AnsiCase.h"

namespace store {

bool LocateRow(Query& query, std::string_view column, std::string_view value, unsigned options) {
  const bool ignoreCase = options & LocateCaseInsensitive;
  const bool prefix = options & LocatePrefix;
  if (!query.IsOpen() || (prefix && value.empty())) return false;
  const int columnIndex = query.FieldByName(column).Index();
  const std::string wanted = ignoreCase ? text::AnsiUpperCase(value) : std::string(value);
  const int rows = query.RecordCount();
  for (int row = 0; row < rows; ++row) {
    std::string_view text = query.Text(row, columnIndex);
    if (prefix) {
      if (text.size() < wanted.size()) continue;
      text = text.substr(0, wanted.size());
    }
    if (text.size() != wanted.size()) continue;
    if (ignoreCase ? SameTextIgnoringCase(text, wanted) : text == wanted) {
      query.MoveTo(row);
      return true;
    }
  }
  return false;
}

}  // namespace store
