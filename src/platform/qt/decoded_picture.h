// A loaded picture: its natural size, the decode made for its use, and the full decode once needed.
#pragma once

#include <atomic>
#include <string>

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "picture/decode/picture_decoding.h"
#include "picture/loading/decode_budget.h"
#include "platform/qt/qt_picture.h"

namespace platform::qt {

// Handed from the thread that decoded it to the one that shows it, and used by that one only, but
// for decodeWhole, which any thread may call.
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

    // The pixels held, whole or not.
    QImage atHand() const { return full_.isNull() ? decoded_ : full_; }
    bool wholeAtHand() const { return atHand().size() == natural_; }
    // The whole picture decoded again from the same version of the file; null when the file has
    // changed or gone, or the decode fails or is cancelled.
    QImage decodeWhole(const std::atomic<bool>* cancelled) const;

private:
    const QImage& fullImage() const;

    const std::string path_;
    const QSize natural_;
    const FileStamp stamp_;
    const QByteArray displayProfile_;
    const QImage decoded_;
    BudgetCharge decodedCharge_;
    // Decoded from the file the first time a size beyond the loaded decode is asked for.
    mutable QImage full_;
    mutable BudgetCharge fullCharge_;
};

}  // namespace platform::qt
