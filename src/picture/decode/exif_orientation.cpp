// The EXIF orientation of a photo: read from its APP1 segment, and applied to its pixels.
#include "picture/decode/exif_orientation.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include <QTransform>

namespace platform::qt {

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::size_t kHeaderSize = 6;  // "Exif\0\0"

}  // namespace

int exifOrientation(const unsigned char* segment, std::size_t size)
{
    if (size < kHeaderSize + 8 || std::memcmp(segment, "Exif\0\0", kHeaderSize) != 0)
        return 1;
    // Offsets count from the TIFF header, which says the byte order of every number after it.
    const unsigned char* tiff = segment + kHeaderSize;
    const std::size_t length = size - kHeaderSize;
    const bool big = tiff[0] == 'M' && tiff[1] == 'M';
    if (!big && !(tiff[0] == 'I' && tiff[1] == 'I'))
        return 1;
    const auto number = [&](std::size_t at, int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= std::uint32_t{tiff[at + static_cast<std::size_t>(big ? bytes - 1 - i : i)]} << (8 * i);
        return value;
    };
    const std::size_t directory = number(4, 4);
    if (directory > length - 2)
        return 1;
    const std::size_t entries = number(directory, 2);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + 12 * i;
        if (entry + 12 > length)
            break;
        if (number(entry, 2) == kOrientationTag && number(entry + 2, 2) == kShortType) {
            const std::uint32_t orientation = number(entry + 8, 2);
            return orientation >= 1 && orientation <= 8 ? static_cast<int>(orientation) : 1;
        }
    }
    return 1;
}

QImage oriented(QImage image, int orientation)
{
    // Mirrored first, then turned, as the eight orientations are defined.
    const bool mirror = orientation == 2 || orientation == 3 || orientation == 7;
    const bool flip = orientation == 3 || orientation == 4 || orientation == 5;
    if (mirror || flip)
        image = std::move(image).mirrored(mirror, flip);
    if (orientation == 5 || orientation == 6 || orientation == 7)
        return image.transformed(QTransform().rotate(90));
    if (orientation == 8)
        return image.transformed(QTransform().rotate(270));
    return image;
}

}  // namespace platform::qt
