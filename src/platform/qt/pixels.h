// Twips to and from logical pixels, and the screen's device pixels behind each logical one.
#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
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

// Device pixels per logical pixel on the primary screen; 1 without a screen.
inline qreal screenPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// A picture shown at its own size gives each of its pixels one device pixel, so on a dense screen
// a pixel is fewer twips.
// The device pixels that the logical rectangle covers, whole or in part.
inline QRect deviceRect(const QRect& logical, qreal ratio)
{
    return QRect(QPoint(static_cast<int>(std::floor(logical.left() * ratio)),
                        static_cast<int>(std::floor(logical.top() * ratio))),
                 QPoint(static_cast<int>(std::ceil((logical.right() + 1) * ratio)) - 1,
                        static_cast<int>(std::ceil((logical.bottom() + 1) * ratio)) - 1));
}

inline Twips deviceTwips(int devicePixels, qreal ratio)
{
    return static_cast<Twips>(devicePixels * kTwipsPerPixel / ratio);
}

}  // namespace platform::qt
