# The blackout window covers the screen behind the panel and behind the pictures, and goes away.
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir "$pictures"
convert -size 200x150 xc:blue "$pictures/blue.gif"

start_display
start_pixora "$pictures"
click_twips "${BLACKOUT_BOX[@]}"
wait_until 10 "the screen did not turn black" screen_shows 5 5 0 0 0
screenshot blackout
expect_colour "$SHOT" $((SCREEN_W - 5)) $((SCREEN_H - 5)) 0 0 0 "the screen's lower-right corner"
panel_shown || fail "the panel is not in front of the black"

# A click on the black must not bring it in front: Go is still there to be pressed.
click_at 40 40
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture did not appear in front of the black" screen_shows $((SCREEN_W / 2)) $((SCREEN_H / 2)) 0 0 255
screenshot picture
expect_colour "$SHOT" 5 5 0 0 0 "the screen's corner during the show"

stop_show
wait_until 10 "the panel did not come back" panel_shown
click_twips "${BLACKOUT_BOX[@]}"
wait_until 10 "the black did not go away" screen_shows 5 5 255 255 255
screenshot cleared
click_twips "${EXIT_BUTTON[@]}"
wait_until 10 "the program did not end after Exit" pixora_gone
wait "$PIXORA_PID" || fail "the program ended with status $?"
PIXORA_PID=
