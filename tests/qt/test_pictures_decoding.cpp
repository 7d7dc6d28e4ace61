// Decoding picture files: reduced while decoding when larger than the screen, whole only when shown
// at their own size, and ahead of time for only the very file and size asked for; JPEG of every
// coding as Qt's reader decodes it, within the limits, and stopped once cancelled.
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "hostile_files.h"
#include "jpeg_files.h"
#include "picture/decode/jpeg_decoding.h"
#include "picture/decode/picture_decoding.h"
#include "platform/failure.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

using platform::Failure;
using platform::PictureUse;
using platform::qt::DecodedPicture;
using platform::qt::decodeFile;

// Soft colour waves with some finer ripples, the kind of detail a photo has.
QImage waves(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           qRgb(128 + static_cast<int>(100 * std::sin(x / 41.0 + y / 67.0)),
                                128 + static_cast<int>(90 * std::cos(x / 23.0 - y / 31.0)),
                                128 + static_cast<int>(60 * std::sin((x + y) / 19.0))));
    return image;
}

// The mean and the largest difference of the colour channels.
std::pair<double, int> difference(const QImage& a, const QImage& b)
{
    long long sum = 0;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (const int shift : {0, 8, 16}) {
                const int channel = std::abs(int(a.pixel(x, y) >> shift & 0xff) - int(b.pixel(x, y) >> shift & 0xff));
                sum += channel;
                largest = std::max(largest, channel);
            }
    return {static_cast<double>(sum) / (3.0 * a.width() * a.height()), largest};
}

QColor colourOf(const std::shared_ptr<const DecodedPicture>& picture)
{
    return picture ? QColor(picture->image(picture->pixelSize()).pixel(0, 0)) : QColor();
}

struct Pictures : ::testing::Test, hostile::Folder {
    std::shared_ptr<const DecodedPicture> load(const std::string& path)
    {
        return std::dynamic_pointer_cast<const DecodedPicture>(loader.load(path, PictureUse::Fitted));
    }

    // New pixels in the same file, of the same length and with the same time, as if untouched; then
    // the colour of the picture loaded fitted from it.
    QColor loadedAfterUnnoticedRewrite(const std::string& path, QColor colour)
    {
        const auto time = std::filesystem::last_write_time(path);
        std::ofstream(path, std::ios::binary) << bitmap(colour).toStdString();
        std::filesystem::last_write_time(path, time);
        return colourOf(load(path));
    }

    // Every colour gives a file of the same length.
    static QByteArray bitmap(QColor colour) { return hostile::solid(QSize(60, 40), colour, "BMP"); }

    // Has the loader decode ahead and waits until its worker has read all of the file and closed it:
    // the file is opened twice, for its header and then for its pixels. Opens are watched too, or
    // the two closes in a row could reach the watch as one. A file watched by itself gives events
    // without a name, so each read takes one.
    void aheadCompletely(const std::string& path, PictureUse use = PictureUse::Fitted)
    {
        const int fd = ::inotify_init1(IN_CLOEXEC);
        ASSERT_GE(::inotify_add_watch(fd, path.c_str(), IN_OPEN | IN_CLOSE_NOWRITE), 0);
        loader.prefetch(path, use);
        int closes = 0;
        inotify_event event{};
        pollfd ready{fd, POLLIN, 0};
        // A bound on waiting for a broken worker, not a measure of speed.
        while (closes < 2 && ::poll(&ready, 1, 20000) == 1 && ::read(fd, &event, sizeof event) == sizeof event)
            closes += (event.mask & IN_CLOSE_NOWRITE) ? 1 : 0;
        ::close(fd);
        ASSERT_EQ(closes, 2);
    }

    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    platform::qt::QtPictureLoader loader;
};

TEST_F(Pictures, FittedDrawingMatchesAFullDecodeScaledDown)
{
    // Odd sizes, so that the reduction cannot divide them evenly.
    const QSize natural(screen.width() * 5 / 2 + 3, screen.height() * 3 / 2 + 1);
    const std::string path = write("large.jpg", hostile::encoded(waves(natural), "JPEG", 95));
    const auto picture = load(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixelSize(), natural);
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
            const auto [mean, largest] = difference(drawn, reference);
            EXPECT_LT(mean, 2.0);
            EXPECT_LE(largest, 24);
        }
    }

    // At its own size the picture is the full decode itself; an absurd size gives nothing rather
    // than 160 GB.
    EXPECT_LT(difference(picture->image(natural), full).first, 0.01);
    EXPECT_TRUE(picture->image(QSize(200000, 200000)).isNull());
}

