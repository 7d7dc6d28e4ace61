// Loading picture files with Qt's image reader.
#pragma once

#include <string>

#include "platform/picture.h"

namespace platform::qt {

// Decodes by content, not by name, with the EXIF orientation applied; refuses anything but a
// regular file and any picture whose pixels would need more memory than a set limit.
class QtPictureLoader : public PictureLoader {
public:
    QtPictureLoader();
    PicturePtr load(const std::string& path) override;
    void prefetch(const std::string& path) override;
};

}  // namespace platform::qt
