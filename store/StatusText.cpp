#include "store/StatusText.h"

#include "text/Cp1251.h"

namespace store {

bool IsMultibyteUtf8(std::string_view bytes) {
  bool multibyte = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 1;
    char32_t least = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, least = 0x10000;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are not UTF-8.
    if (codePoint < least || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) return false;
    multibyte = true;
    i += length;
  }
  return multibyte;
}

std::string StatusArgumentText(std::string_view argument) {
  return IsMultibyteUtf8(argument) ? text::Utf8ToCp1251(argument) : std::string(argument);
}

}  // namespace store
