// Loading picture files with Qt's image reader, decoded for the screen, the next one ahead of time.
#include "platform/qt/qt_picture_loader.h"

#include <exception>
#include <memory>

#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include "platform/qt/decoded_picture.h"
#include "platform/qt/picture_decoding.h"

namespace platform::qt {

namespace {

// In device pixels, as a fitted picture is painted; without a screen pictures are decoded whole.
QSize primaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() * screen->devicePixelRatio() : QSize();
}

}  // namespace

QtPictureLoader::QtPictureLoader()
{
    QImageReader::setAllocationLimit(kPictureMemoryLimitMb);
}

PicturePtr QtPictureLoader::load(const std::string& path)
{
    const QSize screen = primaryScreenSize();
    // A decode made ahead is of the file as it was then; one replaced since is decoded again.
    std::shared_ptr<const DecodedPicture> picture = worker_.decode(path, screen);
    if (picture->stamp() != stampOf(path))
        picture = worker_.decode(path, screen);
    return picture;
}

void QtPictureLoader::prefetch(const std::string& path)
{
    // A hint that cannot be taken up costs nothing but the time it would have saved.
    try {
        worker_.request(path, primaryScreenSize());
    } catch (const std::exception&) {
    }
}

}  // namespace platform::qt
