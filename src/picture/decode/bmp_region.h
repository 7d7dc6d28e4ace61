// Decoding a part of an uncompressed BMP file alone: only the rows and columns that hold it.
#pragma once

#include <atomic>
#include <optional>
#include <string>

#include <QIODevice>
#include <QRect>

#include "picture/decode/picture_decoding.h"

namespace platform::qt {

// The part within seen of the BMP on device, in the display's colours, with natural the whole
// picture's size, but for its stamp; nothing when the file is not a BMP of 24 or 32 bits a pixel
// stored uncompressed, which Qt's reader is left to. Throws Failure when its header does not hold
// together or claims more rows than the file has, when nothing of the picture is in seen, when the
// part is beyond the limits, or once cancelled is set.
std::optional<DecodedFile> decodeBmpRegion(QIODevice& device, const std::string& path, QRect seen,
                                           const std::atomic<bool>* cancelled);

}  // namespace platform::qt
