# The whole life of a show: panel, Go, the first picture at once, the next on the timer, stop, Exit.
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
screenshot panel

click_twips "${GO_BUTTON[@]}"

# The list is sorted blue, green, red: the blue picture comes first, in a window its own size,
# centred on the white screen.
cx=$((SCREEN_W / 2))
cy=$((SCREEN_H / 2))
wait_until 10 "the first picture did not appear" screen_shows $cx $cy 0 0 255
window_geometry
expect_near "$WIN_W" 200 "the window's width around blue.gif"
expect_near "$WIN_H" 150 "the window's height around blue.gif"
screenshot first-picture
left=$(((SCREEN_W - 200) / 2))
top=$(((SCREEN_H - 150) / 2))
expect_colour "$SHOT" $((left + 3)) $((top + 3)) 0 0 255 "the picture's upper-left corner"
expect_colour "$SHOT" $((left + 196)) $((top + 146)) 0 0 255 "the picture's lower-right corner"
expect_colour "$SHOT" $((left - 3)) $cy 255 255 255 "left of the picture"
expect_colour "$SHOT" $((left + 203)) $cy 255 255 255 "right of the picture"
expect_colour "$SHOT" $cx $((top - 3)) 255 255 255 "above the picture"
expect_colour "$SHOT" $cx $((top + 153)) 255 255 255 "below the picture"

wait_until 12 "the second picture did not follow" screen_shows $cx $cy 0 255 0
window_geometry
expect_near "$WIN_W" 400 "the window's width around green.jpg"
expect_near "$WIN_H" 300 "the window's height around green.jpg"
screenshot second-picture

# A double click stops the show: the panel comes back over the picture, at least its design size.
double_click_at $cx $cy
wait_until 10 "the panel did not come back" panel_shown
window_geometry
expect_near "$WIN_W" 545 "the stopped window's width"
expect_near "$WIN_H" 369 "the stopped window's height"
screenshot stopped

click_twips "${EXIT_BUTTON[@]}"
wait_until 10 "the program did not end after Exit" pixora_gone
wait "$PIXORA_PID" || fail "the program ended with status $?; see $WORK/pixora.log"
PIXORA_PID=
