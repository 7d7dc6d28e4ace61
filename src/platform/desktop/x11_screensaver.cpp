// Suspend of the MIT-SCREEN-SAVER extension, which in Xorg holds off DPMS blanking as well.
#include "platform/desktop/x11_screensaver.h"

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

#include <QGuiApplication>

#include "platform/desktop/x11.h"
#include "platform/qt/failure_log.h"

namespace platform::qt {

bool suspendX11Screensaver(bool suspend)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return false;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_screensaver_id);
    if (!extension || !extension->present) {
        passOver("screensaver", "the X server has no MIT-SCREEN-SAVER extension");
        return false;
    }
    // Checked, so that a server too old for Suspend is noted here instead of in Qt's own error output.
    xcb_generic_error_t* error =
        xcb_request_check(connection, xcb_screensaver_suspend_checked(connection, suspend ? 1 : 0));
    if (!error)
        return true;
    passOver("screensaver", std::string("the X server refused to ") + (suspend ? "suspend" : "resume") +
                                " its screensaver, error " + std::to_string(error->error_code));
    std::free(error);
    return false;
}

}  // namespace platform::qt
