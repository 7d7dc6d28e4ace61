// Hints made while the user is still choosing wait until the choice rests before anything decodes.
#pragma once

#include <string>

#include <QTimer>

#include "platform/picture.h"

namespace platform::qt {

// Passes loads and plain hints to the loader at once; a hint made when idle reaches it only once
// no newer hint or load has come for a moment, so scrolling through a list decodes nothing.
class IdlePrefetchLoader : public PictureLoader {
public:
    explicit IdlePrefetchLoader(PictureLoader& loader);
    PicturePtr load(const std::string& path, PictureUse use) override;
    void prefetch(const std::string& path, PictureUse use) override;
    void prefetchWhenIdle(const std::string& path, PictureUse use) override;

private:
    PictureLoader& loader_;
    QTimer quiet_;
    std::string path_;
    PictureUse use_ = PictureUse::OwnSize;
};

}  // namespace platform::qt
