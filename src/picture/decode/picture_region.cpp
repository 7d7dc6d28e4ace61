// Parts of a picture: where a rectangle of the picture as seen lies among the pixels as stored.
#include "picture/decode/picture_region.h"

#include "picture/decode/exif_orientation.h"
#include "platform/failure.h"

namespace platform::qt {

QRect partWithin(QSize natural, QRect seen, const std::string& path)
{
    const QRect part = seen & QRect(QPoint(0, 0), natural);
    if (part.isEmpty())
        throw Failure("nothing of the picture in the part asked for: " + path);
    return part;
}

QRect storedPart(QSize natural, int orientation, QRect seen)
{
    // Turning a quarter swaps the axes; the stored axes are then mirrored where the orientation
    // mirrors them, after the turn as before.
    const bool turned = turnsQuarter(orientation);
    const QSize stored = turned ? natural.transposed() : natural;
    QRect part = turned ? QRect(seen.y(), seen.x(), seen.height(), seen.width()) : seen;
    if (orientation == 2 || orientation == 3 || orientation == 7 || orientation == 8)
        part.moveLeft(stored.width() - part.left() - part.width());
    if (orientation == 3 || orientation == 4 || orientation == 6 || orientation == 7)
        part.moveTop(stored.height() - part.top() - part.height());
    return part;
}

}  // namespace platform::qt
