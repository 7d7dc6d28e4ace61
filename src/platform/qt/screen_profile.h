// The screen's own colour profile, as colour daemons publish it on the X11 root window.
#pragma once

#include <QByteArray>

namespace platform::qt {

// The _ICC_PROFILE property of the primary X screen's root window as it is now; empty on any other
// platform, or when no profile is set. One round trip to the X server: cheap enough for each picture.
QByteArray screenProfile();

}  // namespace platform::qt
