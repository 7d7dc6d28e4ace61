// What one picture may take, in memory and on a window: refused beyond this rather than allocated.
#pragma once

#include <cstdint>

namespace platform::qt {

inline constexpr int kPictureMemoryLimitMb = 256;
inline constexpr std::int64_t kPictureMemoryLimitBytes = std::int64_t{kPictureMemoryLimitMb} * 1024 * 1024;
// At four bytes a pixel, as pictures are painted.
inline constexpr std::int64_t kMaxPicturePixels = kPictureMemoryLimitBytes / 4;
// X11 keeps coordinates and sizes in 16 bits; anything beyond is a runaway value, not a layout.
inline constexpr int kMaxWindowSide = 32767;
// A decode only passed on to a smaller size reuses the decoder's scratch buffer up to this size; a
// larger one is rare enough to be freed at once rather than held.
inline constexpr std::int64_t kScratchLimitBytes = std::int64_t{64} * 1024 * 1024;
// The most pixels a byte of any of the formats read can code: a GIF of one colour codes a few
// thousand, a JPEG's Huffman code at least one bit for each block of 64. A header claiming more is
// a lie that would cost a decode of filler.
inline constexpr std::int64_t kMaxPixelsPerByte = 16384;
// Encoders write a PNG's data in chunks of 8 kB or more: this many hold well beyond the pixel limit.
inline constexpr int kMaxPngChunks = 1 << 16;

}  // namespace platform::qt
