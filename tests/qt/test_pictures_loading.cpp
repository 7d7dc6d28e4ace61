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

// Qt writes no GIF: a 3 x 2 animation of two solid frames, red then blue, coded by hand.
const QByteArray kAnimatedGif("GIF89a" "\x03\x00\x02\x00" "\x81\x00\x00"
                              "\xff\x00\x00" "\x00\x00\xff" "\x00\x00\x00" "\xff\xff\xff"
                              "\x21\xf9\x04\x00\x0a\x00\x00\x00" "\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00"
                              "\x02\x04\x04\x08\x10\x28\x00"
                              "\x21\xf9\x04\x00\x0a\x00\x00\x00" "\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00"
                              "\x02\x04\x4c\x98\x30\x29\x00" "\x3b",
                              76);

// An EXIF segment whose orientation (6) turns the stored pixels a quarter clockwise.
const QByteArray kExifTurned("\xff\xe1\x00\x22" "Exif\0\0" "MM\0\x2a\0\0\0\x08" "\0\x01"
                             "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0" "\0\0\0\0",
                             36);

QByteArray encoded(const char* format)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::green);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

// The same file claiming 10000 x 10000 pixels: 400 MB once decoded, past the loader's limit.
QByteArray claimingEnormousSize(QByteArray file, int widthAt, int heightAt, int bytes)
{
    for (const int at : {widthAt, heightAt})
        file.replace(at, bytes, QByteArray(bytes, '\0').replace(0, 2, "\x10\x27"));
    return file;
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

    std::shared_ptr<const QtPicture> load(const std::string& file)
    {
        return std::dynamic_pointer_cast<const QtPicture>(loader.load(file));
    }

    QTemporaryDir dir;
    platform::qt::QtPictureLoader loader;
};

TEST_F(PictureLoading, PicturesAreDecodedByContentAndMeasuredInTwips)
{
    for (const std::string& file : {write("a.bmp", encoded("BMP")), write("b.jpg", encoded("JPEG")),
                                    write("UPPER.JPG", encoded("JPEG")), write("png named.jpg", encoded("PNG"))}) {
        SCOPED_TRACE(file);
        const auto picture = load(file);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width(), 600.0f);
        EXPECT_EQ(picture->height(), 450.0f);
        EXPECT_EQ(picture->image(QSize(20, 10)).size(), QSize(20, 10));
        EXPECT_TRUE(picture->image(QSize(0, 10)).isNull());
        EXPECT_TRUE(picture->image(QSize(200000, 200000)).isNull());
    }

    const auto gif = load(write("anim.gif", kAnimatedGif));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->width(), 45.0f);
    EXPECT_EQ(QColor(gif->image(QSize(3, 2)).pixel(2, 1)), QColor(Qt::red));

    const auto turned = load(write("turned.jpg", encoded("JPEG").insert(2, kExifTurned)));
    ASSERT_TRUE(turned);
    EXPECT_EQ(turned->pixelSize(), QSize(30, 40));
    EXPECT_EQ(turned->width(), 450.0f);
}

TEST_F(PictureLoading, FilesThatAreNotPicturesFailAtOnce)
{
    std::mt19937 random(7);
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(static_cast<char>(random()));
    ASSERT_EQ(::mkfifo(path("pipe.jpg").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", path("zero.jpg").c_str()), 0);
    ASSERT_EQ(::symlink("gone.jpg", path("dangling.jpg").c_str()), 0);
    ASSERT_EQ(::mkdir(path("folder.jpg").c_str(), 0700), 0);

    for (const std::string& file : {
             write("empty.jpg", {}),
             write("noise.jpg", noise),
             write("truncated.jpg", encoded("JPEG").left(200)),
             write("huge.gif", claimingEnormousSize(kAnimatedGif, 6, 8, 2)),
             write("huge.bmp", claimingEnormousSize(encoded("BMP"), 18, 22, 4)),
             path("pipe.jpg"),
             path("zero.jpg"),
             path("dangling.jpg"),
             path("folder.jpg"),
             path("missing.jpg"),
             path(""),
         }) {
        SCOPED_TRACE(file);
        EXPECT_THROW(loader.load(file), Failure);
    }
}

}  // namespace
