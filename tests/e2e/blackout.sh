# The blackout window covers the screen and every other program's window, behind the panel and the
# pictures on either surface, takes neither clicks nor the focus, and goes away.
source "$(dirname "$0")/lib.sh"

convert -size 200x150 xc:blue "$PICTURES/blue.gif"
corners=(2 2 $((SCREEN_W - 3)) 2 2 $((SCREEN_H - 3)) $((SCREEN_W - 3)) $((SCREEN_H - 3)))
panel_has_keyboard() { [[ $(xdotool getwindowfocus) == "$WID" ]]; }

start_display
# Another program's window at the upper left corner, open before the program starts.
xmessage -geometry +0+0 "another program" >/dev/null 2>&1 &
timeout 10 xdotool search --sync --onlyvisible --name '^xmessage$' >/dev/null || fail "no other program's window"
start_pixora "$PICTURES"
screenshot other-program
other_colour=$(pixel "$SHOT" 5 5 9)
colour_near "$SHOT" 5 5 0 0 0 9 && fail "the other program's window is black before the blackout (see $SHOT)"
click_twips "${BLACKOUT_BOX[@]}"
wait_until 10 "the screen did not turn black over the other program" screen_shows 5 5 0 0 0
expect_screen blackout "0 0 0" "the screen's corner" "${corners[@]}"
panel_shown || fail "the panel is not in front of the black"
wait_until 5 "the black took the keyboard from the panel" panel_has_keyboard

# A click on the black, over the other program's window, must neither bring the black in front nor
# take the keyboard from the panel nor let the other program through.
click_at 40 40
sleep 0.5
panel_shown || fail "a click on the black hid the panel"
panel_has_keyboard || fail "a click on the black took the keyboard from the panel"
expect_screen clicked-black "0 0 0" "the screen's corner after a click on the black" "${corners[@]}"
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture did not appear in front of the black" screen_shows $CX $CY 0 0 255
expect_screen picture "0 0 0" "the screen's corner during the show" "${corners[@]}"

# The panel stays usable over the black: a click on Re-Size checks it, and the next show is on the
# display window, again in front of the black.
stop_show
click_twips "${RESIZE_BOX[@]}"
click_twips "${GO_BUTTON[@]}"
find_display_window
wait_until 10 "the display window is not in front of the black" screen_shows $CX $CY 0 0 255
expect_screen display-window "0 0 0" "the screen's corner behind the display window" "${corners[@]}"

stop_show $CX $CY
click_twips "${BLACKOUT_BOX[@]}"
wait_until 10 "the black did not go away" screen_shows $((SCREEN_W - 5)) 5 255 255 255
wait_until 10 "the other program's window did not come back" screen_shows 5 5 $other_colour 9
click_twips "${EXIT_BUTTON[@]}"
expect_exit
