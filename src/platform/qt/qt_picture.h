// The Qt picture: knows its natural size from the file's header and decodes at the size drawn.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

#include "platform/picture.h"

namespace platform::qt {

class QtPicture : public Picture {
public:
    // Natural size in device pixels, after the EXIF orientation is applied.
    virtual QSize pixelSize() const = 0;
    // The whole picture resampled smoothly to the given size; a null image if it cannot be decoded.
    virtual QImage image(QSize size) const = 0;
    // Whether image() gives a picture at all; the default draws a tiny one to find out.
    virtual bool drawable() const { return !image(QSize(1, 1)).isNull(); }
    // Paints the whole picture stretched into target; false, with nothing painted, if it cannot.
    virtual bool draw(QPainter& painter, const QRect& target) const
    {
        const QImage scaled = image(target.size());
        if (scaled.isNull())
            return false;
        painter.drawImage(target, scaled);
        return true;
    }
};

}  // namespace platform::qt
