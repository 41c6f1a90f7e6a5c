#include "text/Format.h"

#include <cctype>

#include "text/FormatSettings.h"
#include "text/NumberText.h"

namespace text {
namespace {

constexpr int kLargestNumber = 1 << 20;  // widths and precisions beyond this are not meant

struct Specifier {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

class Formatter {
 public:
  Formatter(std::string_view pattern, std::span<const FormatArg> args) : pattern_(pattern), args_(args) {}

  std::string Run() {
    std::string out;
    out.reserve(pattern_.size() + 16 * args_.size());
    while (pos_ < pattern_.size()) {
      const std::size_t percent = pattern_.find('%', pos_);
      if (percent == std::string_view::npos) {
        out.append(pattern_.substr(pos_));
        break;
      }
      out.append(pattern_.substr(pos_, percent - pos_));
      pos_ = percent + 1;
      if (pos_ < pattern_.size() && pattern_[pos_] == '%') {
        out += '%';
        ++pos_;
        continue;
      }
      out += Convert(ParseSpecifier());
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const {
    throw FormatError("Format '" + std::string(pattern_) + "' invalid or incompatible with argument");
  }

  bool AtDigit() const { return pos_ < pattern_.size() && std::isdigit(static_cast<unsigned char>(pattern_[pos_])); }
  bool At(char c) const { return pos_ < pattern_.size() && pattern_[pos_] == c; }

  int ParseNumber() {
    int value = 0;
    while (AtDigit()) {
      value = value * 10 + (pattern_[pos_++] - '0');
      if (value > kLargestNumber) Invalid();
    }
    return value;
  }

  Specifier ParseSpecifier() {
    Specifier specifier;
    if (AtDigit()) {
      const int number = ParseNumber();
      if (At(':')) {
        ++pos_;
        next_ = static_cast<std::size_t>(number);
      } else {
        specifier.width = number;
      }
    }
    if (specifier.width < 0) {
      if (At('-')) {
        specifier.leftAlign = true;
        ++pos_;
      }
      if (AtDigit()) specifier.width = ParseNumber();
    }
    if (At('.')) {
      ++pos_;
      specifier.precision = ParseNumber();
    }
    if (pos_ >= pattern_.size()) Invalid();
    specifier.type = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern_[pos_++])));
    return specifier;
  }

  const FormatArg& NextArg() {
    if (next_ >= args_.size()) throw FormatError("No argument for format '" + std::string(pattern_) + "'");
    return args_[next_++];
  }

  std::string Convert(const Specifier& specifier) {
    std::string value = ConvertValue(specifier, NextArg());
    if (specifier.width > static_cast<int>(value.size())) {
      const std::string padding(static_cast<std::size_t>(specifier.width) - value.size(), ' ');
      value = specifier.leftAlign ? value + padding : padding + value;
    }
    return value;
  }

  std::string ConvertValue(const Specifier& specifier, const FormatArg& arg) {
    const int precision = specifier.precision;
    switch (specifier.type) {
      case 'd':
        RequireInteger(arg);
        return arg.kind() == FormatArg::Kind::UInt64 ? UnsignedDecimalText(arg.asUnsigned(), precision)
                                                     : SignedDecimalText(arg.asInt64(), precision);
      case 'u':
        RequireInteger(arg);
        return UnsignedDecimalText(arg.asUnsigned(), precision);
      case 'x':
        RequireInteger(arg);
        return HexText(arg.asUnsigned(), precision);
      case 'e':
        return ExponentText(FloatOf(arg), precision < 0 ? 15 : precision);
      case 'f':
        return FixedText(FloatOf(arg), precision < 0 ? 2 : precision);
      case 'g':
        return GeneralText(FloatOf(arg), precision < 0 ? 15 : precision);
      case 'n':
        return ThousandsText(FloatOf(arg), precision < 0 ? 2 : precision);
      case 'm':
        return CurrencyText(FloatOf(arg), precision < 0 ? CurrentFormatSettings().currencyDecimals : precision);
      case 'p':
        if (arg.kind() != FormatArg::Kind::Pointer) Invalid();
        return HexText(reinterpret_cast<std::uintptr_t>(arg.asPointer()), 2 * sizeof(void*));
      case 's': {
        if (arg.kind() != FormatArg::Kind::Text) Invalid();
        const std::string_view value = arg.asText();
        return std::string(precision >= 0 ? value.substr(0, static_cast<std::size_t>(precision)) : value);
      }
      default:
        Invalid();
    }
  }

  void RequireInteger(const FormatArg& arg) const {
    if (!arg.isInteger()) Invalid();
  }

  double FloatOf(const FormatArg& arg) const {
    if (arg.kind() != FormatArg::Kind::Float) Invalid();
    return arg.asDouble();
  }

  std::string_view pattern_;
  std::span<const FormatArg> args_;
  std::size_t pos_ = 0;
  std::size_t next_ = 0;
};

}  // namespace

std::string Format(std::string_view pattern, std::span<const FormatArg> args) {
  return Formatter(pattern, args).Run();
}

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
  return Format(pattern, std::span<const FormatArg>(args.begin(), args.size()));
}

}  // namespace text
