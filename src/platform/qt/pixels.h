// Twips to and from logical pixels.
#pragma once

#include <cmath>

#include "platform/units.h"

namespace platform::qt {

inline int toPixels(Twips twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline Twips toTwips(int pixels)
{
    return static_cast<Twips>(pixels) * kTwipsPerPixel;
}

}  // namespace platform::qt
