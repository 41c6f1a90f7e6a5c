#pragma once
// The reading position in an update document. The document is walked line by line, and values
// are taken from the first matching tags at or after the position, wherever they stand.
#include <string>
#include <string_view>

namespace exchange {

// The text between the first "<name>" and the first "</name>" of `text` (TextBetween), with every
// "<br />" turned into LF followed by CR; empty when the closing tag is missing.
std::string ExtractTag(std::string_view text, std::string_view name);

class UpdateCursor {
 public:
  explicit UpdateCursor(std::string_view text) : text_(text) {}

  // Moves past the next LF; stays put when no LF is left.
  void DropLine();
  void DropLines(int count);
  // Case-sensitive.
  bool BeginsWith(std::string_view prefix) const;
  std::string ExtractTag(std::string_view name) const;
  std::string_view Rest() const { return text_.substr(position_); }
  std::size_t Position() const { return position_; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace exchange
