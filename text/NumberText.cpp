#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "text/DecimalDigits.h"
#include "text/FormatSettings.h"

namespace text {
namespace {

constexpr int kMaxSignificant = 15;

std::string PadDigits(std::string digits, int minDigits) {
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  return digits;
}

// Infinity and NaN have no digits; the text says what they are.
bool SpecialText(double value, std::string& out) {
  if (std::isnan(value)) {
    out = "NAN";
    return true;
  }
  if (std::isinf(value)) {
    out = value < 0 ? "-INF" : "INF";
    return true;
  }
  return false;
}

std::string ExponentPart(int exponent, bool alwaysSign) {
  std::string out = "E";
  if (exponent < 0) {
    out += '-';
  } else if (alwaysSign) {
    out += '+';
  }
  return out + PadDigits(std::to_string(std::abs(exponent)), 3);
}

// Integer part and `decimals` fraction digits of an already rounded value, without sign.
std::string FixedDigits(const DecimalDigits& d, int decimals, char thousandSeparator) {
  std::string whole;
  if (d.pointPos <= 0 || d.IsZero()) {
    whole = "0";
  } else {
    for (int i = 0; i < d.pointPos; ++i) {
      if (thousandSeparator && i > 0 && (d.pointPos - i) % 3 == 0) whole += thousandSeparator;
      whole += d.DigitAt(i);
    }
  }
  if (decimals <= 0) return whole;
  whole += CurrentFormatSettings().decimalSeparator;
  for (int i = 0; i < decimals; ++i) whole += d.DigitAt(d.pointPos + i);
  return whole;
}

std::string Signed(const DecimalDigits& d, std::string body) {
  return d.negative && !d.IsZero() ? "-" + body : body;
}

std::string FixedWithSeparator(double value, int decimals, char thousandSeparator) {
  std::string special;
  if (SpecialText(value, special)) return special;
  DecimalDigits d = DecimalDigits::Of(value);
  d.RoundTo(d.pointPos + decimals);
  return Signed(d, FixedDigits(d, decimals, thousandSeparator));
}

}  // namespace

std::string SignedDecimalText(std::int64_t value, int minDigits) {
  const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::string digits = PadDigits(std::to_string(magnitude), minDigits);
  return value < 0 ? "-" + digits : digits;
}

std::string UnsignedDecimalText(std::uint64_t value, int minDigits) { return PadDigits(std::to_string(value), minDigits); }

std::string HexText(std::uint64_t value, int minDigits) {
  std::string digits;
  do {
    digits += "0123456789ABCDEF"[value & 0xF];
    value >>= 4;
  } while (value);
  std::reverse(digits.begin(), digits.end());
  return PadDigits(digits, minDigits);
}

std::string ExponentText(double value, int precision) {
  std::string special;
  if (SpecialText(value, special)) return special;
  precision = std::clamp(precision, 1, kMaxSignificant);
  DecimalDigits d = DecimalDigits::Of(value);
  d.RoundTo(precision);
  std::string body(1, d.DigitAt(0));
  if (precision > 1) {
    body += CurrentFormatSettings().decimalSeparator;
    for (int i = 1; i < precision; ++i) body += d.DigitAt(i);
  }
  return Signed(d, body + ExponentPart(d.IsZero() ? 0 : d.pointPos - 1, true));
}

std::string FixedText(double value, int decimals) { return FixedWithSeparator(value, decimals, 0); }

std::string GeneralText(double value, int precision) {
  std::string special;
  if (SpecialText(value, special)) return special;
  precision = std::clamp(precision, 1, kMaxSignificant);
  DecimalDigits d = DecimalDigits::Of(value);
  d.RoundTo(precision);
  if (d.IsZero()) return "0";
  const int exponent = d.pointPos - 1;
  const int size = static_cast<int>(d.digits.size());
  std::string body;
  if (d.pointPos <= precision && exponent >= -5) {
    body = FixedDigits(d, std::max(0, size - d.pointPos), 0);
  } else {
    body = d.digits.substr(0, 1);
    if (size > 1) body += CurrentFormatSettings().decimalSeparator + d.digits.substr(1);
    body += ExponentPart(exponent, false);
  }
  return Signed(d, body);
}

std::string ThousandsText(double value, int decimals) {
  return FixedWithSeparator(value, decimals, CurrentFormatSettings().thousandSeparator);
}

std::string CurrencyText(double value, int decimals) {
  const FormatSettings& settings = CurrentFormatSettings();
  std::string amount = ThousandsText(value, decimals);
  const bool negative = amount[0] == '-';
  if (negative) amount.erase(0, 1);
  const std::string gap = settings.currencySpaced ? " " : "";
  const std::string text = settings.currencyAfterAmount ? amount + gap + settings.currencyString
                                                        : settings.currencyString + gap + amount;
  return negative ? "-" + text : text;
}

}  // namespace text
