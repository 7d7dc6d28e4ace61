// Loading picture files decoded for their use, in the screen's colours, the next one ahead of time.
#include "platform/qt/qt_picture_loader.h"

#include <exception>
#include <memory>

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include "picture/colour/colour_profiles.h"
#include "picture/decode/picture_decoding.h"
#include "picture/decode/picture_limits.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/failure_log.h"
#include "platform/qt/handler_wait.h"

namespace platform::qt {

namespace {

// The size a decode must cover: in device pixels, as a fitted picture is painted; an empty size,
// for a picture shown at its own size or without a screen, asks for the whole picture, or for the
// part on the screens.
QSize boundFor(PictureUse use)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!use.fitted || !screen)
        return {};
    return screen->geometry().size() * screen->devicePixelRatio();
}

}  // namespace

QtPictureLoader::QtPictureLoader()
{
    QImageReader::setAllocationLimit(kPictureMemoryLimitMb);
}

PicturePtr QtPictureLoader::load(const std::string& path, PictureUse use)
{
    const DecodeTarget target(boundFor(use), onScreenFor(use));
    // The windows stay painted while the decode runs, the picture shown until now among them; nothing
    // else of the program runs meanwhile.
    const HandlerWait waiting;
    const auto paint = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    // A decode made ahead is of the screen as it was then; if it has changed since, the picture is
    // decoded again. The worker itself decodes again a file changed since.
    std::shared_ptr<const DecodedPicture> picture = worker_.decode(path, target, paint);
    if (picture->displayProfile() != displayProfile()) {
        picture.reset();
        picture = worker_.decode(path, target, paint);
    }
    return picture;
}

void QtPictureLoader::prefetch(const std::string& path, PictureUse use)
{
    // Asked from the loop that keeps the windows painted, it would drop the decode being waited on.
    if (HandlerWait::open())
        return;
    // A hint that cannot be taken up costs nothing but the time it would have saved.
    try {
        worker_.request(path, DecodeTarget(boundFor(use), onScreenFor(use)));
    } catch (const std::exception& failure) {
        passOver("decoding ahead", failure.what());
    }
}

}  // namespace platform::qt
