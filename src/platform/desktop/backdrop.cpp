// The stacking of the program's windows over the black backdrop: WM_TRANSIENT_FOR on X11, a transient
// parent elsewhere.
#include "platform/desktop/backdrop.h"

#include <QApplication>
#include <QPointer>
#include <QWindow>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace platform::qt {

namespace {

QPointer<QWidget> shownBackdrop;

xcb_connection_t* x11()
{
    const auto* native = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return native ? native->connection() : nullptr;
}

// Qt clears the property each time it maps a window of its own kind, so it is set after each show.
// Elsewhere (Wayland) the window becomes the backdrop's child; a compositor learns that only as the
// window is mapped, so a window already shown is shown again.
void setTransientFor(QWidget* window, QWidget* backdrop)
{
    xcb_connection_t* connection = x11();
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

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return found;
}

// The program's own top-level windows; dialogs keep the parent Qt gives them.
template <typename Action>
void forEachOtherWindow(const QWidget* backdrop, Action action)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != backdrop && window->windowType() == Qt::Window && window->isVisible())
            action(window);
}

}  // namespace

// Qt keeps the states it sets itself beside those already on a window it maps.
void keepBackdropOutOfTaskList(QWidget* backdrop)
{
    xcb_connection_t* connection = x11();
    if (!connection)
        return;
    const xcb_atom_t states[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(backdrop->winId()),
                        atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

void backdropShown(QWidget* backdrop)
{
    shownBackdrop = backdrop;
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
