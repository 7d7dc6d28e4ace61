// What one picture may take in memory: refused beyond this rather than allocated.
#pragma once

#include <cstdint>

namespace platform::qt {

inline constexpr int kPictureMemoryLimitMb = 256;
inline constexpr std::int64_t kPictureMemoryLimitBytes = std::int64_t{kPictureMemoryLimitMb} * 1024 * 1024;
// At four bytes a pixel, as pictures are painted.
inline constexpr std::int64_t kMaxPicturePixels = kPictureMemoryLimitBytes / 4;

}  // namespace platform::qt
