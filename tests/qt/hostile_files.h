// Picture files with awkward contents, written byte by byte where Qt would not write them.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hostile {

inline void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// One colour, encoded by Qt in the given format ("BMP", "JPEG", "PNG").
inline QByteArray solid(QSize size, QColor colour, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

// The headers of an uncompressed 24-bit BMP; a negative height stores the rows top-down.
inline QByteArray bmpHeader(std::int32_t width, std::int32_t height)
{
    QByteArray bytes("BM");
    appendLittleEndian(bytes, 0, 4);   // file size, which readers ignore
    appendLittleEndian(bytes, 0, 4);   // reserved
    appendLittleEndian(bytes, 54, 4);  // offset of the pixels
    appendLittleEndian(bytes, 40, 4);  // size of the info header
    appendLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
    appendLittleEndian(bytes, 1, 2);   // planes
    appendLittleEndian(bytes, 24, 2);  // bits per pixel
    for (int field = 0; field < 6; ++field)
        appendLittleEndian(bytes, 0, 4);  // no compression, sizes and palette left to the reader
    return bytes;
}

// A top-down BMP: the first half of its rows (as seen on the screen) in top, the rest in bottom.
inline QByteArray topDownBmp(int width, int height, QColor top, QColor bottom)
{
    QByteArray bytes = bmpHeader(width, -height);
    const int padding = (4 - width * 3 % 4) % 4;
    for (int y = 0; y < height; ++y) {
        const QColor colour = y < height / 2 ? top : bottom;
        for (int x = 0; x < width; ++x) {
            bytes.append(static_cast<char>(colour.blue()));
            bytes.append(static_cast<char>(colour.green()));
            bytes.append(static_cast<char>(colour.red()));
        }
        bytes.append(QByteArray(padding, '\0'));
    }
    return bytes;
}

// Solid frames of the given colours (at most four) as one GIF. Each pair of pixels is coded as a
// clear code and two 3-bit codes, so the decoder's table never grows past 3-bit codes.
inline QByteArray gif(QSize size, const std::vector<QColor>& frames)
{
    QByteArray bytes("GIF89a");
    appendLittleEndian(bytes, static_cast<std::uint32_t>(size.width()), 2);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(size.height()), 2);
    bytes.append("\x81\x00\x00", 3);  // a global table of four colours
    for (int i = 0; i < 4; ++i) {
        const QColor colour = i < static_cast<int>(frames.size()) ? frames[static_cast<std::size_t>(i)] : Qt::black;
        bytes.append(static_cast<char>(colour.red()));
        bytes.append(static_cast<char>(colour.green()));
        bytes.append(static_cast<char>(colour.blue()));
    }
    constexpr std::uint32_t kClear = 4;
    constexpr std::uint32_t kEnd = 5;
    for (std::uint32_t index = 0; index < frames.size(); ++index) {
        bytes.append("\x21\xf9\x04\x00\x0a\x00\x00\x00", 8);  // ten hundredths of a second each
        bytes.append(',');
        appendLittleEndian(bytes, 0, 4);
        appendLittleEndian(bytes, static_cast<std::uint32_t>(size.width()), 2);
        appendLittleEndian(bytes, static_cast<std::uint32_t>(size.height()), 2);
        bytes.append('\0');
        std::vector<std::uint32_t> codes;
        for (long long pixel = 0; pixel < static_cast<long long>(size.width()) * size.height(); ++pixel) {
            if (pixel % 2 == 0)
                codes.push_back(kClear);
            codes.push_back(index);
        }
        codes.push_back(kEnd);
        QByteArray packed;
        std::uint32_t bits = 0;
        int count = 0;
        for (const std::uint32_t code : codes) {
            bits |= code << count;
            for (count += 3; count >= 8; count -= 8, bits >>= 8)
                packed.append(static_cast<char>(bits & 0xff));
        }
        if (count > 0)
            packed.append(static_cast<char>(bits & 0xff));
        bytes.append('\x02');
        for (int at = 0; at < packed.size(); at += 255) {
            const QByteArray block = packed.mid(at, 255);
            bytes.append(static_cast<char>(block.size()));
            bytes.append(block);
        }
        bytes.append('\0');
    }
    bytes.append(';');
    return bytes;
}

// A one-pixel GIF whose screen and image descriptor claim the given size.
inline QByteArray gifClaiming(QSize claimed)
{
    QByteArray bytes = gif(QSize(1, 1), {Qt::red});
    for (const int at : {6, 38}) {
        QByteArray size;
        appendLittleEndian(size, static_cast<std::uint32_t>(claimed.width()), 2);
        appendLittleEndian(size, static_cast<std::uint32_t>(claimed.height()), 2);
        bytes.replace(at, 4, size);
    }
    return bytes;
}

}  // namespace hostile
