// The benchmark's pictures: photo-like, made once, the same on every machine.
#include "test_pictures.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include "gif_writer.h"
#include "hostile_files.h"

namespace bench {

namespace {

// Bump when the pictures change, so that an older set is made again.
const char* const kCompleteMark = ".complete-3";

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

    // Row y of the noise, width values into out.
    void row(int y, int width, int* out) const
    {
        const int gy = y / cell_, fy = (y % cell_) * 256 / cell_;
        for (int gx = 0, left = 0; left < width; ++gx, left += cell_) {
            const int a = corner(gx, gy) * (256 - fy) + corner(gx, gy + 1) * fy;
            const int b = corner(gx + 1, gy) * (256 - fy) + corner(gx + 1, gy + 1) * fy;
            for (int x = left; x < std::min(width, left + cell_); ++x) {
                const int fx = (x - left) * 256 / cell_;
                out[x] = (a * (256 - fx) + b * fx) >> 16;
            }
        }
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

// Broad colour fields, finer texture and sensor-like grain: compresses like a photo, not like flat
// colour. Made a row at a time, so that the largest pictures never stand whole in memory.
class PhotoRows {
public:
    PhotoRows(int width, int height, std::uint32_t seed) : width_(width), seed_(seed), noise_(std::size_t(width) * 6)
    {
        for (std::uint32_t channel = 0; channel < 3; ++channel) {
            broad_.emplace_back(std::max(width, height) / 6, seed * 3 + channel);
            fine_.emplace_back(12, seed * 3 + channel + 100);
        }
    }

    int width() const { return width_; }

    // Row y as red, green and blue bytes.
    void row(int y, unsigned char* rgb)
    {
        for (int c = 0; c < 3; ++c) {
            broad_[std::size_t(c)].row(y, width_, &noise_[std::size_t(c * 2) * std::size_t(width_)]);
            fine_[std::size_t(c)].row(y, width_, &noise_[std::size_t(c * 2 + 1) * std::size_t(width_)]);
        }
        for (int x = 0; x < width_; ++x) {
            const int grain = static_cast<int>(hash(seed_ + static_cast<std::uint32_t>(y * width_ + x)) % 17) - 8;
            for (int c = 0; c < 3; ++c) {
                const int broad = noise_[std::size_t(c * 2 * width_ + x)];
                const int fine = noise_[std::size_t((c * 2 + 1) * width_ + x)];
                rgb[x * 3 + c] = static_cast<unsigned char>(std::clamp(broad * 3 / 4 + fine / 4 + grain, 0, 255));
            }
        }
    }

private:
    int width_;
    std::uint32_t seed_;
    std::vector<ValueNoise> broad_, fine_;
    std::vector<int> noise_;  // each channel's broad and fine row
};

QImage photoLike(int width, int height, std::uint32_t seed)
{
    QImage image(width, height, QImage::Format_RGB888);
    PhotoRows photo(width, height, seed);
    for (int y = 0; y < height; ++y)
        photo.row(y, image.scanLine(y));
    return image;
}

// A baseline JPEG at quality 90, encoded as its rows are made; with an Adobe RGB (1998) profile when
// asked. Returns false when the file cannot be written.
bool writePhotoJpeg(const QString& path, int width, int height, std::uint32_t seed, bool adobeRgb)
{
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    if (adobeRgb) {
        const QByteArray profile = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
        jpeg_write_icc_profile(&info, reinterpret_cast<const JOCTET*>(profile.constData()),
                               static_cast<unsigned int>(profile.size()));
    }
    PhotoRows photo(width, height, seed);
    std::vector<unsigned char> row(std::size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        photo.row(static_cast<int>(info.next_scanline), row.data());
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const bool written = std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}

bool save(const PictureKind& kind, const QString& path, std::uint32_t seed)
{
    if (qstrcmp(kind.format, "jpeg") == 0)
        return writePhotoJpeg(path, kind.width, kind.height, seed, kind.adobeRgb);
    const QImage image = photoLike(kind.width, kind.height, seed);
    if (qstrcmp(kind.format, "gif") == 0)
        return writeGif(image, path);
    return QImageWriter(path, kind.format).write(image);
}

QString distinctPath(const QString& root, const PictureKind& kind, int index)
{
    return QStringLiteral("%1/%2-%3.%4").arg(distinctFolder(root, kind), kind.name).arg(index).arg(kind.extension);
}

bool makeBigFolder(const QString& folder)
{
    static const char* const kPatterns[] = {"IMG_%05d.JPG", "photo %05d.jpg", "Scan%05d.Bmp", "pic-%05d.gif"};
    QDir().mkpath(folder);
    for (int i = 0; i < 20000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, i < 19000 ? kPatterns[i % 4] : "notes %05d.txt", i);
        const int fd =
            ::open(QFile::encodeName(folder + '/').append(name).constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
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
    for (const char* name : {"/03 photo 8000 x 8000.jpg", "/06 photo 8000 x 8000.jpg", "/08 photo 8000 x 8000.jpg"})
        made = made && writePhotoJpeg(folder + name, 8000, 8000, static_cast<std::uint32_t>(name[2]), false);
    for (const hostile::Entry& entry : hostile::entries())
        made = made && writeFile(folder + "/10 " + QString::fromStdString(entry.name), entry.bytes);
    return made;
}

bool makeCameraFolder(const QString& root, const QString& folder)
{
    QDir().mkpath(folder);
    for (int i = 0; i < 12; ++i) {
        const QString link = QStringLiteral("%1/IMG_%2.JPG").arg(folder).arg(i, 4, 10, QChar('0'));
        if (!QFile::link(distinctPath(root, kKinds[i % 2 ? 1 : 2], i / 2 % kKinds[2].distinct), link))
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

QString distinctFolder(const QString& root, const PictureKind& kind)
{
    return root + "/distinct/" + kind.name;
}

QStringList distinctPictures(const QString& root, const PictureKind& kind)
{
    QStringList paths;
    for (int i = 0; i < kind.distinct; ++i)
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
    for (const PictureKind& kind : kKinds) {
        QDir().mkpath(distinctFolder(root, kind));
        for (int i = 0; i < kind.distinct; ++i) {
            if (!save(kind, distinctPath(root, kind, i), static_cast<std::uint32_t>(i + 1)))
                return false;
        }
        const QString folder = showFolder(root, kind);
        QDir().mkpath(folder);
        for (int entry = 0; entry < kShowEntries; ++entry) {
            const QString link =
                QStringLiteral("%1/p%2.%3").arg(folder).arg(entry, 3, 10, QChar('0')).arg(kind.extension);
            if (!QFile::link(distinctPath(root, kind, entry % kind.distinct), link))
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
