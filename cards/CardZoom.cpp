#include "cards/CardZoom.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string_view>

#include "platform/SettingsStore.h"

namespace cards {
namespace {

constexpr std::string_view kSection = "Software\\Korvand\\Cards";
constexpr std::string_view kName = "Zoom";

int Bounded(int zoom) { return std::clamp(zoom, kSmallestZoom, kLargestZoom); }

}  // namespace

int SteppedZoom(int zoom, int steps) { return Bounded(zoom + steps * kZoomStep); }

int StoredCardZoom() {
  try {
    const std::optional<int> stored = platform::SettingsStore().ReadInteger(kSection, kName);
    return stored ? Bounded(*stored) : kNormalZoom;
  } catch (const std::exception&) {
    return kNormalZoom;
  }
}

void StoreCardZoom(int zoom) {
  try {
    platform::SettingsStore().WriteInteger(kSection, kName, Bounded(zoom));
  } catch (const std::exception&) {
    // The reading size is a comfort; the card goes on at the new size for this run.
  }
}

}  // namespace cards
