#pragma once
// One typed value of a formatting call. The value list of Format and FormatEx is a braced list
// of these: Format("%s (Build %u)", {name, build}). A text argument refers to the caller's bytes,
// so an argument list lives as long as the call it is written in.
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace text {

class FormatArg {
 public:
  enum class Kind { Int32, Int64, UInt64, Float, Text, Pointer };

  template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
  FormatArg(T value) {  // implicit: values are written bare in the list
    if constexpr (std::is_signed_v<T>) {
      kind_ = sizeof(T) <= 4 ? Kind::Int32 : Kind::Int64;
      int_ = static_cast<std::int64_t>(value);
    } else if constexpr (sizeof(T) < 4) {
      kind_ = Kind::Int32;
      int_ = static_cast<std::int64_t>(value);
    } else if constexpr (sizeof(T) == 4) {
      kind_ = Kind::Int64;  // every 32-bit unsigned value fits a signed 64-bit one
      int_ = static_cast<std::int64_t>(value);
    } else {
      kind_ = Kind::UInt64;
      uint_ = static_cast<std::uint64_t>(value);
    }
  }
  FormatArg(double value) : kind_(Kind::Float), float_(value) {}
  FormatArg(float value) : kind_(Kind::Float), float_(value) {}
  FormatArg(char value) : kind_(Kind::Text), char_(value), text_(&char_, 1) {}
  // A terminated character pointer: the text ends at its first zero byte; null is empty.
  FormatArg(const char* value) : kind_(Kind::Text), text_(value ? std::string_view(value) : std::string_view()) {}
  FormatArg(std::string_view value) : kind_(Kind::Text), text_(value) {}
  FormatArg(const std::string& value) : kind_(Kind::Text), text_(value) {}
  FormatArg(const void* value) : kind_(Kind::Pointer), pointer_(value) {}

  FormatArg(const FormatArg& other) { *this = other; }
  FormatArg& operator=(const FormatArg& other) {
    kind_ = other.kind_;
    int_ = other.int_;
    uint_ = other.uint_;
    float_ = other.float_;
    pointer_ = other.pointer_;
    char_ = other.char_;
    // A single character keeps pointing at its own copy.
    text_ = other.text_.data() == &other.char_ ? std::string_view(&char_, 1) : other.text_;
    return *this;
  }

  Kind kind() const { return kind_; }
  bool isInteger() const { return kind_ == Kind::Int32 || kind_ == Kind::Int64 || kind_ == Kind::UInt64; }
  // Signed integers as they are; UInt64 as its bits.
  std::int64_t asInt64() const { return kind_ == Kind::UInt64 ? static_cast<std::int64_t>(uint_) : int_; }
  // The integer's bits as unsigned: a negative Int32 counts in 32 bits, a negative Int64 in 64.
  std::uint64_t asUnsigned() const {
    if (kind_ == Kind::UInt64) return uint_;
    if (kind_ == Kind::Int32) return static_cast<std::uint32_t>(int_);
    return static_cast<std::uint64_t>(int_);
  }
  bool isNegative() const { return kind_ != Kind::UInt64 && int_ < 0; }
  double asDouble() const { return float_; }
  std::string_view asText() const { return text_; }
  const void* asPointer() const { return pointer_; }

 private:
  Kind kind_ = Kind::Int32;
  std::int64_t int_ = 0;
  std::uint64_t uint_ = 0;
  double float_ = 0;
  const void* pointer_ = nullptr;
  char char_ = 0;
  std::string_view text_;
};

}  // namespace text
