// Picture files with awkward contents: Qt's own encodings, some with their headers overwritten.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace hostile {

inline QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return buffer.data();
}

inline QByteArray solid(QSize size, QColor colour, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image, format);
}

// Qt writes no GIF: a 3 x 2 animation of two solid frames, red then blue, coded by hand.
inline const QByteArray kAnimatedGif("GIF89a" "\x03\x00\x02\x00" "\x81\x00\x00"
                                     "\xff\x00\x00" "\x00\x00\xff" "\x00\x00\x00" "\xff\xff\xff"
                                     "\x21\xf9\x04\x00\x0a\x00\x00\x00" "\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00"
                                     "\x02\x04\x04\x08\x10\x28\x00"
                                     "\x21\xf9\x04\x00\x0a\x00\x00\x00" "\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00"
                                     "\x02\x04\x4c\x98\x30\x29\x00" "\x3b",
                                     76);

// The file with a width and a height of `bytes` bytes each, little-endian, written over its own at
// each offset.
inline QByteArray claiming(QByteArray file, std::initializer_list<int> offsets, int bytes, std::int64_t width,
                           std::int64_t height)
{
    for (const int at : offsets)
        for (int i = 0; i < bytes; ++i) {
            file[at + i] = static_cast<char>(width >> (8 * i));
            file[at + bytes + i] = static_cast<char>(height >> (8 * i));
        }
    return file;
}

// A negative height stores the rows top-down.
inline QByteArray bmpClaiming(const QImage& image, std::int64_t width, std::int64_t height)
{
    return claiming(encoded(image, "BMP"), {18}, 4, width, height);
}

// The screen and both frames claim the size.
inline QByteArray gifClaiming(QSize size)
{
    return claiming(kAnimatedGif, {6, 38, 63}, 2, size.width(), size.height());
}

inline QByteArray noise(int size)
{
    std::mt19937 random(7);
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>(random()));
    return bytes;
}

// A file and what Picture1 holds once the show comes to it: its size and the colours of its first
// and last rows, the first unchecked when invalid. A file that cannot be shown leaves the one before.
struct Entry {
    std::string name;
    QByteArray bytes;
    QSize shows;
    QColor top;
    QColor bottom;
};

inline std::vector<Entry> entries()
{
    const QSize good(30, 20);
    const QColor red(Qt::red);
    // A JPEG of noise cut in the middle of its coded pixels: the decoder fills what is missing in
    // grey, which stays on the screen while the entries after it are skipped.
    const QByteArray pixels = noise(64 * 48 * 4);
    const QByteArray jpeg =
        encoded(QImage(reinterpret_cast<const uchar*>(pixels.constData()), 64, 48, QImage::Format_RGB32), "JPEG", 95);
    const QSize cut(64, 48);
    const QColor grey(128, 128, 128);
    QImage twoColours(20, 10, QImage::Format_RGB32);
    twoColours.fill(Qt::blue);
    QPainter(&twoColours).fillRect(0, 5, 20, 5, Qt::yellow);
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    return {
        {"01 good.bmp", solid(good, red, "BMP"), good, red, red},
        {"02 zero bytes.jpg", {}, good, red, red},
        {"03 random bytes.gif", noise(4096), good, red, red},
        {"04 header only.jpg", solid(QSize(40, 30), red, "JPEG").left(200), good, red, red},
        {"05 truncated.jpg", jpeg.left(jpeg.size() / 2), cut, {}, grey},
        {"06 claims 65535 x 65535.gif", gifClaiming(QSize(65535, 65535)), cut, {}, grey},
        {"07 claims 65535 x 65535.bmp", bmpClaiming(pixel, 65535, 65535), cut, {}, grey},
        {"08 claims 100000 x 100000.bmp", bmpClaiming(pixel, 100000, -100000), cut, {}, grey},
        {"09 zero by zero.bmp", bmpClaiming(pixel, 0, 0), cut, {}, grey},
        {"10 zero by zero.gif", gifClaiming(QSize(0, 0)), cut, {}, grey},
        {"11 top down.bmp", bmpClaiming(twoColours.mirrored(), 20, -10), QSize(20, 10), Qt::blue, Qt::yellow},
        {"12 png named.jpg", solid(QSize(25, 15), Qt::green, "PNG"), QSize(25, 15), Qt::green, Qt::green},
        {"13 sliver.bmp", solid(QSize(1, 20000), Qt::magenta, "BMP"), QSize(1, 20000), Qt::magenta, Qt::magenta},
        {"14 animated.gif", kAnimatedGif, QSize(3, 2), red, red},
    };
}

}  // namespace hostile
