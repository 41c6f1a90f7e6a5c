#pragma once
// The Qt boundary: the handbook's Windows-1251 bytes become QString here and nowhere else.
#include <QString>

#include <string>
#include <string_view>

#include "text/Cp1251.h"

namespace platform {

inline QString ToQString(std::string_view cp1251) {
  const std::u16string utf16 = text::Cp1251ToUtf16(cp1251);
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

inline std::string FromQString(const QString& value) {
  return text::Utf16ToCp1251(
      std::u16string_view(reinterpret_cast<const char16_t*>(value.utf16()), static_cast<std::size_t>(value.size())));
}

}  // namespace platform
