// Loading picture files: what decodes, at what size, and what is refused without hanging.
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

using platform::Failure;
using platform::qt::QtPicture;
using platform::qt::QtPictureLoader;

void appendWord(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

// A GIF with a four-colour palette (0 red, 1 blue) and one solid frame per colour. Qt writes no
// GIF, so it is coded here: a clear code before every second pixel keeps LZW codes 3 bits wide.
QByteArray gif(int screenWidth, int screenHeight, int width, int height, const std::vector<int>& frames)
{
    QByteArray out("GIF89a");
    appendWord(out, screenWidth);
    appendWord(out, screenHeight);
    out.append("\x81\0\0", 3);
    out.append("\xff\0\0" "\0\0\xff" "\0\0\0" "\xff\xff\xff", 12);
    for (const int colour : frames) {
        out.append("\x21\xf9\x04\0\x0a\0\0\0", 8);
        out.append('\x2c');
        appendWord(out, 0);
        appendWord(out, 0);
        appendWord(out, width);
        appendWord(out, height);
        out.append('\0');
        out.append('\x02');
        std::vector<int> codes;
        for (int pixel = 0; pixel < width * height; ++pixel) {
            if (pixel % 2 == 0)
                codes.push_back(4);
            codes.push_back(colour);
        }
        codes.push_back(5);
        QByteArray data;
        for (std::size_t bit = 0; bit < codes.size() * 3; ++bit) {
            if (bit % 8 == 0)
                data.append('\0');
            if ((codes[bit / 3] >> (bit % 3)) & 1)
                data[data.size() - 1] = static_cast<char>(data.back() | (1 << (bit % 8)));
        }
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            out.append(static_cast<char>(block.size()));
            out.append(block);
        }
        out.append('\0');
    }
    out.append('\x3b');
    return out;
}

// A 24-bit BMP header claiming the given size, followed by a few bytes of pixels.
QByteArray bmpHeader(int width, int height)
{
    QByteArray out("BM");
    const auto u32 = [&out](quint32 v) {
        appendWord(out, static_cast<int>(v & 0xffff));
        appendWord(out, static_cast<int>(v >> 16));
    };
    u32(54 + 64);
    u32(0);
    u32(54);
    u32(40);
    u32(static_cast<quint32>(width));
    u32(static_cast<quint32>(height));
    appendWord(out, 1);
    appendWord(out, 24);
    for (int i = 0; i < 6; ++i)
        u32(0);
    out.append(64, '\x7f');
    return out;
}

// A JPEG whose EXIF orientation (6) says the stored pixels are to be turned a quarter clockwise.
QByteArray jpegTurnedByExif(const QImage& stored)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPEG");
    const QByteArray exif("\xff\xe1\x00\x22" "Exif\0\0" "MM\0\x2a\0\0\0\x08" "\0\x01"
                          "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0" "\0\0\0\0",
                          36);
    QByteArray bytes = buffer.data();
    return bytes.insert(2, exif);
}

class PictureLoading : public ::testing::Test {
protected:
    std::string path(const QString& name) const { return QFile::encodeName(dir.filePath(name)).toStdString(); }

    std::string write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    std::string save(const QString& name, const char* format) const
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::green);
        EXPECT_TRUE(image.save(dir.filePath(name), format));
        return path(name);
    }

    std::shared_ptr<const QtPicture> load(const std::string& file)
    {
        return std::dynamic_pointer_cast<const QtPicture>(loader.load(file));
    }

    QTemporaryDir dir;
    QtPictureLoader loader;
};

TEST_F(PictureLoading, PicturesAreDecodedByContentAndMeasuredInTwips)
{
    const std::vector<std::string> files = {save("a.bmp", "BMP"), save("b.jpg", "JPEG"),
                                            save("png named.jpg", "PNG"), save("UPPER.JPG", "JPEG")};
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto picture = load(file);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width(), 600.0f);
        EXPECT_EQ(picture->height(), 450.0f);
        EXPECT_EQ(picture->image(QSize(20, 10)).size(), QSize(20, 10));
        EXPECT_TRUE(picture->image(QSize(0, 10)).isNull());
        EXPECT_TRUE(picture->image(QSize(200000, 200000)).isNull());
    }
}

TEST_F(PictureLoading, AnimatedGifShowsItsFirstFrame)
{
    const auto picture = load(write("anim.gif", gif(3, 2, 3, 2, {0, 1})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 45.0f);
    EXPECT_EQ(picture->height(), 30.0f);
    EXPECT_EQ(QColor(picture->image(QSize(3, 2)).pixel(2, 1)), QColor(Qt::red));
}

TEST_F(PictureLoading, ExifOrientationSwapsWidthAndHeight)
{
    QImage stored(40, 30, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    const auto picture = load(write("turned.jpg", jpegTurnedByExif(stored)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixelSize(), QSize(30, 40));
    EXPECT_EQ(picture->width(), 450.0f);
}

TEST_F(PictureLoading, FilesThatAreNotPicturesFail)
{
    std::mt19937 random(7);
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(static_cast<char>(random()));
    const std::string fifo = path("pipe.jpg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", path("zero.jpg").c_str()), 0);
    ASSERT_EQ(::symlink(path("gone.jpg").c_str(), path("dangling.jpg").c_str()), 0);
    ASSERT_EQ(::mkdir(path("folder.jpg").c_str(), 0700), 0);

    const std::vector<std::string> files = {
        write("empty.jpg", {}),
        write("noise.jpg", noise),
        write("truncated.jpg", jpegTurnedByExif(QImage(40, 30, QImage::Format_RGB32)).left(200)),
        fifo,
        path("zero.jpg"),
        path("dangling.jpg"),
        path("folder.jpg"),
        path("missing.jpg"),
        path(""),
        write("huge.gif", gif(65535, 65535, 1, 1, {0})),
        write("huge.bmp", bmpHeader(65535, 65535)),
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        EXPECT_THROW(loader.load(file), Failure);
    }
}

}  // namespace
