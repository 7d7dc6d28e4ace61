// The screen's own colour profile, as colour daemons publish it on the X11 root window.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>

namespace platform::qt {

// Keeps the profile pictures are converted to in step with the screen's, the _ICC_PROFILE property
// of the primary X screen's root window: read when made, and again whenever a colour daemon sets or
// removes it. Without X, or without the property, sRGB.
class ScreenProfileWatch : public QAbstractNativeEventFilter {
public:
    ScreenProfileWatch();
    ~ScreenProfileWatch() override;
    ScreenProfileWatch(const ScreenProfileWatch&) = delete;
    ScreenProfileWatch& operator=(const ScreenProfileWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

}  // namespace platform::qt
