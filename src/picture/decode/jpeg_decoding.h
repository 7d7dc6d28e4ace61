// Decoding JPEG files with libjpeg-turbo, reduced while decoding and straight into the painted format.
#pragma once

#include <atomic>
#include <string>

#include <QIODevice>
#include <QImage>
#include <QSize>

#include "picture/decode/picture_decoding.h"

namespace platform::qt {

// Progressive files have a dozen scans or so; one that repeats a scan thousands of times would
// cost minutes of decoding for nothing.
inline constexpr int kMaxJpegScans = 256;

// Whether the device holds a JPEG, by its first bytes, peeked rather than read.
bool isJpeg(QIODevice& device);

// The eighths of its stored size that a JPEG is decoded at to cover target: 1, 2 or 4, the fewest
// that still do, or else 8.
int jpegEighthsFor(QSize stored, QSize target);

// decodeFile for the JPEG on device, but for its stamp: the same result, the same failures, and
// failing too beyond kMaxJpegScans scans or past the time budget of its stored size (a reduced
// decode still goes through every stored pixel).
DecodedFile decodeJpeg(QIODevice& device, const std::string& path, QSize bound, const std::atomic<bool>* cancelled,
                       QImage* scratch);

}  // namespace platform::qt