TEST_F(Pictures, FileChangedBeforeTheFullDecodeLeavesTheLoadedPictureStretched)
{
    const auto picture = load(write("changing.jpg", hostile::solid(screen * 2, Qt::green, "JPEG")));
    ASSERT_TRUE(picture);

    write("changing.jpg", hostile::solid(screen * 2, Qt::red, "JPEG").append(QByteArray(100, '\0')));
    const QImage full = picture->image(picture->pixelSize());
    ASSERT_EQ(full.size(), screen * 2);
    EXPECT_GT(QColor(full.pixel(10, 10)).green(), 200);
}

TEST_F(Pictures, DecodeMadeAheadServesOnlyTheFileVersionAndUseItWasMadeFor)
{
    const std::string a = write("a.bmp", bitmap(Qt::red)), b = write("b.bmp", bitmap(Qt::blue));
    aheadCompletely(a);
    EXPECT_EQ(loadedAfterUnnoticedRewrite(a, Qt::green), QColor(Qt::red)) << "the decode made ahead was not used";

    // Replaced as a saving program replaces a file: a new file renamed over the old one.
    aheadCompletely(a);
    ASSERT_EQ(::rename(write("new.bmp", bitmap(Qt::yellow)).c_str(), a.c_str()), 0);
    EXPECT_EQ(colourOf(load(a)), QColor(Qt::yellow));
    // So is a broken file fixed after its decode ahead failed.
    const std::string broken = write("broken.bmp", hostile::noise(100));
    aheadCompletely(broken);
    ASSERT_EQ(::rename(write("fixed.bmp", bitmap(Qt::yellow)).c_str(), broken.c_str()), 0);
    EXPECT_EQ(colourOf(load(broken)), QColor(Qt::yellow));

    // The next file loaded is not the one decoded ahead.
    aheadCompletely(a);
    EXPECT_EQ(colourOf(load(b)), QColor(Qt::blue));
    EXPECT_EQ(loadedAfterUnnoticedRewrite(a, Qt::green), QColor(Qt::green));

    // A newer hint replaces the older one.
    aheadCompletely(a);
    loader.prefetch(b, PictureUse::Fitted);
    EXPECT_EQ(loadedAfterUnnoticedRewrite(a, Qt::red), QColor(Qt::red));

    // A decode for the picture at its own size is of another size than one fitted to the screen.
    aheadCompletely(a, PictureUse::OwnSize);
    EXPECT_EQ(loadedAfterUnnoticedRewrite(a, Qt::blue), QColor(Qt::blue));
}

