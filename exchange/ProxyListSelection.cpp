#include "exchange/ProxyListSelection.h"

#include <charconv>

namespace exchange {
namespace {

int PortOrZero(std::string_view text) {
  int port = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, port);
  return error == std::errc() && stop == end && !text.empty() ? port : 0;
}

}  // namespace

ProxyAddress ProxyFromList(std::string_view listText, std::string_view protocol) {
  std::string_view entry = listText;
  const std::string key = std::string(protocol) + '=';
  if (const std::size_t at = entry.find(key); at != std::string_view::npos) {
    entry.remove_prefix(at + key.size());
    if (const std::size_t semicolon = entry.find(';'); semicolon != std::string_view::npos)
      entry = entry.substr(0, semicolon);
  }
  const std::size_t colon = entry.find(':');
  if (colon == std::string_view::npos) return {};
  return {std::string(entry.substr(0, colon)), PortOrZero(entry.substr(colon + 1))};
}

}  // namespace exchange
