# GNOME's compositor with the session's preference for Wayland exported: the program takes XWayland,
# where its panel is centred, a corner is exact, and the black stays behind the active panel; Esc on
# the black brings the panel back. XWayland gives no picture of its root window, so windows are
# checked by their places and the stacking mutter publishes.
SCREEN_W=1920 SCREEN_H=1080
source "$(dirname "$0")/lib.sh"

convert -size 200x150 xc:blue "$PICTURES/a.gif"
start_mutter
export QT_QPA_PLATFORM="wayland;xcb" XDG_SESSION_TYPE=wayland
read_workarea
start_pixora "$PICTURES"
expect_centred "$WID" "the panel" 546 371

speed_bar_key Home
click_twips "${LOWER_RIGHT_BOX[@]}"
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture did not go to the lower-right corner" \
    window_at $((AREA_X + AREA_W - 200)) $((AREA_Y + AREA_H - 150)) 200 150
xdotool key Escape
wait_until 10 "Esc did not stop the show" window_is 545 369

click_twips "${BLACKOUT_BOX[@]}"
find_black_window
wait_until 10 "the black is not behind the active panel" eval 'stacked_above "$WID" "$BLACK_WID" && active_is "$WID"'
# Mutter gives no focus on request to a window that asks for none; the keyboard is given to it directly.
xdotool windowfocus --sync "$BLACK_WID"
xdotool key Escape
wait_until 10 "Esc on the black did not bring the panel back" eval 'stacked_above "$WID" "$BLACK_WID" && active_is "$WID"'
expect_exit alt+x
