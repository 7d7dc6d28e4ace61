// A loaded picture: its natural size, the decode made for its use, and the full decode once needed.
#pragma once

#include <string>

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "platform/qt/picture_decoding.h"
#include "platform/qt/qt_picture.h"

namespace platform::qt {

// Handed from the thread that decoded it to the one that shows it, and used by that one only.
class DecodedPicture : public QtPicture {
public:
    DecodedPicture(std::string path, DecodedFile decoded);

    Twips width() const override;
    Twips height() const override;
    QSize pixelSize() const override { return natural_; }
    QImage image(QSize size) const override;
    bool drawable() const override { return true; }
    bool draw(QPainter& painter, const QRect& target) const override;

    const FileStamp& stamp() const { return stamp_; }
    QSize decodedSize() const { return decoded_.size(); }
    const QByteArray& displayProfile() const { return displayProfile_; }

private:
    const QImage& fullImage() const;

    std::string path_;
    QSize natural_;
    FileStamp stamp_;
    QByteArray displayProfile_;
    QImage decoded_;
    // Decoded from the file the first time a size beyond the loaded decode is asked for.
    mutable QImage full_;
};

}  // namespace platform::qt
