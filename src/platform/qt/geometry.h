// Pixel geometry: controls placed as designed, and twips refused beyond what a window system takes.
#pragma once

#include <QRect>
#include <cmath>

#include "picture/decode/picture_limits.h"
#include "platform/design.h"
#include "platform/failure.h"
#include "platform/qt/pixels.h"

namespace platform::qt {

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
