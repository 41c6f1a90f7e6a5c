#pragma once
// How large the cards show their text, in percent of the normal size: one figure for every card,
// kept in the settings store across runs.
namespace cards {

constexpr int kNormalZoom = 100;
constexpr int kSmallestZoom = 70;
constexpr int kLargestZoom = 300;
constexpr int kZoomStep = 10;

// `zoom` moved by `steps` steps of 10 (negative: smaller), kept within 70..300.
int SteppedZoom(int zoom, int steps);

// The stored figure; 100 when none is stored or the settings cannot be read, and always within
// 70..300.
int StoredCardZoom();
// Keeps `zoom` for later runs; a settings file that cannot be written loses only the figure.
void StoreCardZoom(int zoom);

}  // namespace cards
