#include "exchange/UpdateCursor.h"

#include "text/KorStrUtils.h"

namespace exchange {

std::string ExtractTag(std::string_view text, std::string_view name) {
  const std::string open = "<" + std::string(name) + ">";
  const std::string close = "</" + std::string(name) + ">";
  return text::ReplaceAll(text::TextBetween(text, open, close), "<br />", "\n\r");
}

void UpdateCursor::DropLine() {
  const std::size_t end = text_.find('\n', position_);
  if (end != std::string_view::npos) position_ = end + 1;
}

void UpdateCursor::DropLines(int count) {
  for (int i = 0; i < count; ++i) DropLine();
}

bool UpdateCursor::BeginsWith(std::string_view prefix) const { return text::StartsWith(prefix, Rest()); }

std::string UpdateCursor::ExtractTag(std::string_view name) const { return exchange::ExtractTag(Rest(), name); }

}  // namespace exchange
