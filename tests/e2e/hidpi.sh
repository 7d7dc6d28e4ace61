# A screen of twice the density (QT_SCALE_FACTOR=2): the panel keeps its layout at twice the pixels,
# and a picture at its own size is shown pixel for pixel, on the display window and in the panel's box.
export QT_SCALE_FACTOR=2
source "$(dirname "$0")/lib.sh"

# Alternate pixels: any enlarging or smoothing turns them into flat grey.
convert -size 300x200 pattern:gray50 -fill red -draw 'rectangle 0,0 9,9' -fill blue -draw 'point 299,199' \
    "$PICTURES/fine.bmp"

# shown_exactly WINDOW WHAT: waits until the window is exactly the picture's 300 x 200 screen pixels,
# then fails the test unless it shows the picture unchanged.
shown_exactly() {
    wait_until 10 "$2 did not take the picture's size" eval "window_geometry $1; ((WIN_W == 300 && WIN_H == 200))"
    screenshot "$2"
    convert "$SHOT" -crop "300x200+$WIN_X+$WIN_Y" +repage "$WORK/shown.bmp"
    local differing
    differing=$(compare -metric AE "$PICTURES/fine.bmp" "$WORK/shown.bmp" null: 2>&1) || true
    [[ $differing == 0 ]] || fail "$2: $differing pixels differ from the picture (see $SHOT)"
}

start_display
start_pixora "$PICTURES"

# The panel's 8190 x 5565 twips, centred, at two screen pixels to a logical one.
expect_centred "$WID" "the panel" 1092 742

click_twips "${GO_BUTTON[@]}"
shown_exactly "$WID" picture-box

escape_to_panel
click_twips "${RESIZE_BOX[@]}"
click_twips "${GO_BUTTON[@]}"
find_display_window
shown_exactly "$DISPLAY_WID" display-window

escape_to_panel
click_twips "${EXIT_BUTTON[@]}"
expect_exit
