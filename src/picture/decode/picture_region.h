// Parts of a picture: where a rectangle of the picture as seen lies among the pixels as stored.
#pragma once

#include <string>

#include <QRect>
#include <QSize>

namespace platform::qt {

// The part of seen within a picture of natural size, both as seen; throws Failure naming path when
// nothing of the picture is in it.
QRect partWithin(QSize natural, QRect seen, const std::string& path);

// The rectangle of the stored pixels that the EXIF orientation (1 to 8) turns into seen, a part of a
// picture of natural size, both as seen.
QRect storedPart(QSize natural, int orientation, QRect seen);

}  // namespace platform::qt
