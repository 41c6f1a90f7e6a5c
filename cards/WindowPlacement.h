#pragma once
// Where a window stood, as one line of text: "Left=10;Top=20;Width=463;Height=340;PixelsPerInch=96".
#include <optional>
#include <string>
#include <string_view>

namespace cards {

struct WindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int pixelsPerInch = 96;

  bool operator==(const WindowPlacement&) const = default;
};

std::string PlacementToText(const WindowPlacement& placement);
// Nothing when a property is missing, repeated or not a whole number; unknown names are skipped.
std::optional<WindowPlacement> PlacementFromText(std::string_view text);

}  // namespace cards
