#pragma once
// One column of a query's current row.
#include <cstdint>
#include <string>
#include <string_view>

namespace store {

class Query;

class Field {
 public:
  Field(const Query& query, int column) : query_(&query), column_(column) {}

  const std::string& Name() const;
  int Index() const { return column_; }
  // Windows-1251 bytes exactly as stored, trailing blanks included; NULL (or no row) gives "".
  std::string AsString() const;
  std::string_view AsView() const;
  // 32-bit signed; NULL gives 0; a text that is not an integer throws DatabaseError.
  std::int32_t AsInteger() const;
  bool IsNull() const;

 private:
  const Query* query_;
  int column_;
};

}  // namespace store
