// The benchmark's pictures: photo-like, made once, the same on every machine.
#include "test_pictures.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include "gif_writer.h"
#include "hostile_files.h"

namespace bench {

namespace {

// Bump when the pictures change, so that an older set is made again.
const char* const kCompleteMark = ".complete-2";

// A progressive JPEG of size whose last scan comes again `repeats` times: each repetition costs the
// decoder a pass over every block, though the file grows by a few bytes only.
QByteArray scanBomb(QSize size, int repeats)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    const QByteArray file = buffer.data();
    const int lastScan = static_cast<int>(file.lastIndexOf("\xff\xda"));
    const int end = static_cast<int>(file.lastIndexOf("\xff\xd9"));
    return file.left(end) + file.mid(lastScan, end - lastScan).repeated(repeats) + file.mid(end);
}

std::uint32_t hash(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// Smooth random values on a grid of cells, blended bilinearly: broad shapes from large cells, texture
// from small ones.
class ValueNoise {
public:
    ValueNoise(int cell, std::uint32_t seed) : cell_(cell), seed_(seed) {}

    int at(int x, int y) const
    {
        const int gx = x / cell_, gy = y / cell_;
        const int fx = (x % cell_) * 256 / cell_, fy = (y % cell_) * 256 / cell_;
        const int top = corner(gx, gy) * (256 - fx) + corner(gx + 1, gy) * fx;
        const int bottom = corner(gx, gy + 1) * (256 - fx) + corner(gx + 1, gy + 1) * fx;
        return (top * (256 - fy) + bottom * fy) >> 16;
    }

private:
    int corner(int gx, int gy) const
    {
        const std::uint32_t cell = static_cast<std::uint32_t>(gx) * 7919U + static_cast<std::uint32_t>(gy);
        return static_cast<int>(hash(seed_ ^ hash(cell)) & 0xff);
    }

    int cell_;
    std::uint32_t seed_;
};

// Broad colour fields, finer texture and sensor-like grain: compresses like a photo, not like flat colour.
QImage photoLike(int width, int height, std::uint32_t seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::vector<ValueNoise> broad, fine;
    for (std::uint32_t channel = 0; channel < 3; ++channel) {
        broad.emplace_back(std::max(width, height) / 6, seed * 3 + channel);
        fine.emplace_back(12, seed * 3 + channel + 100);
    }
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int rgb[3];
            const int grain = static_cast<int>(hash(seed + static_cast<std::uint32_t>(y * width + x)) % 17) - 8;
            for (int c = 0; c < 3; ++c)
                rgb[c] = std::clamp(broad[c].at(x, y) * 3 / 4 + fine[c].at(x, y) / 4 + grain, 0, 255);
            line[x] = qRgb(rgb[0], rgb[1], rgb[2]);
        }
    }
    return image;
}

bool save(const QImage& image, const QString& path, const char* format)
{
    if (qstrcmp(format, "gif") == 0)
        return writeGif(image, path);
    QImageWriter writer(path, format);
    writer.setQuality(90);
    return writer.write(image);
}

QString distinctPath(const QString& root, const PictureKind& kind, int index)
{
    return QStringLiteral("%1/distinct/%2-%3.%4").arg(root, kind.name).arg(index).arg(kind.extension);
}

bool makeBigFolder(const QString& folder)
{
    static const char* const kPatterns[] = {"IMG_%05d.JPG", "photo %05d.jpg", "Scan%05d.Bmp", "pic-%05d.gif"};
    QDir().mkpath(folder);
    for (int i = 0; i < 20000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, i < 19000 ? kPatterns[i % 4] : "notes %05d.txt", i);
        const int fd = ::open(QFile::encodeName(folder + '/').append(name).constData(),
                              O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    return true;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makeHostileFolder(const QString& root, const QString& folder)
{
    QDir().mkpath(folder);
    const QByteArray grey = hostile::solid(QSize(16, 16), Qt::gray, "JPEG");
    bool made = QFile::link(distinctPath(root, kKinds[0], 0), folder + "/01 good.jpg") &&
                writeFile(folder + "/02 claims 8000 x 8000.jpg", hostile::claiming(grey, 8000, 8000)) &&
                writeFile(folder + "/04 claims 65500 x 1024.jpg", hostile::claiming(grey, 65500, 1024)) &&
                writeFile(folder + "/05 scan bomb.jpg", scanBomb(QSize(4096, 4096), 3000)) &&
                QFile::link(distinctPath(root, kKinds[0], 1), folder + "/07 good.jpg");
    for (const char* name : {"/03 photo 8000 x 8000.jpg", "/06 photo 8000 x 8000.jpg", "/08 photo 8000 x 8000.jpg"}) {
        QImageWriter writer(folder + name, "jpeg");
        writer.setQuality(90);
        made = made && writer.write(photoLike(8000, 8000, static_cast<std::uint32_t>(name[2])));
    }
    for (const hostile::Entry& entry : hostile::entries())
        made = made && writeFile(folder + "/10 " + QString::fromStdString(entry.name), entry.bytes);
    return made;
}

bool makeCameraFolder(const QString& root, const QString& folder)
{
    QDir().mkpath(folder);
    for (int i = 0; i < 12; ++i) {
        const QString link = QStringLiteral("%1/IMG_%2.JPG").arg(folder).arg(i, 4, 10, QChar('0'));
        if (!QFile::link(distinctPath(root, kKinds[i % 2 ? 1 : 2], i / 2 % kDistinctPictures), link))
            return false;
    }
    return true;
}

}  // namespace

QString hostileFolder(const QString& root)
{
    return root + "/hostile";
}

QString cameraFolder(const QString& root)
{
    return root + "/camera";
}

QString showFolder(const QString& root, const PictureKind& kind)
{
    return root + "/show-" + kind.name;
}

QStringList distinctPictures(const QString& root, const PictureKind& kind)
{
    QStringList paths;
    for (int i = 0; i < kDistinctPictures; ++i)
        paths << distinctPath(root, kind, i);
    return paths;
}

QString bigFolder(const QString& root)
{
    return root + "/twenty-thousand";
}

bool makeTestPictures(const QString& root)
{
    if (QFile::exists(root + '/' + kCompleteMark))
        return true;
    QDir(root).removeRecursively();
    QDir().mkpath(root + "/distinct");
    for (const PictureKind& kind : kKinds) {
        for (int i = 0; i < kDistinctPictures; ++i) {
            QImage image = photoLike(kind.width, kind.height, static_cast<std::uint32_t>(i + 1));
            if (kind.adobeRgb)
                image.setColorSpace(QColorSpace::AdobeRgb);
            if (!save(image, distinctPath(root, kind, i), kind.format))
                return false;
        }
        const QString folder = showFolder(root, kind);
        QDir().mkpath(folder);
        for (int entry = 0; entry < kShowEntries; ++entry) {
            const QString link =
                QStringLiteral("%1/p%2.%3").arg(folder).arg(entry, 3, 10, QChar('0')).arg(kind.extension);
            if (!QFile::link(distinctPath(root, kind, entry % kDistinctPictures), link))
                return false;
        }
    }
    if (!makeBigFolder(bigFolder(root)) || !makeHostileFolder(root, hostileFolder(root)) ||
        !makeCameraFolder(root, cameraFolder(root)))
        return false;
    QFile mark(root + '/' + kCompleteMark);
    return mark.open(QIODevice::WriteOnly);
}

}  // namespace bench
