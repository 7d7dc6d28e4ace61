// What a JPEG's header tells about decoding it: its orientation, its output format and what it costs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include <QtGlobal>

namespace platform::qt {

// QImage::Format_RGB32's 0xffRRGGBB words, byte by byte in memory.
inline constexpr J_COLOR_SPACE kPaintedSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// The EXIF orientation (1 to 8) of the header's APP1 segment; 1 without one.
int orientationOf(const jpeg_decompress_struct& info);

// Throws Failure when a progressive file, or one whose colours come in separate scans, would hold
// more coefficients at once than a picture may take.
void refuseCoefficientMemory(const jpeg_decompress_struct& info, const std::string& path);

// Throws Failure when the header claims more pixels than a file of fileBytes can code.
void refuseUncodablePixels(const jpeg_decompress_struct& info, std::int64_t fileBytes, const std::string& path);

}  // namespace platform::qt
