#include "text/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace text {

DecimalDigits DecimalDigits::Of(double value) {
  DecimalDigits result;
  result.negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  if (magnitude == 0) return result;
  char buffer[40];
  // d.dddddddddddddde+XX: 15 significant digits.
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14).ptr;
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  const std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (text[i] != '.') result.digits += text[i];
  int exponent = 0;
  std::string_view exponentText = text.substr(e + 1);
  if (!exponentText.empty() && exponentText[0] == '+') exponentText.remove_prefix(1);
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  result.pointPos = exponent + 1;
  while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
  return result;
}

void DecimalDigits::RoundTo(int count) {
  const int size = static_cast<int>(digits.size());
  if (count >= size) return;
  if (count < 0) {
    digits.clear();
    return;
  }
  const bool up = digits[static_cast<std::size_t>(count)] >= '5';
  digits.resize(static_cast<std::size_t>(count));
  if (up) {
    int i = count - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++digits[static_cast<std::size_t>(i)];
    } else {
      digits.insert(digits.begin(), '1');
      ++pointPos;
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

char DecimalDigits::DigitAt(int index) const {
  return index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0';
}

}  // namespace text
