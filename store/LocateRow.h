#pragma once
// Makes the first row (from the top) of an open query whose column matches a value the current
// row. Exact match by default; CaseInsensitive upper-cases both texts by the Windows-1251 rules;
// Prefix matches a column text that begins with the value (an empty value then matches nothing).
// Returns whether a row was found; when none is, the current row stays.
#include <string_view>

namespace store {

class Query;

enum LocateOptions : unsigned {
  LocateExact = 0,
  LocateCaseInsensitive = 1u << 0,
  LocatePrefix = 1u << 1,
};

bool LocateRow(Query& query, std::string_view column, std::string_view value,
               unsigned options = LocateExact);

}  // namespace store
