#include "store/Field.h"

#include <charconv>

#include "store/DatabaseError.h"
#include "store/Query.h"

namespace store {

const std::string& Field::Name() const { return query_->FieldName(column_); }

std::string_view Field::AsView() const {
  const int row = query_->RecNo();
  return row < 0 ? std::string_view() : query_->Text(row, column_);
}

std::string Field::AsString() const { return std::string(AsView()); }

bool Field::IsNull() const {
  const int row = query_->RecNo();
  return row < 0 || query_->IsNull(row, column_);
}

std::int32_t Field::AsInteger() const {
  if (IsNull()) return 0;
  std::string_view text = AsView();
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  text = first == std::string_view::npos ? std::string_view() : text.substr(first, last - first + 1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    throw DatabaseError("'" + std::string(AsView()) + "' is not a valid integer value");
  }
  return value;
}

}  // namespace store
