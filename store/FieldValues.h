#pragma once
// A row as named values, for binding the update object's parameters, and the values of a
// statement's "?" parameters in order. NULL is std::nullopt.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

struct FieldValue {
  std::string name;
  std::optional<std::string> value;
};

using FieldValues = std::vector<FieldValue>;
using ParameterValues = std::vector<std::optional<std::string>>;

// The value named so, compared without regard to case; nullptr when there is none.
const FieldValue* FindFieldValue(const FieldValues& values, std::string_view name);

}  // namespace store
