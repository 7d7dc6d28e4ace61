// The EXIF orientation of a photo: read from its APP1 segment, and applied to its pixels.
#pragma once

#include <cstddef>

#include <QImage>

namespace platform::qt {

// The orientation (1 to 8) that an APP1 segment's contents give, "Exif\0\0" and all; 1, the
// pixels as stored, for anything else.
int exifOrientation(const unsigned char* segment, std::size_t size);

// Whether the orientation turns the picture a quarter, so that its width becomes its height.
inline bool turnsQuarter(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// The stored pixels as the orientation says they are to be seen.
QImage oriented(QImage image, int orientation);

}  // namespace platform::qt
