#pragma once
// Equality of Windows-1251 texts without regard to letter case (field and parameter names,
// the row look-up).
#include <string_view>

namespace store {

bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace store
