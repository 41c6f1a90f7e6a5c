#include "exchange/UpdateKey.h"

#include <charconv>
#include <cstdint>

namespace exchange {

bool IsIntegerKey(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (digits.empty() || digits.front() < '0' || digits.front() > '9') return false;
  std::int64_t magnitude = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  if (error != std::errc() || end != digits.data() + digits.size()) return false;
  const std::int64_t value = text.front() == '-' ? -magnitude : magnitude;
  return value >= INT32_MIN && value <= INT32_MAX;
}

}  // namespace exchange