// Against Qt's reader of the same file: at full size both are libjpeg-turbo's own decode and agree
// exactly; reduced while decoding, it is within a mean of 3 levels of Qt's full decode scaled
// smoothly to the same size (7 at an eighth, where each block becomes one pixel).
TEST_F(Pictures, JpegOfEveryCodingDecodesAsQtsReaderDoes)
{
    using jpeg_files::encoded;
    const QImage photo = waves(QSize(203, 157));
    const QByteArray baseline = encoded(photo, {}), progressive = encoded(photo, {JCS_YCbCr, true});
    std::vector<std::pair<std::string, QByteArray>> cases = {
        {"baseline", baseline},
        {"progressive", progressive},
        {"grey", encoded(photo, {JCS_GRAYSCALE})},
        {"rgb", encoded(photo, {JCS_RGB})},
        {"cmyk", encoded(photo, {JCS_CMYK})},
        {"ycck", encoded(photo, {JCS_YCCK})},
        {"restart markers", encoded(photo, {JCS_YCbCr, false, false, 1})},
        {"arithmetic", encoded(photo, {JCS_YCbCr, true, true})},
        {"not a colour profile, in two segments", encoded(photo, {JCS_YCbCr, true, false, 0, hostile::noise(100000)})},
        {"1 x 1", encoded(waves(QSize(1, 1)), {})},
        {"1 x 5000", encoded(waves(QSize(1, 5000)), {})},
        {"last scan 30 times over", jpeg_files::lastScanRepeated(progressive, 30)},
        {"cut short", baseline.left(baseline.size() * 3 / 5)},
        {"cut before its scan", baseline.left(baseline.indexOf("\xff\xda"))},
        {"zero width", hostile::claiming(baseline, 0, photo.height())},
        {"progressive cut short", progressive.left(progressive.size() * 3 / 5)},
        {"corrupt data", QByteArray(baseline).replace(baseline.size() / 2, 40, QByteArray(40, '\x55'))},
        {"12 bits", QByteArray(baseline).replace(baseline.indexOf("\xff\xc0") + 4, 1, "\x0c")},
        {"orientation 6, little-endian", baseline.left(2) + jpeg_files::exif(6, true) + baseline.mid(2)},
    };
    for (int orientation = 1; orientation <= 8; ++orientation)
        cases.push_back({"orientation " + std::to_string(orientation),
                         baseline.left(2) + jpeg_files::exif(orientation) + baseline.mid(2)});

    for (const auto& [name, file] : cases) {
        SCOPED_TRACE(name);
        const std::string path = write("picture.jpg", file);
        QImageReader reader(QString::fromStdString(path));
        reader.setAutoTransform(true);
        const QImage reference = reader.read().convertToFormat(QImage::Format_RGB32);
        if (reference.isNull()) {
            EXPECT_THROW(decodeFile(path, {}), Failure);
            EXPECT_THROW(decodeFile(path, QSize(9, 9)), Failure);
            continue;
        }
        const platform::qt::DecodedFile full = decodeFile(path, {});
        EXPECT_EQ(full.natural, reference.size());
        EXPECT_EQ(difference(full.image, reference).second, 0);
        for (int eighths = 1; eighths < 8; ++eighths) {
            SCOPED_TRACE(eighths);
            const QSize bound((reference.width() * eighths + 7) / 8, (reference.height() * eighths + 7) / 8);
            const QImage reduced = decodeFile(path, bound).image;
            // The bound is the picture at eighths: met give or take the pixel that rounding adds.
            ASSERT_LE(std::abs(reduced.width() - bound.width()), 1);
            ASSERT_LE(std::abs(reduced.height() - bound.height()), 1);
            const QImage scaled = reference.scaled(reduced.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(difference(reduced, scaled).first, eighths == 1 ? 7.0 : 3.0);
        }
    }
}

// Refused from the header, before anything of the size is allocated, or by the count of scans;
// but a fitted picture that a reduced decode keeps within the limits is shown.
TEST_F(Pictures, JpegBeyondTheLimitsIsRefused)
{
    const QByteArray small = jpeg_files::encoded(waves(QSize(64, 48)), {});
    const QByteArray progressive = jpeg_files::encoded(waves(QSize(256, 256)), {JCS_YCbCr, true});
    for (const auto& [name, file] : std::vector<std::pair<std::string, QByteArray>>{
             {"claims 65500 x 65500", hostile::claiming(small, 65500, 65500)},
             {"claims 8000 x 8000 in a few bytes", hostile::claiming(small, 8000, 8000)},
             {"claims 4000 x 4000 in a few kilobytes", hostile::claiming(small, 4000, 4000)},
             {"last scan 300 times over", jpeg_files::lastScanRepeated(progressive, 300)}}) {
        SCOPED_TRACE(name);
        const std::string path = write("refused.jpg", file);
        EXPECT_THROW(decodeFile(path, {}), Failure);
        EXPECT_THROW(decodeFile(path, QSize(800, 600)), Failure);
    }

    // Too many pixels, or wider than a window can be, at their own size; an eighth or less fitted.
    for (const auto& [size, fittedSize] :
         {std::pair{QSize(16000, 16000), QSize(600, 600)}, std::pair{QSize(40000, 8), QSize(800, 1)}}) {
        SCOPED_TRACE(size.width());
        const std::string path = write("large.jpg", jpeg_files::flatGrey(size.width(), size.height()));
        EXPECT_THROW(decodeFile(path, {}), Failure);
        const platform::qt::DecodedFile fitted = decodeFile(path, QSize(800, 600));
        EXPECT_EQ(fitted.natural, size);
        EXPECT_EQ(fitted.image.size(), fittedSize);
        EXPECT_EQ(fitted.image.pixel(0, 0), qRgb(128, 128, 128));
    }
}

// Cancels the decode reading from it as soon as the decoder first reads, and counts the reads
// after that: a decode that goes on reads the rest of the file.
struct CancellingBuffer : QBuffer {
    std::atomic<bool> cancelled{false};
    int readsAfterCancelling = 0;

    qint64 readData(char* data, qint64 maxSize) override
    {
        if (cancelled.exchange(true))
            ++readsAfterCancelling;
        return QBuffer::readData(data, maxSize);
    }
};

TEST_F(Pictures, JpegDecodeStopsOnceCancelled)
{
    // Noise codes into many reads' worth of file.
    const QByteArray pixels = hostile::noise(600 * 600 * 4);
    const QImage noise(reinterpret_cast<const uchar*>(pixels.constData()), 600, 600, QImage::Format_RGB32);
    for (const bool progressive : {false, true}) {
        for (const QSize bound : {QSize(), QSize(100, 100)}) {
            SCOPED_TRACE(std::string(progressive ? "progressive" : "baseline") + (bound.isEmpty() ? "" : ", fitted"));
            CancellingBuffer device;
            device.setData(jpeg_files::encoded(noise, {JCS_YCbCr, progressive}, 100));
            ASSERT_TRUE(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
            EXPECT_THROW(platform::qt::decodeJpeg(device, "noise.jpg", bound, &device.cancelled, nullptr), Failure);
            EXPECT_EQ(device.readsAfterCancelling, 0);
        }
    }
}

}  // namespace
