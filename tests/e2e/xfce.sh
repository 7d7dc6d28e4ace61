# XFCE with a panel at the top and a dock at the bottom: the main window centred in the free area
# between them, and the black over both, out of the task list, behind the panel. Where the other
# windows go in the free area is the handlers' test; that a click on the black leaves the panel the
# keyboard is blackout.sh's.
source "$(dirname "$0")/lib.sh"

start_xfce
start_pixora "$PICTURES"
expect_centred "$WID" "the panel" 546 371

click_twips "${BLACKOUT_BOX[@]}"
find_black_window
# The black asks for the whole monitor, panels included; xfwm4 lifts a full-screen window over its
# panels only while that window has the keyboard, which the program's panel keeps, so the free area
# is what is seen black.
window_at 0 0 "$SCREEN_W" "$SCREEN_H" "$BLACK_WID" || fail "the black is not the whole monitor"
[[ $(xprop -id "$BLACK_WID" _NET_WM_STATE) == *_NET_WM_STATE_FULLSCREEN* ]] || fail "the black is not full screen"
wait_until 10 "the black does not cover the free area" screen_shows 5 $((AREA_Y + 5)) 0 0 0
panel_shown || fail "the panel is not in front of the black"
[[ $(xprop -id "$BLACK_WID" _NET_WM_STATE) == *_NET_WM_STATE_SKIP_TASKBAR* ]] ||
    fail "the black window is in the task list"
[[ $(xprop -id "$WID" _NET_WM_STATE) != *_NET_WM_STATE_SKIP_TASKBAR* ]] || fail "the panel is not in the task list"
expect_exit alt+x

