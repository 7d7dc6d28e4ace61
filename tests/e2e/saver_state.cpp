// Prints the state of the X server's screensaver on the default display (off, on, cycle, or disabled
// when it has no time-out) and the milliseconds since the last input. A suspended screensaver stays
// off however long the input has been idle.
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

int main()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("cannot open the display\n", stderr);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_screensaver_query_info_reply_t* info =
        xcb_screensaver_query_info_reply(connection, xcb_screensaver_query_info(connection, screen->root), nullptr);
    if (!info) {
        std::fputs("the X server has no screensaver extension\n", stderr);
        return 1;
    }
    static const char* const kStates[] = {"off", "on", "cycle", "disabled"};
    std::printf("%s %u\n", info->state < 4 ? kStates[info->state] : "unknown", info->ms_since_user_input);
    std::free(info);
    xcb_disconnect(connection);
    return 0;
}
