// Writes a QImage as a GIF file, which Qt can read but not write.
#include "gif_writer.h"

#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

// A 6 x 7 x 6 colour cube: the eye tells greens apart best, so green gets the extra level.
constexpr int kRed = 6;
constexpr int kGreen = 7;
constexpr int kBlue = 6;

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

int level(int value, int levels, int x, int y)
{
    const double threshold = (kBayer[y % 4][x % 4] + 0.5) / 16.0;
    const int q = static_cast<int>(value * (levels - 1) / 255.0 + threshold);
    return q < levels - 1 ? q : levels - 1;
}

int shade(int q, int levels) { return q * 255 / (levels - 1); }

std::vector<uint8_t> paletteIndices(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<uint8_t> indices;
    indices.reserve(static_cast<size_t>(rgb.width()) * static_cast<size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const int r = level(qRed(line[x]), kRed, x, y);
            const int g = level(qGreen(line[x]), kGreen, x, y);
            const int b = level(qBlue(line[x]), kBlue, x, y);
            indices.push_back(static_cast<uint8_t>((r * kGreen + g) * kBlue + b));
        }
    }
    return indices;
}

// Packs variable-width codes least significant bit first, as GIF wants.
class CodeWriter {
public:
    void write(int code, int width)
    {
        buffer_ |= static_cast<uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.push_back(static_cast<uint8_t>(buffer_ & 0xFF));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    std::vector<uint8_t> finish()
    {
        if (bits_ > 0)
            bytes_.push_back(static_cast<uint8_t>(buffer_ & 0xFF));
        return bytes_;
    }

private:
    std::vector<uint8_t> bytes_;
    uint32_t buffer_ = 0;
    int bits_ = 0;
};

std::vector<uint8_t> lzw(const std::vector<uint8_t>& indices)
{
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    constexpr int kMaxCode = 4095;

    CodeWriter out;
    std::unordered_map<uint32_t, int> table;
    int width = 9;
    int lastCode = kEnd;
    out.write(kClear, width);
    if (indices.empty()) {
        out.write(kEnd, width);
        return out.finish();
    }
    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const uint32_t key = static_cast<uint32_t>(prefix) << 8 | indices[i];
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.write(prefix, width);
        table.emplace(key, ++lastCode);
        // The decoder adds its entries one code later, so it widens exactly when we do here.
        if (lastCode >= (1 << width) && width < 12)
            ++width;
        if (lastCode == kMaxCode) {
            out.write(kClear, width);
            table.clear();
            width = 9;
            lastCode = kEnd;
        }
        prefix = indices[i];
    }
    out.write(prefix, width);
    out.write(kEnd, width);
    return out.finish();
}

void put16(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

}  // namespace

bool writeGif(const QImage& image, const QString& path)
{
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF)
        return false;

    QByteArray gif("GIF89a");
    put16(gif, image.width());
    put16(gif, image.height());
    gif.append(static_cast<char>(0xF7));  // a global table of 256 colours, 8 bits per primary
    gif.append('\0');
    gif.append('\0');
    for (int i = 0; i < 256; ++i) {
        const bool used = i < kRed * kGreen * kBlue;
        gif.append(static_cast<char>(used ? shade(i / (kGreen * kBlue), kRed) : 0));
        gif.append(static_cast<char>(used ? shade(i / kBlue % kGreen, kGreen) : 0));
        gif.append(static_cast<char>(used ? shade(i % kBlue, kBlue) : 0));
    }

    gif.append(',');
    put16(gif, 0);
    put16(gif, 0);
    put16(gif, image.width());
    put16(gif, image.height());
    gif.append('\0');
    gif.append('\x08');
    const std::vector<uint8_t> data = lzw(paletteIndices(image));
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t length = std::min<size_t>(255, data.size() - at);
        gif.append(static_cast<char>(length));
        gif.append(reinterpret_cast<const char*>(data.data() + at), static_cast<qsizetype>(length));
    }
    gif.append('\0');
    gif.append(';');

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(gif) == gif.size() && file.flush();
}
