# XFCE with a panel at the top and a dock at the bottom: the corners of the rotation inside the free
# area between them, and the black over both, out of the task list, behind the panel that keeps the
# keyboard.
source "$(dirname "$0")/lib.sh"

convert -size 200x150 xc:blue "$PICTURES/a.gif"
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

click_at $((SCREEN_W / 2)) $((AREA_Y + 20))
sleep 0.5
panel_shown || fail "a click on the black hid the panel"
active_is "$WID" || fail "a click on the black took the keyboard from the panel"

# Go shows a picture at once, and Home keeps the timer from adding another.
speed_bar_key Home
click_twips "${RANDOM_CORNER_BOX[@]}"
right=$((AREA_X + AREA_W - 200)) bottom=$((AREA_Y + AREA_H - 150))
for corner in "$AREA_X $AREA_Y" "$right $AREA_Y" "$AREA_X $bottom" "$right $bottom"; do
    click_twips "${GO_BUTTON[@]}"
    wait_until 10 "the picture did not go to ($corner)" window_at $corner 200 150
    stop_show $((${corner% *} + 100)) $((${corner#* } + 75))
done
expect_exit alt+x

