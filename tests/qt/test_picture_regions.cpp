// Decoding only the part of a picture that is seen gives the pixels of that part of a whole decode,
// whatever its orientation, coding and layout, and wherever the part's edges fall among the blocks.
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "hostile_files.h"
#include "jpeg_files.h"
#include "picture/decode/picture_decoding.h"
#include "picture/decode/region_decoding.h"
#include "platform/failure.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

using platform::qt::decodeFile;
using platform::qt::decodeFileRegion;

// Colours that change from each pixel to the next, so that a part one pixel off does not pass.
QImage detail(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           qRgb(128 + static_cast<int>(90 * std::sin(x / 3.0 + y / 11.0)), (x * 7 + y * 3) % 256,
                                128 + static_cast<int>(90 * std::cos(y / 2.0 - x / 13.0))));
    return image;
}

// Qt writes neither 32 bits a pixel nor rows top-down. Rows are padded with bytes that show if read.
QByteArray bmp(const QImage& picture, int bytesPerPixel, bool topDown)
{
    const int width = picture.width(), height = picture.height(), rowBytes = (width * bytesPerPixel + 3) / 4 * 4;
    QByteArray file(54, '\0');
    const auto put = [&file](int at, long long value, int size) {
        for (int i = 0; i < size; ++i)
            file[at + i] = static_cast<char>(value >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put(2, 54 + rowBytes * height, 4), put(10, 54, 4), put(14, 40, 4), put(18, width, 4);
    put(22, topDown ? -height : height, 4), put(26, 1, 2), put(28, bytesPerPixel * 8, 2);
    for (int row = 0; row < height; ++row) {
        QByteArray bytes(rowBytes, '\x5a');
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = picture.pixel(x, topDown ? row : height - 1 - row);
            bytes[x * bytesPerPixel] = static_cast<char>(qBlue(pixel));
            bytes[x * bytesPerPixel + 1] = static_cast<char>(qGreen(pixel));
            bytes[x * bytesPerPixel + 2] = static_cast<char>(qRed(pixel));
        }
        file += bytes;
    }
    return file;
}

TEST(PictureRegions, AreThePixelsOfTheSamePartOfTheWholePicture)
{
    const QImage picture = detail(QSize(101, 70));
    std::vector<std::pair<std::string, QByteArray>> files = {{"24 bits, bottom-up", bmp(picture, 3, false)},
                                                             {"32 bits, top-down", bmp(picture, 4, true)},
                                                             {"PNG", hostile::encoded(picture, "PNG")}};
    const std::vector<std::pair<std::string, jpeg_files::Coding>> codings = {
        {"4:2:0", {}}, {"4:4:4", {JCS_YCbCr, false, false, 0, {}, true}}, {"progressive", {JCS_YCbCr, true}}};
    for (const auto& [name, coding] : codings) {
        const QByteArray jpeg = jpeg_files::encoded(picture, coding);
        for (int orientation = 1; orientation <= 8; ++orientation)
            files.push_back({name + ", orientation " + std::to_string(orientation),
                             jpeg.left(2) + jpeg_files::exif(orientation) + jpeg.mid(2)});
    }
    const hostile::Folder folder;
    for (const auto& [name, bytes] : files) {
        const std::string path = folder.write("picture", bytes);
        const platform::qt::DecodedFile whole = decodeFile(path, {});
        const QSize natural = whole.natural;
        // Edges inside blocks of 8 and of 16, on them, at the picture's far edges, and beyond them;
        // a part as wide as the picture, as one just larger than the screen one way only gives.
        for (const QRect seen : {QRect(13, 21, 37, 29), QRect(16, 32, 40, 24), QRect(0, 9, natural.width(), 31),
                                 QRect(natural.width() - 45, natural.height() - 27, 45, 27), QRect(-5, 60, 30, 90)}) {
            SCOPED_TRACE(name + ", part at " + std::to_string(seen.x()) + ", " + std::to_string(seen.y()));
            const platform::qt::DecodedFile part = decodeFileRegion(path, seen);
            const QRect within = seen & QRect(QPoint(0, 0), natural);
            EXPECT_EQ(part.natural, natural);
            ASSERT_EQ(part.image.size(), within.size());
            // Pixel for pixel, JPEG's upsampled colours beside the part's edges too.
            EXPECT_TRUE(part.image == whole.image.copy(within));
        }
    }
}

// A 200-megapixel photo is shown at its own size, only its middle decoded; a progressive one, whose
// decoder would hold every coefficient of it, is refused calmly.
TEST(PictureParts, ABaselinePhotoLargerThanAnyWindowIsShownWhereSeenAndAProgressiveOneRefused)
{
    const hostile::Folder folder;
    QByteArray file = jpeg_files::flatGrey(16384, 12288);
    const std::string baseline = folder.write("baseline.jpg", file);
    file[file.indexOf("\xff\xc0") + 1] = '\xc2';
    const std::string progressive = folder.write("progressive.jpg", file);

    platform::qt::QtPictureLoader loader;
    const auto picture = std::dynamic_pointer_cast<const platform::qt::DecodedPicture>(
        loader.load(baseline, platform::PictureUse::OwnSize));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixelSize(), QSize(16384, 12288));
    const QSize screen = QGuiApplication::primaryScreen()->size() * QGuiApplication::primaryScreen()->devicePixelRatio();
    EXPECT_EQ(picture->atHand().size(), picture->partAtHand().size());
    EXPECT_LE(picture->atHand().width(), screen.width() + 4);
    const QSize seen = screen - QSize(4, 4);
    const QRect middle(QPoint((16384 - seen.width()) / 2, (12288 - seen.height()) / 2), seen);
    EXPECT_TRUE(picture->partAtHand().contains(middle));
    EXPECT_THROW(loader.load(progressive, platform::PictureUse::OwnSize), platform::Failure);
}

}  // namespace
