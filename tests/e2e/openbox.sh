# Under openbox: the frameless windows undecorated where the program puts them, the picture of each
# tick in front even of another program's window, the panel back in front and active after a stop
# on the display window, and a picture in the corner where the program puts it.
export PIXORA_E2E_WM=openbox
source "$(dirname "$0")/lib.sh"

convert -size 200x150 xc:blue "$PICTURES/a.gif"
convert -size 400x300 xc:lime "$PICTURES/b.jpg"
convert -size 300x200 xc:red "$PICTURES/c.bmp"

# expect_unframed WINDOW WHAT: openbox drew no border or title bar around the window.
expect_unframed() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS)
    [[ $extents == *"= 0, 0, 0, 0" ]] || fail "$2 has a frame: $extents"
}

start_pixora "$PICTURES"
expect_unframed "$WID" "the panel"
wait_until 10 "the panel is not the active window" active_is "$WID"

# On the display window, centred, twenty seconds a picture; Esc, the pointer out of the way, brings the panel back.
speed_bar_key Home
click_twips "${RESIZE_BOX[@]}"
click_twips "${GO_BUTTON[@]}"
find_display_window
wait_until 10 "the first picture did not appear" screen_shows $CX $CY 0 0 255
expect_centred "$DISPLAY_WID" "the display window" 200 150
expect_unframed "$DISPLAY_WID" "the display window"
pointer_to 5 5
xdotool key Escape
wait_until 10 "Esc did not bring the panel back" panel_shown

# Another program's window, given the focus, covers the picture; the next tick's picture comes in
# front of it.
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the second picture did not appear" screen_shows $CX $CY 0 255 0
display -title cover -geometry +0+0 -size 1000x900 xc:yellow >"$WORK/cover.log" 2>&1 &
cover=$(timeout 10 xdotool search --sync --onlyvisible --name '^cover$' | head -n 1) || fail "no covering window"
xdotool windowactivate --sync "$cover"
wait_until 5 "the covering window is not in front" screen_shows $CX $CY 255 255 0
wait_until 25 "the next picture did not come in front" screen_shows $CX $CY 255 0 0

stop_show $CX $CY
wait_until 10 "the panel that came back is not the active window" active_is "$WID"

# Openbox leaves the lower-right corner where the program puts it.
click_twips "${RESIZE_BOX[@]}"
click_twips "${LOWER_RIGHT_BOX[@]}"
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture did not go to the lower-right corner" eval \
    'window_geometry; ((WIN_W < 545 && WIN_X + WIN_W == SCREEN_W && WIN_Y + WIN_H == SCREEN_H))'
stop_show
click_twips "${EXIT_BUTTON[@]}"
expect_exit
