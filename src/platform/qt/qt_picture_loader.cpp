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

// In logical pixels; without a screen pictures are decoded whole.
QSize primaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

}  // namespace

QtPictureLoader::QtPictureLoader()
{
    QImageReader::setAllocationLimit(kPictureMemoryLimitMb);
}

PicturePtr QtPictureLoader::load(const std::string& path)
{
    const QSize screen = primaryScreenSize();
    // The same path and screen give the same decode size; the stamp tells whether the file is still
    // the one decoded ahead.
    if (auto ahead = prefetcher_.take(path, screen); ahead && ahead->stamp() == stampOf(path))
        return ahead;
    return std::make_shared<const DecodedPicture>(path, decodeFile(path, screen));
}

void QtPictureLoader::prefetch(const std::string& path)
{
    // A hint that cannot be taken up costs nothing but the time saved.
    try {
        prefetcher_.request(path, primaryScreenSize());
    } catch (const std::exception&) {
    }
}

}  // namespace platform::qt
