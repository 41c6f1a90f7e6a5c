// FormatEx with any pattern and values. The first byte picks the kinds of up to four values (two
// bits each: integer, floating-point, text, 64-bit unsigned); the rest is the pattern, then after
// a zero byte the text the values are made from. The only error allowed is FormatError.
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "text/FormatEx.h"

namespace {

std::vector<text::FormatArg> Values(std::uint8_t kinds, std::string_view source) {
  std::vector<text::FormatArg> values;
  for (int i = 0; i < 4; ++i) {
    const std::size_t from = std::min(source.size(), static_cast<std::size_t>(i) * 8);
    const std::string_view piece = source.substr(from, 8);
    std::int64_t number = 0;
    if (!piece.empty()) std::memcpy(&number, piece.data(), std::min<std::size_t>(piece.size(), sizeof number));
    switch ((kinds >> (2 * i)) & 3) {
      case 0: values.emplace_back(static_cast<std::int32_t>(number)); break;
      case 1: {
        double d = 0;
        std::memcpy(&d, &number, sizeof d);
        values.emplace_back(d);
        break;
      }
      case 2: values.emplace_back(piece); break;
      case 3: values.emplace_back(static_cast<std::uint64_t>(number)); break;
    }
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t zero = input.find('\0');
  const std::string_view pattern = input.substr(0, zero);
  const std::string_view source = zero == std::string_view::npos ? std::string_view() : input.substr(zero + 1);
  const std::vector<text::FormatArg> values = Values(data[0], source);
  try {
    text::FormatEx(pattern, values);
  } catch (const text::FormatError&) {
  }
  return 0;
}
