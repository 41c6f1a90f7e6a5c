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

inline std::u16string_view Utf16View(const QString& value) {
  return {reinterpret_cast<const char16_t*>(value.utf16()), static_cast<std::size_t>(value.size())};
}

// Characters outside Windows-1251 become '?' here; CodePointsWithoutCp1251 tells which ones first.
inline std::string FromQString(const QString& value) { return text::Utf16ToCp1251(Utf16View(value)); }

// The characters of `value` that FromQString would turn into '?', each once, in order.
inline std::u32string CodePointsWithoutCp1251(const QString& value) {
  return text::CodePointsWithoutCp1251(Utf16View(value));
}

// Index of the first of them in `value`, -1 when there is none.
inline qsizetype FirstWithoutCp1251(const QString& value) {
  const std::size_t at = text::FirstWithoutCp1251(Utf16View(value));
  return at == std::u16string_view::npos ? -1 : static_cast<qsizetype>(at);
}

}  // namespace platform
