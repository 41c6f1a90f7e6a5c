#include "cards/LookupKeys.h"

#include "text/KorStrUtils.h"

namespace cards {

std::string CrossReferenceKey(std::string_view src) { return text::TrimBlanks(text::DropLastChar(src)); }

std::string SelectionKey(std::string_view selected) {
  return text::TrimBlanks(text::RemoveChars(selected, text::MakeCharSet(".")));
}

}  // namespace cards
