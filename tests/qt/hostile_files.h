// Picture files with awkward contents: Qt's own encodings, some with their headers overwritten.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QTemporaryDir>

#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace hostile {

// A folder of the test's own to write picture files into.
struct Folder {
    std::string path(const std::string& name) const { return folder + "/" + name; }
    std::string write(const std::string& name, const QByteArray& bytes) const
    {
        std::ofstream(path(name), std::ios::binary | std::ios::trunc) << bytes.toStdString();
        return path(name);
    }

    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
};

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
inline const QByteArray kAnimatedGif(
    "GIF89a" "\x03\x00\x02\x00" "\x81\x00\x00" "\xff\x00\x00" "\x00\x00\xff" "\x00\x00\x00" "\xff\xff\xff"
    "\x21\xf9\x04\x00\x0a\x00\x00\x00" "\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00" "\x02\x04\x04\x08\x10\x28\x00"
    "\x21\xf9\x04\x00\x0a\x00\x00\x00" "\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00" "\x02\x04\x4c\x98\x30\x29\x00"
    "\x3b", 76);

// The file with a width and a height written over its own at each offset: for a BMP 4 bytes each,
// little-endian, in its one header (a negative height stores the rows top-down); for the GIF 2 bytes
// each in its screen and both frames; for a JPEG 2 bytes each, big-endian and height first, in its
// frame header.
inline QByteArray claiming(QByteArray file, std::int64_t width, std::int64_t height)
{
    const bool gif = file.startsWith("GIF"), jpeg = file.startsWith("\xff\xd8");
    const int bytes = gif || jpeg ? 2 : 4;
    const std::vector<qsizetype> offsets =
        gif ? std::vector<qsizetype>{6, 38, 63} : std::vector<qsizetype>{jpeg ? file.indexOf("\xff\xc0") + 5 : 18};
    for (const qsizetype at : offsets)
        for (int i = 0; i < bytes; ++i) {
            const int shift = 8 * (jpeg ? bytes - 1 - i : i);
            file[at + i] = static_cast<char>((jpeg ? height : width) >> shift);
            file[at + bytes + i] = static_cast<char>((jpeg ? width : height) >> shift);
        }
    return file;
}

inline QByteArray noise(int size)
{
    std::mt19937 random(7);
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>(random()));
    return bytes;
}

// A file and the picture Picture1 shows once the show comes to it: its size and the colours of its
// first and last rows. A file with no size here cannot be shown and leaves the picture before it.
struct Entry {
    std::string name;
    QByteArray bytes;
    QSize shows = {};
    QColor top = {}, bottom = {};
};

inline std::vector<Entry> entries()
{
    QImage twoColours(20, 10, QImage::Format_RGB32);
    twoColours.fill(Qt::blue);
    QPainter(&twoColours).fillRect(0, 5, 20, 5, Qt::yellow);
    const QByteArray pixel = solid(QSize(1, 1), Qt::white, "BMP");
    return {
        {"01 good.bmp", solid(QSize(30, 20), Qt::red, "BMP"), QSize(30, 20), Qt::red, Qt::red},
        {"02 zero bytes " + std::string(230, 'x') + ".jpg", {}},
        {"03 random bytes.gif", noise(4096)},
        {"04 header only.jpg", solid(QSize(40, 30), Qt::red, "JPEG").left(200)},
        {"06 claims 65535 x 65535.gif", claiming(kAnimatedGif, 65535, 65535)},
        {"07 claims 65535 x 65535.bmp", claiming(pixel, 65535, 65535)},
        {"08 claims 100000 x 100000.bmp", claiming(pixel, 100000, -100000)},
        {"09 zero by zero.bmp", claiming(pixel, 0, 0)},
        {"10 zero by zero.gif", claiming(kAnimatedGif, 0, 0)},
        {"11 top down.bmp", claiming(encoded(twoColours.mirrored(), "BMP"), 20, -10), QSize(20, 10), Qt::blue,
         Qt::yellow},
        {"12 png named #1 [copy] \xc3\xa9t\xc3\xa9.jpg", solid(QSize(25, 15), Qt::green, "PNG"), QSize(25, 15),
         Qt::green, Qt::green},
        {"13 sliver caf\xe9 not utf-8.bmp", solid(QSize(1, 20000), Qt::magenta, "BMP"), QSize(1, 20000),
         Qt::magenta, Qt::magenta},
        {"14 animated\nnew line.gif", kAnimatedGif, QSize(3, 2), Qt::red, Qt::red},
    };
}

}  // namespace hostile
