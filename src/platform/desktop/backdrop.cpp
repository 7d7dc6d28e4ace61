// The stacking of the program's windows over the black backdrop: WM_TRANSIENT_FOR on X11, a transient
// parent elsewhere.
#include "platform/desktop/backdrop.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>

#include "platform/desktop/x11.h"

namespace platform::qt {

namespace {

QPointer<QWidget> shownBackdrop;

// Qt clears the property each time it maps a window of its own kind, so it is set after each show.
// Elsewhere (Wayland) the window becomes the backdrop's child; a compositor learns that only as the
// window is mapped, so a window already shown is shown again.
void setTransientFor(QWidget* window, QWidget* backdrop)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        QWindow* parent = backdrop ? backdrop->windowHandle() : nullptr;
        if (window->windowHandle()->transientParent() == parent)
            return;
        window->windowHandle()->setTransientParent(parent);
        if (parent && window->isVisible()) {
            window->hide();
            window->show();
        }
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (backdrop) {
        const auto parent = static_cast<xcb_window_t>(backdrop->winId());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW,
                            32, 1, &parent);
    } else {
        xcb_delete_property(connection, id, XCB_ATOM_WM_TRANSIENT_FOR);
    }
    xcb_flush(connection);
}

// The keycode of Esc on this X server, from its keyboard mapping; 0 when it has none.
xcb_keycode_t escapeKeycode(xcb_connection_t* connection)
{
    constexpr xcb_keysym_t kEscape = 0xff1b;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count)), nullptr);
    xcb_keycode_t found = 0;
    if (mapping) {
        const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping);
        for (int code = 0; code < count && found == 0; ++code)
            if (symbols[code * mapping->keysyms_per_keycode] == kEscape)
                found = static_cast<xcb_keycode_t>(setup->min_keycode + code);
    }
    free(mapping);
    return found;
}

// A window manager may give the keyboard to the black, which asks for none; Qt then hands its keys to
// the window it last activated. Esc pressed there is the black's own.
class EscapeOnBackdrop : public QAbstractNativeEventFilter {
public:
    explicit EscapeOnBackdrop(xcb_keycode_t escape) : escape_(escape) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !shownBackdrop || escape_ == 0)
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
            return false;
        const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
        if (key->detail != escape_ || key->event != static_cast<xcb_window_t>(shownBackdrop->winId()))
            return false;
        QCoreApplication::postEvent(shownBackdrop, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        return true;
    }

private:
    const xcb_keycode_t escape_;
};

// The program's own top-level windows; dialogs keep the parent Qt gives them.
template <typename Action>
void forEachOtherWindow(const QWidget* backdrop, Action action)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != backdrop && window->windowType() == Qt::Window && window->isVisible())
            action(window);
}

}  // namespace

// Set before the window is mapped, when it has no state of its own yet; Qt keeps the states it sets
// itself beside those already on a window it maps.
void keepBackdropOutOfTaskList(QWidget* backdrop)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const xcb_atom_t states[] = {internedAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 internedAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(backdrop->winId()),
                        internedAtom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

void backdropShown(QWidget* backdrop)
{
    shownBackdrop = backdrop;
    if (xcb_connection_t* connection = x11Connection()) {
        static EscapeOnBackdrop escapes(escapeKeycode(connection));
        static const bool installed = (qApp->installNativeEventFilter(&escapes), true);
        static_cast<void>(installed);
    }
    forEachOtherWindow(backdrop, [backdrop](QWidget* window) { setTransientFor(window, backdrop); });
}

void backdropGone(QWidget* backdrop)
{
    if (shownBackdrop != backdrop)
        return;
    shownBackdrop = nullptr;
    forEachOtherWindow(backdrop, [](QWidget* window) { setTransientFor(window, nullptr); });
}

void windowShown(QWidget* window)
{
    if (shownBackdrop && window != shownBackdrop)
        setTransientFor(window, shownBackdrop);
}

}  // namespace platform::qt
