// libjpeg's decompressor driven safely from C++: its errors, its reading, and the stops it obeys.
#pragma once

#include <atomic>
#include <chrono>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include <jpeglib.h>

#include <QByteArray>
#include <QIODevice>

namespace platform::qt {

// All that libjpeg reaches through its callbacks. An error jumps out of libjpeg's frames and of the
// step that called it, so nothing here has a destructor.
struct JpegSession {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    jpeg_progress_mgr progress;
    jpeg_source_mgr source;
    std::jmp_buf jump;
    char reason[JMSG_LENGTH_MAX];
    QIODevice* device;
    long workingBytes;  // libjpeg's own memory at most, for a progressive file's coefficients above all
    // The decode stops once this is set, beyond this many scans, or past this time.
    const std::atomic<bool>* cancelled;
    int maxScans;
    std::chrono::steady_clock::time_point deadline;
    JOCTET chunk[64 * 1024];
};

struct JpegSessionEnd {
    void operator()(JpegSession* session) const;
};

using JpegSessionPtr = std::unique_ptr<JpegSession, JpegSessionEnd>;

// A session reading device, with no limits yet.
JpegSessionPtr newJpegSession(QIODevice& device);

// The steps of a decode, in this order. Each throws Failure naming path when libjpeg gives up or
// the session stops it.

// Reads the markers up to the first scan, keeping the APP1 (EXIF) and APP2 (ICC) segments.
void readJpegHeader(JpegSession& session, const std::string& path);
// The embedded colour profile put together from its segments; empty when there is none or it is broken.
QByteArray readJpegProfile(JpegSession& session);
// Sets the scale, in eighths, and the colour space of the output, and works out its size.
void prepareJpegOutput(JpegSession& session, int eighths, J_COLOR_SPACE space, const std::string& path);
// Told how many rows are decoded so far, after each read.
using RowsRead = std::function<void(int rows)>;
// Decodes into rows of four bytes a pixel; inverted CMYK comes out as QImage::Format_RGB32.
void readJpegRows(JpegSession& session, unsigned char* bits, std::ptrdiff_t bytesPerLine, const std::string& path,
                  const RowsRead& rowsRead);

}  // namespace platform::qt
