// Decoding a part of an uncompressed BMP file alone: only the rows and columns that hold it.
#include "picture/decode/bmp_region.h"

#include <chrono>
#include <cstdint>
#include <limits>

#include <QByteArray>
#include <QRgb>

#include "picture/colour/colour_profiles.h"
#include "picture/decode/embedded_profiles.h"
#include "picture/decode/picture_region.h"
#include "picture/loading/decode_budget.h"
#include "platform/failure.h"

namespace platform::qt {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool bottomUp = true;
    int bytesPerPixel = 0;
    std::int64_t pixelsAt = 0;
    std::int64_t bytesPerRow = 0;  // rows are padded to four bytes
};

std::uint32_t number(const QByteArray& bytes, int at, int size)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return value;
}

// The layout of the pixels of an uncompressed BMP of 24 or 32 bits a pixel, checked against the
// file's size; nothing for any other file.
std::optional<Layout> layoutOf(QIODevice& device, const std::string& path)
{
    const QByteArray head = device.peek(kFileHeaderBytes + kInfoHeaderBytes);
    if (head.size() < kFileHeaderBytes + kInfoHeaderBytes || !head.startsWith("BM"))
        return std::nullopt;
    const std::uint32_t infoBytes = number(head, 14, 4), bits = number(head, 28, 2);
    // Later headers may give 32-bit pixels an alpha mask, which Qt's reader honours.
    if (infoBytes < kInfoHeaderBytes || number(head, 30, 4) != kUncompressed || (bits != 24 && bits != 32) ||
        (bits == 32 && infoBytes > kInfoHeaderBytes))
        return std::nullopt;
    Layout layout;
    layout.width = static_cast<std::int32_t>(number(head, 18, 4));
    const std::int64_t height = static_cast<std::int32_t>(number(head, 22, 4));
    layout.bottomUp = height > 0;
    layout.height = height < 0 ? -height : height;
    layout.bytesPerPixel = static_cast<int>(bits / 8);
    layout.pixelsAt = number(head, 10, 4);
    layout.bytesPerRow = (layout.width * layout.bytesPerPixel + 3) / 4 * 4;
    const std::int64_t pixelBytes = device.size() - layout.pixelsAt;
    if (number(head, 26, 2) != 1 || layout.width <= 0 || layout.height == 0 ||
        layout.height > std::numeric_limits<int>::max() || layout.pixelsAt < kFileHeaderBytes + infoBytes)
        throw Failure("corrupt picture: " + path);
    // Rows missing at the end are Qt's reader's to make up for, as a whole decode would.
    if (layout.bytesPerRow > pixelBytes || layout.height > pixelBytes / layout.bytesPerRow)
        return std::nullopt;
    return layout;
}

}  // namespace

std::optional<DecodedFile> decodeBmpRegion(QIODevice& device, const std::string& path, QRect seen,
                                           const std::atomic<bool>* cancelled)
{
    const auto start = std::chrono::steady_clock::now();
    const std::optional<Layout> layout = layoutOf(device, path);
    if (!layout)
        return std::nullopt;
    DecodedFile decoded;
    decoded.natural = QSize(static_cast<int>(layout->width), static_cast<int>(layout->height));
    const QRect part = partWithin(decoded.natural, seen, path);
    refuseBeyondLimits(part.size(), part.size(), path);
    QImage image(part.size(), QImage::Format_RGB32);
    if (image.isNull())
        throw Failure("out of memory for " + path);
    QByteArray row(part.width() * layout->bytesPerPixel, Qt::Uninitialized);
    for (int y = 0; y < part.height(); ++y) {
        if (cancelled && cancelled->load())
            throw Failure("cancelled: " + path);
        const std::int64_t stored = part.top() + y;
        const std::int64_t fileRow = layout->bottomUp ? layout->height - 1 - stored : stored;
        if (!device.seek(layout->pixelsAt + fileRow * layout->bytesPerRow + part.left() * layout->bytesPerPixel) ||
            device.read(row.data(), row.size()) != row.size())
            throw Failure("cannot read " + path);
        const auto* pixel = reinterpret_cast<const unsigned char*>(row.constData());
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < part.width(); ++x, pixel += layout->bytesPerPixel)
            out[x] = qRgb(pixel[2], pixel[1], pixel[0]);
    }
    decoded.displayProfile =
        toDisplayColours(image, embeddedProfile(device, image), start + decodeTimeBudget(part.size()));
    decoded.image = std::move(image);
    return decoded;
}

}  // namespace platform::qt
