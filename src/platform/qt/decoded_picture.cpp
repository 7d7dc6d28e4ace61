// A loaded picture: its natural size, the decode made for its use, and the full decode once needed.
#include "platform/qt/decoded_picture.h"

#include <exception>
#include <utility>

#include "platform/qt/pixels.h"

namespace platform::qt {

DecodedPicture::DecodedPicture(std::string path, DecodedFile decoded)
    : path_(std::move(path)), natural_(decoded.natural), stamp_(decoded.stamp),
      displayProfile_(std::move(decoded.displayProfile)), decoded_(std::move(decoded.image))
{
}

Twips DecodedPicture::width() const
{
    return deviceTwips(natural_.width(), screenPixelRatio());
}

Twips DecodedPicture::height() const
{
    return deviceTwips(natural_.height(), screenPixelRatio());
}

QImage DecodedPicture::image(QSize size) const
{
    const bool covered = size.width() <= decoded_.width() && size.height() <= decoded_.height();
    return resampled(covered ? decoded_ : fullImage(), size);
}

bool DecodedPicture::draw(QPainter& painter, const QRect& target) const
{
    // Filtered straight from the decode: no copy of the picture at the painted size on the way.
    const bool covered = target.width() <= decoded_.width() && target.height() <= decoded_.height();
    if (covered && bilinearSuffices(decoded_.size(), target.size())) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, decoded_);
        return true;
    }
    return QtPicture::draw(painter, target);
}

const QImage& DecodedPicture::fullImage() const
{
    if (decoded_.size() == natural_)
        return decoded_;
    if (full_.isNull()) {
        try {
            DecodedFile file = decodeFile(path_, QSize());
            if (file.stamp == stamp_ && file.displayProfile == displayProfile_ && file.image.size() == natural_)
                full_ = std::move(file.image);
        } catch (const std::exception&) {
        }
        // A file changed or gone since it was loaded leaves the loaded decode, stretched.
        if (full_.isNull())
            full_ = decoded_;
    }
    return full_;
}

}  // namespace platform::qt
