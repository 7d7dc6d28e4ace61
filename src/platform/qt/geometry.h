// Pixel geometry: controls placed as designed, and twips refused beyond what a window system takes.
#pragma once

#include <QRect>
#include <cmath>

#include "platform/design.h"
#include "platform/failure.h"
#include "platform/qt/pixels.h"

namespace platform::qt {

// X11 keeps coordinates and sizes in 16 bits; anything beyond is a runaway value, not a layout.
inline constexpr int kMaxWindowSide = 32767;

inline int checkedPixels(Twips twips)
{
    if (!std::isfinite(twips) || std::fabs(twips / kTwipsPerPixel) > kMaxWindowSide)
        throw Failure("position or size out of range");
    return toPixels(twips);
}

inline int checkedExtent(Twips twips)
{
    if (twips < 0)
        throw Failure("negative size");
    return checkedPixels(twips);
}

// Where a control stands in its container, as designed.
inline QRect designRect(const ControlDesign& design)
{
    return QRect(toPixels(design.left), toPixels(design.top), toPixels(design.width), toPixels(design.height));
}

}  // namespace platform::qt
