# The whole life of a show: panel, Go, the first picture at once, the next on the timer, a double
# click that stops it, a click that pauses and one that resumes, Exit.
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir "$pictures"
convert -size 300x200 xc:red "$pictures/red.bmp"
convert -size 400x300 xc:lime "$pictures/green.jpg"
convert -size 200x150 xc:blue "$pictures/blue.gif"

start_display
start_pixora "$pictures"

# The panel is 8190 x 5565 twips and centred.
window_geometry
expect_near "$WIN_W" 546 "the panel's width"
expect_near "$WIN_H" 371 "the panel's height"
expect_near "$WIN_X" $(((SCREEN_W - 546) / 2)) "the panel's left edge"
expect_near "$WIN_Y" $(((SCREEN_H - 371) / 2)) "the panel's top edge"

click_twips "${GO_BUTTON[@]}"

# The list is sorted blue, green, red: the blue picture comes first, in a window its own size,
# centred on the white screen.
wait_until 10 "the first picture did not appear" screen_shows $CX $CY 0 0 255
window_is 200 150 || fail "the window around blue.gif is ${WIN_W}x$WIN_H, expected 200x150"
screenshot first-picture
left=$((CX - 100)) top=$((CY - 75))
expect_colour "$SHOT" "0 0 255" "blue.gif" $((left + 3)) $((top + 3)) $((left + 196)) $((top + 146))
expect_colour "$SHOT" "255 255 255" "around blue.gif" $((left - 3)) $CY $((left + 203)) $CY $CX $((top - 3)) $CX $((top + 153))

wait_until 12 "the second picture did not follow" screen_shows $CX $CY 0 255 0
window_is 400 300 || fail "the window around green.jpg is ${WIN_W}x$WIN_H, expected 400x300"

# A double click stops the show: the panel comes back over the picture at its design size, with the
# position text ("File  n OF  3") in the text box.
stop_show
window_is 545 369 || fail "the stopped window is ${WIN_W}x$WIN_H, expected 545x369"
screenshot stopped
has_text "$SHOT" $((WIN_X + TEXT_BOX[0] / 15 + 4)) $((WIN_Y + TEXT_BOX[1] / 15 + 4)) 60 $((TEXT_BOX[3] / 15 - 8)) ||
    fail "the text box holds no position text (see $SHOT)"

# changes_within SECONDS: counts the pictures that follow one another in that time; each has its own width.
changes_within() {
    local deadline=$((${EPOCHREALTIME//[^0-9]/} + $1 * 1000000)) count=0 last
    window_geometry
    last=$WIN_W
    while ((${EPOCHREALTIME//[^0-9]/} < deadline)); do
        window_geometry
        ((WIN_W == last)) || count=$((count + 1)) last=$WIN_W
        sleep 0.05
    done
    echo $count
}

# At the speed bar's right end a picture lasts half a second. A click pauses: in the next six
# intervals at most a tick that crossed the click changes the picture. A second click resumes.
speed_bar_key End
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the show did not start" eval 'window_geometry; ((WIN_W < 545))'
shown_w=$WIN_W
wait_until 10 "the show did not move on" eval 'window_geometry; ((WIN_W != shown_w))'
click_at $CX $CY
changes=$(changes_within 3)
((changes <= 1)) || fail "the paused show went on with $changes pictures"
! panel_shown || fail "a click on the picture showed the panel"
window_geometry
paused_w=$WIN_W
click_at $CX $CY
wait_until 10 "a second click did not resume the show" eval 'window_geometry; ((WIN_W != paused_w))'

stop_show
click_twips "${EXIT_BUTTON[@]}"
expect_exit
