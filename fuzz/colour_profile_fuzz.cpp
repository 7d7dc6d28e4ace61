// Fuzzing the colour conversion with any bytes as a picture's embedded profile and as the screen's.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QImage>

#include "picture/colour/colour_profiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray profile(reinterpret_cast<const char*>(data), static_cast<int>(size));
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_Grayscale8}) {
        QImage picture(5, 3, format);
        picture.fill(Qt::darkCyan);
        QImage onScreen = picture;
        platform::qt::convertColours(picture, profile, {});
        platform::qt::convertColours(onScreen, {}, profile);
        if (picture.size() != QSize(5, 3) || onScreen.size() != QSize(5, 3))
            std::abort();
    }
    return 0;
}
