// The screen's own colour profile, as colour daemons publish it on the X11 root window.
#include "platform/desktop/screen_profile.h"

#include "platform/desktop/x11.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <system_error>

#include <QGuiApplication>

#include "picture/colour/colour_profiles.h"
#include "platform/qt/failure_log.h"

namespace platform::qt {

namespace {

// In 32-bit units, as X counts property lengths: 16 MB, beyond any real profile.
constexpr std::uint32_t kMaxProfileWords = 4 * 1024 * 1024;

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_window_t rootWindow(xcb_connection_t* connection)
{
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen ? screen->root : xcb_window_t{XCB_WINDOW_NONE};
}

QByteArray screenProfile(xcb_connection_t* connection, xcb_atom_t atom)
{
    const xcb_window_t root = rootWindow(connection);
    if (atom == XCB_ATOM_NONE || root == XCB_WINDOW_NONE)
        return {};
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxProfileWords),
            nullptr),
        &std::free);
    if (!reply || reply->format != 8 || reply->bytes_after != 0)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

}  // namespace

// Qt itself asks the X server for the root window's property changes; its connection may be used
// from any thread.
ScreenProfileWatch::ScreenProfileWatch() : connection_(x11Connection())
{
    if (!connection_)
        return;
    try {
        reader_ = std::thread(&ScreenProfileWatch::run, this);
    } catch (const std::system_error& error) {
        passOver("the screen's colour profile", error.what());
        return;
    }
    qGuiApp->installNativeEventFilter(this);
}

ScreenProfileWatch::~ScreenProfileWatch()
{
    if (!reader_.joinable())
        return;
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_one();
    reader_.join();
}

bool ScreenProfileWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    if (change->atom != XCB_ATOM_NONE && change->atom == atom_.load() && change->window == rootWindow(connection_))
        noteChange();
    return false;
}

void ScreenProfileWatch::noteChange()
{
    {
        const std::lock_guard lock(mutex_);
        pending_ = true;
    }
    changed_.notify_one();
}

void ScreenProfileWatch::run()
{
    atom_ = internedAtom(connection_, "_ICC_PROFILE");
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return pending_ || stopping_; });
        if (stopping_)
            return;
        pending_ = false;
        lock.unlock();
        setDisplayProfile(screenProfile(connection_, atom_));
        lock.lock();
    }
}

}  // namespace platform::qt
