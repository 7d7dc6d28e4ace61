# The show under the mouse: the fast end of the speed bar, a click that pauses and one that resumes,
# double clicks that stop it on either surface and bring the panel back with the position text.
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir "$pictures"
# One size each, so that the window's width tells which picture is up.
convert -size 300x200 xc:red "$pictures/a.bmp"
convert -size 360x240 xc:lime "$pictures/b.jpg"
convert -size 240x180 xc:blue "$pictures/c.gif"

start_display
start_pixora "$pictures"
cx=$((SCREEN_W / 2))
cy=$((SCREEN_H / 2))

# changes_within SECONDS: counts the pictures that follow one another in that time.
changes_within() {
    local deadline=$((${EPOCHREALTIME//[^0-9]/} + $1 * 1000000)) count=0 last
    window_geometry
    last=$WIN_W
    while ((${EPOCHREALTIME//[^0-9]/} < deadline)); do
        window_geometry
        if ((WIN_W != last)); then
            count=$((count + 1))
            last=$WIN_W
        fi
        sleep 0.05
    done
    echo $count
}

# At the bar's right end a picture lasts half a second: about six in three seconds.
speed_bar_key End
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the show did not start" eval 'window_geometry; ((WIN_W < 545))'
changes=$(changes_within 3)
((changes >= 3 && changes <= 8)) || fail "$changes pictures in 3 s at half a second each"

# A click pauses: the picture then stays for four intervals and more.
click_at $cx $cy
sleep 0.6
window_geometry
paused_w=$WIN_W
screenshot paused
changes=$(changes_within 2)
((changes == 0)) || fail "the paused show went on with $changes pictures"
panel_shown && fail "a click on the picture showed the panel"

click_at $cx $cy
wait_until 10 "a second click did not resume the show" eval 'window_geometry; ((WIN_W != paused_w))'

# A double click stops the show: the panel comes back, at least its design size, with the position
# text ("File  n OF  3") in the text box.
stop_show
wait_until 10 "the panel did not come back" panel_shown
window_geometry
((WIN_W >= 545 && WIN_H >= 369)) || fail "the stopped panel is ${WIN_W}x$WIN_H, smaller than 545x369"
screenshot stopped
has_text "$SHOT" $((WIN_X + TEXT_BOX[0] / 15 + 4)) $((WIN_Y + TEXT_BOX[1] / 15 + 4)) 60 $((TEXT_BOX[3] / 15 - 8)) ||
    fail "the text box holds no position text (see $SHOT)"
changes=$(changes_within 1)
((changes == 0)) || fail "the stopped show went on with $changes pictures"

# On the display window a double click hides it and brings the panel back.
click_twips "${RESIZE_BOX[@]}"
click_twips "${GO_BUTTON[@]}"
find_display_window
wait_until 10 "the panel stayed on the screen during a fitted show" eval '! window_mapped "$WID"'
window_geometry "$DISPLAY_WID"
double_click_at $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H / 2))
wait_until 10 "the display window stayed after a double click" display_hidden
wait_until 10 "the panel did not come back" panel_shown
screenshot stopped-display
click_twips "${EXIT_BUTTON[@]}"
expect_exit
