# The whole life of a show: panel, Go, the first picture at once, the next on the timer, a double
# click that stops it; then the panel with the keyboard alone, and Alt+X. Pausing is the handlers'
# rule, a click on the picture reaching them the control contract's, and the centred panel the
# handlers' and the scale tests'.
source "$(dirname "$0")/lib.sh"

convert -size 300x200 xc:red "$PICTURES/red.bmp"
convert -size 400x300 xc:lime "$PICTURES/green.jpg"
convert -size 200x150 xc:blue "$PICTURES/blue.gif"

start_pixora "$PICTURES"
click_twips "${GO_BUTTON[@]}"

# The list is sorted blue, green, red: the blue picture comes first, in a window its own size,
# centred on the screen. Pixel for pixel, pictures are checked by fit_placement.sh and the scale tests.
wait_until 10 "the first picture did not appear" screen_shows $CX $CY 0 0 255
expect_centred "$WID" "the window around blue.gif" 200 150

# The window's size for each picture, and the panel's size once stopped, are the handlers' tests.
wait_until 12 "the second picture did not follow" screen_shows $CX $CY 0 255 0
stop_show

# The keyboard alone, from the text box: Shift+Tab reaches the file list, where End chooses the last
# file, nine Tabs on Space checks Re-Size, five Shift+Tabs back Enter presses Go. The keys go to the
# active window, not to the one under the pointer.
speed_bar_key Home
click_twips "${TEXT_BOX[@]}"
pointer_to 5 5
xdotool key --delay 50 shift+Tab End Tab Tab Tab Tab Tab Tab Tab Tab Tab space
xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Return
find_display_window
wait_until 10 "the last file was not shown on the display window" screen_shows $CX $CY 255 0 0
stop_show $CX $CY
pointer_to 5 5
expect_exit alt+x
