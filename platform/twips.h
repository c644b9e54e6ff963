#pragma once
// Designed positions and sizes are twips; 15 twips make one pixel at 96 dpi.
#include <cmath>

namespace platform {

inline constexpr double TwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return static_cast<int>(std::floor(twips / TwipsPerPixel)); }
inline double pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

} // namespace platform
