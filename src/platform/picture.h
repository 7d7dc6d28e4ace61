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

// Where a window stands along one side of the screen: at its start, in its middle or at its end.
enum class Anchor { Start, Centre, End };

// What a picture is loaded for: fitted onto the screen, which needs no more of its pixels than the
// screen has; or shown at its own size in a window anchored as the placement puts it, which needs
// only the part of it that will be on the screen.
struct PictureUse {
    bool fitted = false;
    Anchor horizontal = Anchor::Centre;
    Anchor vertical = Anchor::Centre;

    bool operator==(const PictureUse& other) const
    {
        return fitted == other.fitted && horizontal == other.horizontal && vertical == other.vertical;
    }
    bool operator!=(const PictureUse& other) const { return !(*this == other); }

    static const PictureUse OwnSize;  // centred
    static const PictureUse Fitted;
};

inline const PictureUse PictureUse::OwnSize{};
inline const PictureUse PictureUse::Fitted{true};

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
