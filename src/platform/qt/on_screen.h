// Where a picture shown at its own size will be on the screens, so that only that part is decoded.
#pragma once

#include <QRect>
#include <QSize>
#include <optional>

#include "platform/picture.h"

namespace platform::qt {

// The screens as they are when a picture is asked for, and where its window is anchored.
struct OnScreen {
    Anchor horizontal = Anchor::Centre;
    Anchor vertical = Anchor::Centre;
    QRect workArea;  // the primary monitor's free area, in logical pixels
    QRect screens;   // every monitor together, in logical pixels
    qreal ratio = 1;

    bool operator==(const OnScreen& other) const;
    bool operator!=(const OnScreen& other) const { return !(*this == other); }

    // The part of a picture of natural size (in its oriented device pixels) that its window, placed as
    // the program places it, shows on the screens; a few pixels wider all round, for the rounding
    // of twips.
    QRect partOf(QSize natural) const;
};

// For use, from the screens as they are now; nothing for a fitted picture or without a screen.
std::optional<OnScreen> onScreenFor(PictureUse use);

// What a decode covers: a fitted picture's bound, or an own-size picture's part on the screens.
struct DecodeTarget {
    DecodeTarget(QSize fittedInto = {}, std::optional<OnScreen> at = {}) : bound(fittedInto), onScreen(at) {}

    bool operator==(const DecodeTarget& other) const { return bound == other.bound && onScreen == other.onScreen; }

    QSize bound;
    std::optional<OnScreen> onScreen;
};

}  // namespace platform::qt
