// A decoded (or decodable) picture and the loader that makes one from a file.
#pragma once

#include <memory>
#include <string>

#include "platform/units.h"

namespace platform {

class Picture {
public:
    virtual ~Picture() = default;
    virtual Twips width() const = 0;
    virtual Twips height() const = 0;
};

using PicturePtr = std::shared_ptr<const Picture>;

// What a picture is loaded for: shown at its own size, which needs all of its pixels, or fitted onto
// the screen, which needs no more of them than the screen has.
enum class PictureUse { OwnSize, Fitted };

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Throws Failure when the file is missing, not a regular file or not a picture.
    virtual PicturePtr load(const std::string& path, PictureUse use) = 0;
    // A hint that path is likely the next file loaded; never throws and never waits.
    virtual void prefetch(const std::string& path, PictureUse use) = 0;
    // The same hint made while the user may still be choosing (typing, scrolling through a list):
    // it may wait until no newer hint or load has come for a moment, and is then dropped for any
    // newer one. A loader that cannot wait takes it as a plain hint.
    virtual void prefetchWhenIdle(const std::string& path, PictureUse use) { prefetch(path, use); }
};

}  // namespace platform
