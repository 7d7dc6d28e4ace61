// Converting decoded pictures from the colours of their embedded profile to those of the screen.
#pragma once

#include <chrono>

#include <QByteArray>

#include "picture/colour/colour_transform.h"

class QImage;

namespace platform::qt {

// When a decode gives up. Building a transform counts against it: a pair whose transform is not
// built by then is converted as from sRGB, and every later picture of that pair without waiting.
using Deadline = std::chrono::steady_clock::time_point;

// Converts image in place from the colours of source to those of destination, both ICC profiles
// where empty stands for sRGB. A source that cannot be read, or whose colour model (grey or RGB)
// is not the picture's, counts as sRGB; a picture is grey when its format is, or when grey says
// that its RGB pixels hold grey. Alpha is kept; a grey picture may come back as RGB32, and
// any other format the decoders make as RGB32 or ARGB32. The image is left untagged, so that
// nothing converts it a second time.
void convertColours(QImage& image, const QByteArray& source, const QByteArray& destination, bool grey = false,
                    Deadline deadline = Deadline::max());

// The profile decoded pictures are converted to: the screen's own, or empty for sRGB, which also
// stands in for a profile no picture could be converted to, or whose transform took longer than a
// decode's budget to build. Shared by every thread; setting one takes up to that budget.
void setDisplayProfile(const QByteArray& profile);
QByteArray displayProfile();

// Converts image from source to the display profile; returns that profile, as displayProfile() gave it.
QByteArray toDisplayColours(QImage& image, const QByteArray& source, Deadline deadline, bool grey = false);

// For a decoder that converts colour rows itself as they come: the transform from source to the
// display profile, and that profile.
struct DisplayTransform {
    ColourTransform transform;
    QByteArray destination;
};
DisplayTransform colourTransformToDisplay(const QByteArray& source, Deadline deadline);

}  // namespace platform::qt
