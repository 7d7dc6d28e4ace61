// Loading picture files decoded for their use, in the screen's colours, the next one ahead of time.
#pragma once

#include <memory>
#include <string>

#include "platform/desktop/screen_profile.h"
#include "platform/picture.h"
#include "platform/qt/decode_worker.h"

namespace platform::qt {

// Decodes by content, not by name, with the EXIF orientation applied and the colours converted from
// the picture's profile to the screen's: a fitted picture at the smallest size that covers it fitted
// into the primary screen, one at its own size only where its window will be on the screens.
// Refuses anything but a regular file and any picture whose decoded part would need more memory
// than a set limit, or would not fit the memory budget beside what is held, the picture shown until
// now among it.
class QtPictureLoader : public PictureLoader {
public:
    QtPictureLoader();
    PicturePtr load(const std::string& path, PictureUse use) override;
    void prefetch(const std::string& path, PictureUse use) override;

private:
    ScreenProfileWatch screenProfile_;
    DecodeWorker worker_;
};

}  // namespace platform::qt
