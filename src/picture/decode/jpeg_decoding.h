// Decoding JPEG files with libjpeg-turbo, reduced while decoding and straight into the painted format.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

#include <QIODevice>
#include <QImage>
#include <QSize>

#include "picture/decode/jpeg_session.h"
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

// A session on device within a decode's limits (scans, memory, cancelled), its header read up to the
// first scan and its pixel claim checked; its deadline, until the header tells the picture's size,
// the smallest picture's budget from start.
JpegSessionPtr openJpegDecode(QIODevice& device, const std::string& path, const std::atomic<bool>* cancelled,
                              std::chrono::steady_clock::time_point start);

// decodeFile for the JPEG on device, but for its stamp: the same result, the same failures, and
// failing too beyond kMaxJpegScans scans or past the time budget of its stored size (a reduced
// decode still goes through every stored pixel).
DecodedFile decodeJpeg(QIODevice& device, const std::string& path, QSize bound, const std::atomic<bool>* cancelled,
                       QImage* scratch);

}  // namespace platform::qt
