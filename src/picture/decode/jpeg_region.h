// Decoding a part of a JPEG file alone: only the columns and rows of blocks that hold it.
#pragma once

#include <atomic>
#include <string>

#include <QIODevice>
#include <QRect>

#include "picture/decode/picture_decoding.h"

namespace platform::qt {

// The part of the JPEG on device that lies within seen, a rectangle of the picture as its EXIF
// orientation shows it: decoded, oriented and in the display's colours as decodeJpeg gives them,
// with natural the whole picture's size, but for its stamp. Fails as decodeJpeg does, its time budget
// the whole picture's, since every row above the part is read; a picture of any size libjpeg reads is decoded as long as the part keeps to the
// limits and a progressive file's coefficients do. Throws Failure too when nothing of the picture is
// in seen.
DecodedFile decodeJpegRegion(QIODevice& device, const std::string& path, QRect seen,
                             const std::atomic<bool>* cancelled);

}  // namespace platform::qt
