#pragma once
// A floating-point number as decimal digits, the common ground of the float conversions of Format.
// The value is taken to 15 significant digits first, so 1.005 rounds to 1.01 as it was written,
// and rounding of the digits goes half away from zero.
#include <string>

namespace text {

struct DecimalDigits {
  bool negative = false;
  std::string digits;  // significant digits without trailing zeros; empty for zero
  int pointPos = 0;    // value = 0.digits * 10^pointPos

  static DecimalDigits Of(double value);
  // Keeps the first `count` digits (none when count <= 0), rounding the rest away.
  void RoundTo(int count);
  bool IsZero() const { return digits.empty(); }
  char DigitAt(int index) const;  // '0' outside the stored digits
};

}  // namespace text
