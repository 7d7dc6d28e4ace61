// The stacking of the program's windows over the black backdrop, through WM_TRANSIENT_FOR on X11.
#include "platform/desktop/backdrop.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <xcb/xcb.h>

namespace platform::qt {

namespace {

QPointer<QWidget> shownBackdrop;

xcb_connection_t* x11()
{
    const auto* native = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return native ? native->connection() : nullptr;
}

// Qt clears the property each time it maps a window of its own kind, so it is set after each show.
void setTransientFor(QWidget* window, QWidget* backdrop)
{
    xcb_connection_t* connection = x11();
    if (!connection)
        return;
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

// The program's own top-level windows; dialogs keep the parent Qt gives them.
template <typename Action>
void forEachOtherWindow(const QWidget* backdrop, Action action)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != backdrop && window->windowType() == Qt::Window && window->isVisible())
            action(window);
}

}  // namespace

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
