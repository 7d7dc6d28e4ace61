// A loaded picture: its natural size, the decode made for its use, and the full decode once needed.
#include "platform/qt/decoded_picture.h"

#include <exception>
#include <optional>
#include <utility>

#include "picture/decode/region_decoding.h"
#include "platform/qt/failure_log.h"
#include "platform/qt/pixels.h"

namespace platform::qt {

DecodedPicture::DecodedPicture(std::string path, DecodedFile decoded, BudgetCharge reserved)
    : path_(std::move(path)),
      natural_(decoded.natural),
      stamp_(decoded.stamp),
      displayProfile_(std::move(decoded.displayProfile)),
      decoded_(std::move(decoded.image)),
      part_(decoded.part.isEmpty() ? QRect(QPoint(), natural_) : decoded.part),
      decodedCharge_(std::move(reserved))
{
    decodedCharge_.settle(decoded_.sizeInBytes(), path_);
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
    // Only the part on the screen was decoded: drawing it all would mean decoding it whole here.
    if (part_.size() != natural_)
        return {};
    const bool covered = part_.size() == natural_ && size.width() <= decoded_.width() &&
                         size.height() <= decoded_.height();
    return resampled(covered ? decoded_ : fullImage(), size);
}

bool DecodedPicture::draw(QPainter& painter, const QRect& target) const
{
    // Filtered straight from the decode: no copy of the picture at the painted size on the way.
    const bool covered = part_.size() == natural_ && target.width() <= decoded_.width() &&
                         target.height() <= decoded_.height();
    if (covered && bilinearSuffices(decoded_.size(), target.size())) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, decoded_);
        return true;
    }
    return QtPicture::draw(painter, target);
}

QImage DecodedPicture::decodePart(QRect part, const std::atomic<bool>* cancelled) const
{
    try {
        DecodedFile file = part == QRect(QPoint(), natural_) ? decodeFile(path_, QSize(), cancelled)
                                                              : decodeFileRegion(path_, part, cancelled);
        if (file.stamp == stamp_ && file.displayProfile == displayProfile_ && file.natural == natural_ &&
            file.image.size() == part.size())
            return std::move(file.image);
        passOver("whole picture", "changed since it was loaded: " + path_);
    } catch (const std::exception& failure) {
        passOver("whole picture", failure.what());
    }
    return {};
}

const QImage& DecodedPicture::fullImage() const
{
    if ((decoded_.size() == natural_ && part_.size() == natural_) || decoded_.isNull())
        return decoded_;
    if (full_.isNull()) {
        std::optional<BudgetCharge> reserved = BudgetCharge::tryReserve(pixelBytes(natural_));
        if (reserved)
            full_ = decodePart(QRect(QPoint(), natural_), nullptr);
        else
            passOver("whole picture", "beyond the memory budget: " + path_);
        // Beyond the budget, or a file changed or gone since it was loaded, leaves the loaded decode,
        // stretched.
        if (full_.isNull()) {
            full_ = decoded_;
        } else {
            fullCharge_ = std::move(*reserved);
            fullCharge_.settle(full_.sizeInBytes(), path_);
        }
    }
    return full_;
}

}  // namespace platform::qt
