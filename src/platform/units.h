// Positions and sizes: single-precision twips, 15 to a logical pixel (1440 per inch at 96 dpi).
#pragma once

namespace platform {

using Twips = float;

inline constexpr float kTwipsPerPixel = 15.0f;

}  // namespace platform
