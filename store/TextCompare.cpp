#include "store/TextCompare.h"

#include "text/AnsiCase.h"

namespace store {

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (text::AnsiUpperChar(a[i]) != text::AnsiUpperChar(b[i])) return false;
  }
  return true;
}

}  // namespace store
