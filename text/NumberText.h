#pragma once
// The number conversions of Format, one per specifier type. Precisions are already resolved
// (the defaults applied); separators and currency come from the current FormatSettings.
#include <cstdint>
#include <string>

namespace text {

// %d: a minus sign when negative, then at least minDigits digits.
std::string SignedDecimalText(std::int64_t value, int minDigits);
// %u: at least minDigits digits.
std::string UnsignedDecimalText(std::uint64_t value, int minDigits);
// %x and %p: upper-case hexadecimal, at least minDigits digits.
std::string HexText(std::uint64_t value, int minDigits);

// %e: -d.dddE+ddd with `precision` significant digits (1 to 15) and at least three exponent digits.
std::string ExponentText(double value, int precision);
// %f: -ddd.ddd with `decimals` digits after the decimal separator.
std::string FixedText(double value, int decimals);
// %g: the shorter of fixed and scientific with `precision` significant digits, no trailing zeros.
std::string GeneralText(double value, int precision);
// %n: like %f with thousand separators.
std::string ThousandsText(double value, int decimals);
// %m: like %n with the currency sign placed as the settings say.
std::string CurrencyText(double value, int decimals);

}  // namespace text
