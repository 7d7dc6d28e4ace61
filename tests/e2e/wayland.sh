# Wayland without X: the program runs on Weston itself, which places its windows where it likes.
# The black stays behind the panel and the picture, and Esc brings the panel back.
source "$(dirname "$0")/lib.sh"

convert -size 200x150 xc:blue "$PICTURES/a.gif"
start_weston
(cd "$PICTURES" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=pixora "$PIXORA") >"$WORK/pixora.log" 2>&1 &
PIXORA_PID=$!

# Weston tells no one where the panel is: it is the one box of the panel's face colour on the screen,
# less the specks of that colour in the pointer that Weston draws.
window_geometry() {
    import -window root "png:$WORK/place.png"
    read -r WIN_W WIN_H WIN_X WIN_Y < <(convert "$WORK/place.png" -fill black +opaque 'srgb(239,239,239)' \
        -morphology Open Square:3 -format '%@\n' info: 2>/dev/null | tr 'x+' '  ')
    ((WIN_W > 500 && WIN_H > 300))
}
wait_until 20 "the panel did not appear" window_geometry

click_twips "${BLACKOUT_BOX[@]}"
wait_until 10 "the screen did not turn black" screen_shows $((AREA_W - 5)) $((AREA_H - 5)) 0 0 0
wait_until 10 "the panel is not in front of the black" panel_shown
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture is not in front of the black" screen_shows $((WIN_X + 100)) $((WIN_Y + 75)) 0 0 255
xdotool key Escape
wait_until 10 "Esc did not bring the panel back" panel_shown
expect_exit alt+x
