#include "text/FormatEx.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "text/DateTimeValueText.h"
#include "text/FastPos.h"
#include "text/FormatExConverters.h"
#include "text/FormatSettings.h"
#include "text/KorStrUtils.h"

namespace text {
namespace {

bool IsOwnConversion(char c) { return c != '\0' && std::string_view("rtlihkoabcqzvy").find(c) != std::string_view::npos; }

// A whole integer as text: an optional sign, then decimal digits or "$"/"0x" and hexadecimal ones.
std::optional<int> ParseInteger(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.starts_with('$')) {
    base = 16;
    s.remove_prefix(1);
  } else if (s.starts_with("0x") || s.starts_with("0X")) {
    base = 16;
    s.remove_prefix(2);
  }
  long long value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, base);
  if (s.empty() || error != std::errc() || end != s.data() + s.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

class ExtendedFormatter {
 public:
  ExtendedFormatter(std::string_view pattern, std::span<const FormatArg> values) : pattern_(pattern), values_(values) {}

  std::string Run() {
    if (pattern_ == "%r" || pattern_ == "%t") return Convert(pattern_[1], Value(0));
    std::string accumulated;
    std::size_t pos = 0;
    while (pos < pattern_.size()) {
      const int q = FastPosEx("%", pattern_, static_cast<int>(pos) + 1);
      if (q == 0) {
        accumulated.append(pattern_.substr(pos));
        return Format(accumulated, standard_);
      }
      accumulated.append(pattern_.substr(pos, static_cast<std::size_t>(q - 1) - pos));
      pos = static_cast<std::size_t>(q - 1);
      const char letter = pos + 1 < pattern_.size() ? pattern_[pos + 1] : '\0';
      if (letter == '%') {
        accumulated += "%%";  // the final pass turns it into one "%"
        pos += 2;
      } else if (letter == 'q' || letter == 'z') {
        const std::size_t widthStart = pos + 2;
        const std::size_t blank = std::min(pattern_.find(' ', widthStart), pattern_.size());
        const std::optional<int> width = ParseInteger(pattern_.substr(widthStart, blank - widthStart));
        if (!width) throw FormatError("Conversion error in FormatEx! " + std::string(pattern_));
        accumulated += DoubleChar('%', QuoteSanitized(TextOf(Value(index_++)), *width, letter == 'q' ? "\"" : ""));
        pos = blank;
      } else if (IsOwnConversion(letter)) {
        accumulated += DoubleChar('%', Convert(letter, Value(index_++)));
        pos += 2;
      } else {
        // A standard specifier: its value joins the list, the rest of it follows as literal text.
        if (index_ < values_.size()) standard_.push_back(values_[index_]);
        ++index_;
        accumulated += '%';
        if (letter != '\0') accumulated += letter;
        pos += 2;
      }
    }
    return accumulated.find('%') == std::string::npos ? accumulated : Format(accumulated, standard_);
  }

 private:
  [[noreturn]] void Incompatible() const {
    throw FormatError("Format '" + std::string(pattern_) + "' invalid or incompatible with argument");
  }

  const FormatArg& Value(std::size_t index) const {
    if (index >= values_.size()) throw FormatError("No argument for format '" + std::string(pattern_) + "'");
    return values_[index];
  }

  // A text value ends at its first zero byte.
  std::string_view TextOf(const FormatArg& value) const {
    if (value.kind() != FormatArg::Kind::Text) Incompatible();
    const std::string_view text = value.asText();
    return text.substr(0, text.find('\0'));
  }

  // A variant: a number, or a text that holds one.
  double NumberOf(const FormatArg& value) const {
    switch (value.kind()) {
      case FormatArg::Kind::Float:
        return value.asDouble();
      case FormatArg::Kind::UInt64:
        return static_cast<double>(value.asUnsigned());
      case FormatArg::Kind::Int32:
      case FormatArg::Kind::Int64:
        return static_cast<double>(value.asInt64());
      case FormatArg::Kind::Text: {
        std::string text = TrimBlanks(TextOf(value));
        for (char& c : text)
          if (c == CurrentFormatSettings().decimalSeparator) c = '.';
        double number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (!text.empty() && error == std::errc() && end == text.data() + text.size()) return number;
        throw FormatError("Could not convert variant of type (String) into type (Double)");
      }
      case FormatArg::Kind::Pointer:
        break;
    }
    Incompatible();
  }

  std::string Convert(char letter, const FormatArg& value) const {
    switch (letter) {
      case 'r': return TrimTrailingBlanks(TextOf(value));
      case 't': return TrimBlanks(TextOf(value));
      case 'l': return TrimLeadingBlanks(TextOf(value));
      case 'i': return DigitsToDate(TrimBlanks(TextOf(value)));
      case 'h': return DigitsToTime(TrimBlanks(TextOf(value)));
      case 'k':
      case 'o': return DigitsOnly(TrimBlanks(TextOf(value)));
      case 'a': return TranslitForward(TrimBlanks(TextOf(value)), true);
      case 'b': return TranslitForward(TrimBlanks(TextOf(value)), false);
      case 'c': return TranslitBackward(TrimBlanks(TextOf(value)));
      case 'v': return DateTimeValueToText(NumberOf(value));
      case 'y': return RoundedText(NumberOf(value));
      default: Incompatible();
    }
  }

  // Halves go to the even neighbour (the default rounding mode of nearbyint).
  std::string RoundedText(double number) const {
    const double rounded = std::nearbyint(number);
    if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0))
      throw FormatError("The value for %y in '" + std::string(pattern_) + "' is not a number within 64-bit integers");
    return std::to_string(static_cast<long long>(rounded));
  }

  std::string_view pattern_;
  std::span<const FormatArg> values_;
  std::vector<FormatArg> standard_;
  std::size_t index_ = 0;
};

}  // namespace

std::string FormatEx(std::string_view pattern, std::span<const FormatArg> values) {
  return ExtendedFormatter(pattern, values).Run();
}

std::string FormatEx(std::string_view pattern, std::initializer_list<FormatArg> values) {
  return FormatEx(pattern, std::span<const FormatArg>(values.begin(), values.size()));
}

}  // namespace text
