// A loaded picture: its natural size, the decode made for its use, and the full decode once needed.
#pragma once

#include <atomic>
#include <string>

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>

#include "picture/decode/picture_decoding.h"
#include "picture/loading/decode_budget.h"
#include "platform/qt/qt_picture.h"

namespace platform::qt {

// Handed from the thread that decoded it to the one that shows it, and used by that one only, but
// for decodePart, which any thread may call. A picture of which only a part was decoded draws
// nothing stretched: its box decodes the part it shows instead.
class DecodedPicture : public QtPicture {
public:
    // Holds the decode's pixels on reserved, which it gives back as far as they need less; throws
    // Failure when they need more than reserved and that does not fit the budget.
    DecodedPicture(std::string path, DecodedFile decoded, BudgetCharge reserved);

    Twips width() const override;
    Twips height() const override;
    QSize pixelSize() const override { return natural_; }
    QImage image(QSize size) const override;
    bool drawable() const override { return true; }
    bool draw(QPainter& painter, const QRect& target) const override;

    const FileStamp& stamp() const { return stamp_; }
    QSize decodedSize() const { return decoded_.size(); }
    const QByteArray& displayProfile() const { return displayProfile_; }

    // The pixels held, and the part of the picture they cover, in its oriented pixels: the whole
    // picture (at its own size, or smaller for a fitted one), or the part of it on the screen.
    QImage atHand() const { return full_.isNull() ? decoded_ : full_; }
    QRect partAtHand() const { return full_.isNull() ? part_ : QRect(QPoint(), natural_); }
    // The part of the picture decoded again from the same version of the file, pixel for pixel;
    // null when the file has changed or gone, or the decode fails or is cancelled.
    QImage decodePart(QRect part, const std::atomic<bool>* cancelled) const;

private:
    const QImage& fullImage() const;

    const std::string path_;
    const QSize natural_;
    const FileStamp stamp_;
    const QByteArray displayProfile_;
    const QImage decoded_;
    const QRect part_;
    BudgetCharge decodedCharge_;
    // Decoded from the file the first time a size beyond the loaded decode is asked for.
    mutable QImage full_;
    mutable BudgetCharge fullCharge_;
};

}  // namespace platform::qt
