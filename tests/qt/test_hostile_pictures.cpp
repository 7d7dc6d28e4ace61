// Awkward picture files in a running show: each one shows or is skipped, and the show goes on.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

// What Picture1 holds once the tick has come to the entry: its size and the colours of its first
// and last rows, the first unchecked when invalid. A file that cannot be shown leaves the one before.
struct Entry {
    std::string name;
    QByteArray bytes;
    QSize shows;
    QColor top;
    QColor bottom;
};

QByteArray noise(int size)
{
    std::mt19937 random(7);
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>(random()));
    return bytes;
}

// A JPEG of noise cut in the middle of its coded pixels; the decoder fills what is missing in grey.
QByteArray truncatedJpeg()
{
    QImage image(64, 48, QImage::Format_RGB32);
    std::mt19937 random(11);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, static_cast<QRgb>(random()));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return buffer.data().left(buffer.data().size() / 2);
}

std::vector<Entry> entries()
{
    using namespace hostile;
    const QSize good(30, 20);
    const QColor red(Qt::red);
    // What the truncated JPEG leaves on the screen, also while the entries after it are skipped.
    const QSize cut(64, 48);
    const QColor grey(128, 128, 128);
    return {
        {"01 good.bmp", solid(good, red, "BMP"), good, red, red},
        {"02 zero bytes.jpg", {}, good, red, red},
        {"03 random bytes.gif", noise(4096), good, red, red},
        {"04 truncated.jpg", truncatedJpeg(), cut, {}, grey},
        {"05 claims 65535 x 65535.gif", gifClaiming(QSize(65535, 65535)), cut, {}, grey},
        {"06 claims 65535 x 65535.bmp", bmpHeader(65535, 65535) + "\xff\xff\xff", cut, {}, grey},
        {"07 claims 100000 x 100000.bmp", bmpHeader(100000, -100000) + "\xff\xff\xff", cut, {}, grey},
        {"08 zero by zero.bmp", bmpHeader(0, 0), cut, {}, grey},
        {"09 zero by zero.gif", gif(QSize(0, 0), {red}), cut, {}, grey},
        {"10 top down.bmp", topDownBmp(20, 10, Qt::blue, Qt::yellow), QSize(20, 10), Qt::blue, Qt::yellow},
        {"11 png named.jpg", solid(QSize(25, 15), Qt::green, "PNG"), QSize(25, 15), Qt::green, Qt::green},
        {"12 sliver.bmp", solid(QSize(1, 20000), Qt::magenta, "BMP"), QSize(1, 20000), Qt::magenta, Qt::magenta},
        {"13 animated.gif", gif(QSize(12, 8), {Qt::cyan, Qt::red}), QSize(12, 8), Qt::cyan, Qt::cyan},
    };
}

class HostilePictures : public HostileShow {};

TEST_F(HostilePictures, EachShowsOrIsSkippedKeepingThePreviousOneWhileTheShowGoesOn)
{
    const std::vector<Entry> list = entries();
    for (const Entry& entry : list)
        write(entry.name, entry.bytes);
    openFolder();
    ASSERT_EQ(form.File1.listCount(), static_cast<int>(list.size()));
    const int count = form.File1.listCount();
    const long long peakBefore = statusKilobytes("VmPeak");

    for (const int fitted : {0, 1}) {
        SCOPED_TRACE(fitted ? "fitted onto the display window" : "on the main window");
        form.chkReSize.setValue(fitted);
        form.File1.setListIndex(0);
        for (int i = 0; i < count; ++i) {
            const Entry& entry = list[static_cast<std::size_t>(i)];
            SCOPED_TRACE(entry.name);
            if (i == 0)
                go();
            else
                tick();
            EXPECT_EQ(form.File1.fileName(), entry.name);
            EXPECT_EQ(form.state.mFileIndex, (i + 1) % count);
            EXPECT_EQ(form.state.gShownCount, i + 1);
            ASSERT_EQ(shownSize(), entry.shows);
            const QImage shown = shownImage();
            if (entry.top.isValid()) {
                EXPECT_TRUE(near(shown.pixelColor(0, 0), entry.top)) << shown.pixelColor(0, 0).name().toStdString();
            }
            EXPECT_TRUE(near(shown.pixelColor(0, shown.height() - 1), entry.bottom))
                << shown.pixelColor(0, shown.height() - 1).name().toStdString();
        }
        EXPECT_EQ(form.Form2.visible(), fitted == 1);
        stop();
        EXPECT_TRUE(panelShown());
    }
    // 65535 x 65535 pixels take 16 GB: a peak grown by a gigabyte means such pixels were asked for.
    EXPECT_LT(statusKilobytes("VmPeak") - peakBefore, 1024LL * 1024);
}

}  // namespace
