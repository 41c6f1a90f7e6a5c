#include "text/MessageExcerpt.h"

#include <algorithm>

namespace text {
namespace {

constexpr char kEllipsis = '\x85';  // "…" in Windows-1251

// The position of the line break that ends line `lines`; npos when the text has no such break.
std::size_t EndOfLines(std::string_view text, std::size_t lines) {
  std::size_t at = std::string_view::npos;
  for (std::size_t i = 0; i < lines; ++i) {
    at = text.find('\n', at == std::string_view::npos ? 0 : at + 1);
    if (at == std::string_view::npos) return at;
  }
  return at;
}

}  // namespace

std::string MessageExcerpt(std::string_view text, std::size_t maxLines, std::size_t maxCharacters) {
  if (maxLines == 0 || maxCharacters == 0) return {};
  const std::size_t linesEnd = EndOfLines(text, maxLines);
  const bool fewLines = linesEnd == std::string_view::npos || linesEnd + 1 == text.size();
  if (fewLines && text.size() <= maxCharacters) return std::string(text);

  std::string_view kept = text.substr(0, std::min(linesEnd, maxCharacters - 1));
  if (!kept.empty() && kept.back() == '\r') kept.remove_suffix(1);  // half a CR LF break
  std::string out(kept);
  out += kEllipsis;
  return out;
}

}  // namespace text
