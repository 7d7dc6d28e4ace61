# Where the pictures land: a large one fitted to the screen on the display window, centred; then the
# lower-right corner to the pixel. Which window a fitted show hides or shows is the handlers' test.
source "$(dirname "$0")/lib.sh"

mkdir "$WORK/corner"
convert -size 2000x1500 xc:orange "$PICTURES/large.jpg"
# Red, with a 4 x 4 yellow mark in its lower-right corner.
convert -size 300x200 xc:red -fill yellow -draw 'rectangle 296,196 299,199' "$WORK/corner/corner.bmp"

# Fitted: min(1280/2000, 1024/1500) = 0.64 gives 19200 x 14400 twips, less 500 twips each way.
start_pixora "$PICTURES"
click_twips "${RESIZE_BOX[@]}"
click_twips "${GO_BUTTON[@]}"
find_display_window
expect_centred "$DISPLAY_WID" "the fitted picture" 1247 927
# That the painting fills the window to its edges is the display window's own test.
wait_until 10 "the fitted picture is not painted" screen_shows $CX $CY 255 165 0
# A double click hides the display window and brings back the main window, which holds the large
# picture and reaches beyond the screen: Alt+X ends the program all the same.
stop_show $CX $CY
expect_exit alt+x

# The lower-right corner, exact to the pixel; the slow speed keeps the timer from adding a picture.
start_pixora "$WORK/corner"
speed_bar_key Home
click_twips "${LOWER_RIGHT_BOX[@]}"
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture did not go to the lower-right corner" eval \
    'window_geometry; ((WIN_X == SCREEN_W - 300 && WIN_Y == SCREEN_H - 200))'
expect_screen mark "255 255 0" "the yellow mark" $((SCREEN_W - 1)) $((SCREEN_H - 1)) $((SCREEN_W - 4)) $((SCREEN_H - 4))
expect_screen beside-mark "255 0 0" "beside the mark" $((SCREEN_W - 5)) $((SCREEN_H - 1)) $((SCREEN_W - 1)) \
    $((SCREEN_H - 5))
stop_show
expect_exit alt+x
