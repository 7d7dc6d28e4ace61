// Finding the colour profile a picture file that Qt decodes carries: BMP version 5 and GIF ICC blocks.
#pragma once

#include <QByteArray>

class QIODevice;
class QImage;

namespace platform::qt {

// The ICC profile embedded in the open picture file, read from its head whatever the current
// position; else the one Qt's reader tagged the decoded image with (a PNG's, say); else empty.
// What it returns is not checked to be a profile: a broken one is found out when it is used.
QByteArray embeddedProfile(QIODevice& file, const QImage& decoded);

}  // namespace platform::qt
