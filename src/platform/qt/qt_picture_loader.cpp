// Loading picture files with Qt's image reader.
#include "platform/qt/qt_picture_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <memory>
#include <utility>

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "platform/failure.h"
#include "platform/qt/pixels.h"
#include "platform/qt/qt_picture.h"

namespace platform::qt {

namespace {

constexpr int kAllocationLimitMb = 256;
constexpr std::int64_t kMaxScaledPixels = std::int64_t{kAllocationLimitMb} * 1024 * 1024 / 4;

class DecodedPicture : public QtPicture {
public:
    explicit DecodedPicture(QImage image) : image_(std::move(image)) {}

    Twips width() const override { return toTwips(image_.width()); }
    Twips height() const override { return toTwips(image_.height()); }
    QSize pixelSize() const override { return image_.size(); }

    QImage image(QSize size) const override
    {
        if (size == image_.size())
            return image_;
        // A size past the limit would allocate as much as the enormous files the loader refuses.
        if (size.isEmpty() || std::int64_t{size.width()} * size.height() > kMaxScaledPixels)
            return {};
        return image_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

private:
    QImage image_;
};

bool isRegularFile(int fd)
{
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Opens a regular file only: a FIFO or a device would block or never end, so anything else is
// refused before it is opened, and checked again once open in case it was swapped meanwhile.
void openRegularFile(const std::string& path, QFile& file)
{
    struct stat status {};
    if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        throw Failure("not a regular file: " + path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw Failure("cannot open " + path);
    if (!isRegularFile(fd) || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Failure("cannot open " + path);
    }
}

}  // namespace

QtPictureLoader::QtPictureLoader()
{
    QImageReader::setAllocationLimit(kAllocationLimitMb);
}

PicturePtr QtPictureLoader::load(const std::string& path)
{
    QFile file;
    openRegularFile(path, file);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() || image.size().isEmpty())
        throw Failure("cannot decode " + path + ": " + reader.errorString().toStdString());
    return std::make_shared<DecodedPicture>(std::move(image));
}

void QtPictureLoader::prefetch(const std::string&) {}

}  // namespace platform::qt
