#include "store/StatusText.h"

#include "text/Cp1251.h"

namespace store {

std::string StatusArgumentText(std::string_view argument) {
  return text::IsMultibyteUtf8(argument) ? text::Utf8ToCp1251(argument) : std::string(argument);
}

}  // namespace store
