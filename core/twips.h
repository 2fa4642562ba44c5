#pragma once
// The windows' length unit. Positions and sizes are kept in twips, as the settings store
// holds them; a window converts them to pixels at its edge (15 twips to a pixel).

#include <cmath>

namespace pelmira {

inline constexpr double kTwipsPerPixel = 15;

// Pixels for a length in twips, to the nearest pixel.
inline int twips_to_pixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Twips for a length in pixels.
constexpr int pixels_to_twips(int pixels) {
  return pixels * static_cast<int>(kTwipsPerPixel);
}

}  // namespace pelmira
