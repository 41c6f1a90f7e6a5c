// ExtractTag on any text: the tag name is the input up to its first LF, the text the rest.
// What comes back is the piece between the tags with "<br />" widened, so it can never be longer
// than the text times the widening.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/UpdateCursor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\n');
  const std::string_view name = split == std::string_view::npos ? std::string_view("uid") : input.substr(0, split);
  const std::string_view text = split == std::string_view::npos ? input : input.substr(split + 1);
  const std::string found = exchange::ExtractTag(text, name);
  if (found.size() > text.size()) std::abort();  // "<br />" (6) becomes 2 characters: never longer

  exchange::UpdateCursor cursor(text);
  while (cursor.Position() < text.size()) {
    const std::size_t before = cursor.Position();
    cursor.ExtractTag(name);
    cursor.DropLine();
    if (cursor.Position() == before) break;  // the last line has no line end
    if (cursor.Position() > text.size()) std::abort();
  }
  return 0;
}
