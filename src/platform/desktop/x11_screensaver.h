// The X server's own screensaver, for desktops that offer none over the session bus.
#pragma once

namespace platform::qt {

// Suspends (or lifts the suspension of) the X server's screensaver and DPMS timers; true when the
// server took it. Elsewhere than on X11 nothing happens.
bool suspendX11Screensaver(bool suspend);

}  // namespace platform::qt
