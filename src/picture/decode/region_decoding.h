// Decoding only the part of a picture file that is seen, for a picture shown at its own size.
#pragma once

#include <atomic>
#include <string>

#include <QRect>

#include "picture/decode/picture_decoding.h"

namespace platform::qt {

// The part of the regular file's picture within seen, a rectangle of the picture as its EXIF
// orientation shows it, decoded by content with its colours converted to the display profile:
// image holds that part alone, natural the whole picture's size. JPEG and uncompressed BMP decode
// only the blocks and rows that hold the part, so their pictures may be larger than the limits as
// long as the part is not; anything else is decoded whole within the limits and cut. Throws Failure
// as decodeFile does, and when nothing of the picture is in seen.
DecodedFile decodeFileRegion(const std::string& path, QRect seen, const std::atomic<bool>* cancelled = nullptr);

}  // namespace platform::qt
