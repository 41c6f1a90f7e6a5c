#include "cards/WindowPlacement.h"

#include <array>
#include <charconv>
#include <utility>

namespace cards {
namespace {

using Property = std::pair<std::string_view, int WindowPlacement::*>;

constexpr std::array<Property, 5> kProperties{{
    {"Left", &WindowPlacement::left},
    {"Top", &WindowPlacement::top},
    {"Width", &WindowPlacement::width},
    {"Height", &WindowPlacement::height},
    {"PixelsPerInch", &WindowPlacement::pixelsPerInch},
}};

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string PlacementToText(const WindowPlacement& placement) {
  std::string text;
  for (const auto& [name, member] : kProperties) {
    if (!text.empty()) text += ';';
    text += name;
    text += '=';
    text += std::to_string(placement.*member);
  }
  return text;
}

std::optional<WindowPlacement> PlacementFromText(std::string_view text) {
  WindowPlacement placement;
  std::array<bool, kProperties.size()> seen{};
  while (!text.empty()) {
    const std::size_t end = text.find(';');
    const std::string_view item = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view name = item.substr(0, equals);
    for (std::size_t i = 0; i < kProperties.size(); ++i) {
      if (kProperties[i].first != name) continue;
      const std::optional<int> value = WholeNumber(item.substr(equals + 1));
      if (!value || seen[i]) return std::nullopt;
      placement.*kProperties[i].second = *value;
      seen[i] = true;
    }
  }
  for (const bool found : seen)
    if (!found) return std::nullopt;
  return placement;
}

}  // namespace cards
