// The screen's own colour profile, as colour daemons publish it on the X11 root window.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include <QAbstractNativeEventFilter>
#include <QByteArray>

struct xcb_connection_t;

namespace platform::qt {

// Keeps the profile pictures are converted to in step with the screen's, the _ICC_PROFILE property
// of the primary X screen's root window: read when made, and again whenever a colour daemon sets or
// removes it. Without X, or without the property, sRGB. A profile is up to 16 MB and its transform
// may take seconds to build, so both are done on a thread of its own: the window's thread only
// notes that the property changed, and changes that come while one is read are read once.
class ScreenProfileWatch : public QAbstractNativeEventFilter {
public:
    ScreenProfileWatch();
    ~ScreenProfileWatch() override;
    ScreenProfileWatch(const ScreenProfileWatch&) = delete;
    ScreenProfileWatch& operator=(const ScreenProfileWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void noteChange();
    void run();

    xcb_connection_t* const connection_;
    std::atomic<std::uint32_t> atom_{0};  // none until the reader has interned it
    std::mutex mutex_;
    std::condition_variable changed_;
    bool pending_ = true;
    bool stopping_ = false;
    std::thread reader_;
};

}  // namespace platform::qt
