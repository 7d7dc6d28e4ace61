# A screen of twice the density (QT_SCALE_FACTOR=2): the panel keeps its layout at twice the pixels,
# and a picture at its own size is shown pixel for pixel, on the display window and in the panel's box.
export QT_SCALE_FACTOR=2
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir "$pictures"
# Alternate pixels: any enlarging or smoothing turns them into flat grey.
convert -size 300x200 pattern:gray50 -fill red -draw 'rectangle 0,0 9,9' -fill blue -draw 'point 299,199' \
    "$pictures/fine.bmp"

# window_is_picture WINDOW: true when the window is exactly the picture's 300 x 200 screen pixels.
window_is_picture() {
    window_geometry "$1"
    ((WIN_W == 300 && WIN_H == 200))
}

# shown_exactly WHAT: the window last measured shows the picture unchanged.
shown_exactly() {
    screenshot "$1"
    convert "$SHOT" -crop "300x200+$WIN_X+$WIN_Y" +repage "$WORK/shown.bmp"
    local differing
    differing=$(compare -metric AE "$pictures/fine.bmp" "$WORK/shown.bmp" null: 2>&1) || true
    [[ $differing == 0 ]] || fail "$1: $differing pixels differ from the picture (see $SHOT)"
}

start_display
start_pixora "$pictures"

# The panel's 8190 x 5565 twips, centred, at two screen pixels to a logical one.
expect_centred "$WID" "the panel" 1092 742

click_twips "${GO_BUTTON[@]}"
wait_until 10 "the panel did not take the picture's size" window_is_picture "$WID"
shown_exactly picture-box

# The panel comes back where the picture was and reaches beyond the screen's right edge, so
# "Re-Size to fit screen" is checked from the keyboard: the text box, then eight controls on.
pointer_to 5 5
xdotool key Escape
wait_until 10 "Esc did not bring the panel back" panel_shown
click_twips "${TEXT_BOX[@]}"
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab space
click_twips "${GO_BUTTON[@]}"
find_display_window
wait_until 10 "the display window did not take the picture's size" window_is_picture "$DISPLAY_WID"
shown_exactly display-window

pointer_to 5 5
xdotool key Escape
wait_until 10 "Esc did not bring the panel back" panel_shown
click_twips "${EXIT_BUTTON[@]}"
expect_exit
