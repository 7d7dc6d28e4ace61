// Pictures larger than the screen: decoded reduced, drawn close to a full decode scaled down, and
// decoded whole only when shown at their own size.
#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/failure.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

using platform::Failure;
using platform::qt::DecodedPicture;

// Soft colour waves with some finer ripples, the kind of detail a photo has.
QImage waves(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(128 + static_cast<int>(100 * std::sin(x / 41.0 + y / 67.0)),
                                      128 + static_cast<int>(90 * std::cos(x / 23.0 - y / 31.0)),
                                      128 + static_cast<int>(60 * std::sin((x + y) / 19.0))));
    return image;
}

QByteArray jpeg(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return buffer.data();
}

struct Difference {
    double mean = 0;
    int largest = 0;
};

Difference difference(const QImage& a, const QImage& b)
{
    Difference d;
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int channel : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                      std::abs(qBlue(p) - qBlue(q))}) {
                sum += channel;
                d.largest = std::max(d.largest, channel);
            }
        }
    d.mean = static_cast<double>(sum) / (3.0 * a.width() * a.height());
    return d;
}

class PictureScaling : public ::testing::Test {
protected:
    std::string write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return QFile::encodeName(dir.filePath(name)).toStdString();
    }

    std::shared_ptr<const DecodedPicture> load(const std::string& path)
    {
        return std::dynamic_pointer_cast<const DecodedPicture>(loader.load(path));
    }

    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QTemporaryDir dir;
    platform::qt::QtPictureLoader loader;
};

TEST_F(PictureScaling, FittedDrawingMatchesAFullDecodeScaledDown)
{
    // Odd sizes, so that the reduction cannot divide them evenly.
    const QSize natural(screen.width() * 5 / 2 + 3, screen.height() * 3 / 2 + 1);
    const std::string path = write("large.jpg", jpeg(waves(natural)));
    const auto picture = load(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixelSize(), natural);
    EXPECT_EQ(picture->width(), natural.width() * 15.0f);
    EXPECT_LT(picture->decodedSize().width(), natural.width() / 2);
    EXPECT_GE(picture->decodedSize().width(), screen.width());

    const QImage full = QImageReader(QString::fromStdString(path)).read();
    for (const QSize size : {picture->decodedSize() - QSize(33, 33), QSize(screen.width() / 3, screen.height() / 5)}) {
        SCOPED_TRACE(size.width());
        QImage painted(size, QImage::Format_RGB32);
        QPainter painter(&painted);
        ASSERT_TRUE(picture->draw(painter, painted.rect()));
        painter.end();
        const QImage reference = full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (const QImage& drawn : {painted, picture->image(size)}) {
            ASSERT_EQ(drawn.size(), size);
            const Difference d = difference(drawn, reference);
            EXPECT_LT(d.mean, 2.0);
            EXPECT_LE(d.largest, 24);
        }
    }

    // At its own size the picture is the full decode itself.
    EXPECT_LT(difference(picture->image(natural), full).mean, 0.01);
}

TEST_F(PictureScaling, TurnedPictureIsReducedInItsStoredOrientation)
{
    // Stored wide with a red left half; the EXIF orientation turns it a quarter clockwise, so the
    // red half comes on top.
    QImage stored(screen.width() * 3, screen.width(), QImage::Format_RGB32);
    stored.fill(Qt::blue);
    QPainter(&stored).fillRect(0, 0, stored.width() / 2, stored.height(), Qt::red);
    const QByteArray exif("\xff\xe1\x00\x22" "Exif\0\0" "MM\0\x2a\0\0\0\x08" "\0\x01"
                          "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0" "\0\0\0\0",
                          36);
    const auto picture = load(write("turned.jpg", jpeg(stored).insert(2, exif)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixelSize(), stored.size().transposed());
    EXPECT_LE(picture->decodedSize().height(), screen.height() + 1);

    const QImage drawn = picture->image(picture->decodedSize());
    EXPECT_GT(QColor(drawn.pixel(drawn.width() / 2, drawn.height() / 8)).red(), 200);
    EXPECT_GT(QColor(drawn.pixel(drawn.width() / 2, drawn.height() * 7 / 8)).blue(), 200);
}

TEST_F(PictureScaling, FileChangedBeforeTheFullDecodeLeavesTheLoadedPictureStretched)
{
    QImage green(screen * 2, QImage::Format_RGB32);
    green.fill(Qt::green);
    const std::string path = write("changing.jpg", jpeg(green));
    const auto picture = load(path);
    ASSERT_TRUE(picture);

    QImage red(screen * 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    write("changing.jpg", jpeg(red).append(QByteArray(100, '\0')));
    const QImage full = picture->image(picture->pixelSize());
    ASSERT_EQ(full.size(), screen * 2);
    EXPECT_GT(QColor(full.pixel(10, 10)).green(), 200);
}

TEST_F(PictureScaling, LargePicturesThatCannotBeDecodedStillFail)
{
    const QByteArray good = jpeg(waves(screen * 2));
    QByteArray zeroWidth = good;
    const int frame = zeroWidth.indexOf("\xff\xc0");
    ASSERT_GT(frame, 0);
    zeroWidth.replace(frame + 7, 2, QByteArray(2, '\0'));

    for (const std::string& path : {write("cut.jpg", good.left(good.indexOf("\xff\xda"))),
                                    write("zero width.jpg", zeroWidth)}) {
        SCOPED_TRACE(path);
        EXPECT_THROW(loader.load(path), Failure);
        loader.prefetch(path);
        EXPECT_THROW(loader.load(path), Failure);
    }
}

}  // namespace
