// Decoding picture files by content at the size they are drawn, and resampling them smoothly.
#include "picture/decode/picture_decoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>
#include <QPainter>
#include <QRect>

#include "picture/colour/colour_profiles.h"
#include "picture/decode/embedded_profiles.h"
#include "picture/decode/jpeg_decoding.h"
#include "picture/decode/picture_limits.h"
#include "picture/loading/decode_budget.h"
#include "platform/failure.h"

namespace platform::qt {

namespace {

// Reads fail once cancelled, so that the decoder gives up at its next read.
class CancellableFile : public QFile {
public:
    explicit CancellableFile(const std::atomic<bool>* cancelled) : cancelled_(cancelled) {}

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (cancelled_ && cancelled_->load())
            return -1;
        return QFile::readData(data, maxSize);
    }

private:
    const std::atomic<bool>* cancelled_;
};

FileStamp stampFrom(const struct stat& status)
{
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

// Opens a regular file only: a FIFO or a device would block or never end, so anything else is
// refused before it is opened, and checked again once open in case it was swapped meanwhile.
FileStamp openRegularFile(const std::string& path, QFile& file)
{
    stampOf(path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw Failure("cannot open " + path);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Failure("cannot open " + path);
    }
    return stampFrom(status);
}

// Qt's PNG reader allocates what a chunk's length field claims before it reads the chunk, so a few
// hundred bytes claiming a 2 GB text chunk would cost 2 GB and seconds. A chunk longer than the
// whole file is a lie: such a file is refused before the reader sees it. So is one of more chunks
// than any picture in the limits is written in, whose walk alone would cost seconds.
void refuseLyingPngChunks(QIODevice& file, const std::string& path)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (file.peek(8) != signature)
        return;
    const qint64 size = file.size();
    int chunks = 0;
    for (qint64 at = 8; at + 8 <= size; ++chunks) {
        if (chunks == kMaxPngChunks)
            throw Failure("corrupt picture: too many chunks: " + path);
        if (!file.seek(at))
            break;
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            break;
        const auto byte = [&](int i) { return static_cast<qint64>(static_cast<unsigned char>(header[i])); };
        const qint64 length = (byte(0) << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
        if (length > size)
            throw Failure("corrupt picture: " + path);
        if (header.mid(4, 4) == "IEND")
            break;
        at += 12 + length;
    }
    file.seek(0);
}

// The two formats the raster painter copies and blends without converting.
QImage drawable(QImage image)
{
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return image.format() == format ? image : image.convertToFormat(format);
}

// Sets the reader up for the file's content and its EXIF orientation; returns the picture's size as
// shown, as the header tells it, or an invalid size when the header does not.
QSize orientedSize(QImageReader& reader, QFile& file, const std::string& path)
{
    refuseLyingPngChunks(file, path);
    reader.setDevice(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    return turned ? stored.transposed() : stored;
}

// Anything but JPEG: Qt's readers, whole, then resampled to the size asked for.
DecodedFile decodeWithQt(QFile& file, const std::string& path, QSize bound, const std::atomic<bool>* cancelled,
                         QImage* scratch)
{
    const auto start = std::chrono::steady_clock::now();
    QImageReader reader;
    // The header tells the size, so an enormous picture is refused before anything is allocated.
    DecodedFile decoded;
    decoded.natural = orientedSize(reader, file, path);
    if (decoded.natural.isValid())
        refuseBeyondLimits(decoded.natural, coverSize(decoded.natural, bound), path);
    const bool resampling = decoded.natural.isValid() && coverSize(decoded.natural, bound) != decoded.natural;

    // A decode only passed through on its way to a smaller size goes into the scratch: a fresh
    // buffer this large costs a page fault per 4 kB, about as much as the decoding itself.
    QImage local;
    QImage& image = resampling && scratch ? *scratch : local;
    const bool read = reader.read(&image);
    if (!read || image.isNull() || image.size().isEmpty())
        throw Failure("cannot decode " + path + ": " + reader.errorString().toStdString());
    decoded.natural = image.size();
    refuseBeyondLimits(decoded.natural, coverSize(decoded.natural, bound), path);
    decoded.displayProfile =
        toDisplayColours(image, embeddedProfile(file, image), start + decodeTimeBudget(decoded.natural));
    stopIfCancelled(cancelled, path);
    decoded.image = resampled(drawable(image), coverSize(decoded.natural, bound));
    if (decoded.image.isNull())
        throw Failure("out of memory for " + path);
    // The scratch must not share its memory with the picture handed out, nor keep a rare large one.
    if (&image == scratch &&
        (decoded.image.constBits() == scratch->constBits() || scratch->sizeInBytes() > kScratchLimitBytes))
        *scratch = QImage();
    return decoded;
}

}  // namespace

bool FileStamp::operator==(const FileStamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds;
}

FileStamp stampOf(const std::string& path)
{
    struct stat status {};
    if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        throw Failure("not a regular file: " + path);
    return stampFrom(status);
}

QSize coverSize(QSize natural, QSize bound)
{
    if (bound.isEmpty() || (natural.width() <= bound.width() && natural.height() <= bound.height()))
        return natural;
    const double ratio = std::min(static_cast<double>(bound.width()) / natural.width(),
                                  static_cast<double>(bound.height()) / natural.height());
    return QSize(std::max(1, static_cast<int>(std::ceil(natural.width() * ratio))),
                 std::max(1, static_cast<int>(std::ceil(natural.height() * ratio))));
}

void refuseBeyondLimits(QSize decoded, QSize drawn, const std::string& path)
{
    if (std::int64_t{decoded.width()} * decoded.height() > kMaxPicturePixels || drawn.width() > kMaxWindowSide ||
        drawn.height() > kMaxWindowSide)
        throw Failure("picture too large: " + path);
}

DecodedFile decodeFile(const std::string& path, QSize bound, const std::atomic<bool>* cancelled, QImage* scratch)
{
    CancellableFile file(cancelled);
    const FileStamp stamp = openRegularFile(path, file);
    DecodedFile decoded = isJpeg(file) ? decodeJpeg(file, path, bound, cancelled, scratch)
                                       : decodeWithQt(file, path, bound, cancelled, scratch);
    stopIfCancelled(cancelled, path);
    decoded.stamp = stamp;
    return decoded;
}

void stopIfCancelled(const std::atomic<bool>* cancelled, const std::string& path)
{
    if (cancelled && cancelled->load())
        throw Failure("cancelled: " + path);
}

PictureHeader readHeader(const std::string& path)
{
    QFile file;
    PictureHeader header;
    header.fileBytes = openRegularFile(path, file).size;
    QImageReader reader;
    header.natural = orientedSize(reader, file, path);
    return header;
}

bool bilinearSuffices(QSize from, QSize to)
{
    return from.width() <= 2 * to.width() && from.height() <= 2 * to.height();
}

QImage resampled(const QImage& image, QSize size)
{
    if (image.isNull() || size.isEmpty() || std::int64_t{size.width()} * size.height() > kMaxPicturePixels)
        return {};
    if (image.size() == size)
        return image;
    // Bilinear is several times faster than Qt's area averaging, which takes the larger reductions.
    if (!bilinearSuffices(image.size(), size))
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result(size, image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (result.isNull())
        return {};
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return result;
}

}  // namespace platform::qt
