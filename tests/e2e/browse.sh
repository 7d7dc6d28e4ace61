# Choosing the pictures with the mouse: a sub-folder opened in the folder list fills the file list and
# feeds the show; a file clicked in the file list is where Go starts. A picture named on the command
# line is where Go starts too.
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir -p "$pictures/inner"
convert -size 300x200 xc:red "$pictures/outer picture number one.bmp"
convert -size 320x240 xc:lime "$pictures/outer picture number two.jpg"
convert -size 240x180 xc:cyan "$pictures/inner/a.gif"
convert -size 260x190 xc:magenta "$pictures/inner/b.bmp"
convert -size 280x210 xc:yellow "$pictures/inner/c.jpg"

# selection_rows LIST: sets first and last to the screen rows the selection's colour takes in a column
# near the right edge of the list (DIR_LIST or FILE_LIST), and column to that column; fails if none.
selection_rows() {
    local -n list=$1
    window_geometry
    column=$((WIN_X + (list[0] + list[2]) / 15 - 12))
    import -window root "png:$WORK/poll.png"
    read -r first last < <(convert "$WORK/poll.png" -crop "1x$((list[3] / 15))+$column+$((WIN_Y + list[1] / 15))" +repage \
        -depth 8 txt:- | awk -F'[,:() ]+' -v top=$((WIN_Y + list[1] / 15)) 'NR > 1 && $3 < 100 && $5 > 150 {
            if (first == "") first = top + $2
            last = top + $2
        } END { print first, last }')
    [[ -n ${last:-} ]] || fail "nothing is selected in $1"
}

start_display
start_pixora "$pictures"
# Slow, so that no tick moves the show on while the test looks.
speed_bar_key Home

# The folder list stands on the start folder, selected; its one sub-folder is the row below.
selection_rows DIR_LIST
# The program takes the double click before the click on Go.
double_click_at $column $((last + (last - first) / 2 + 1))
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the sub-folder's first picture did not appear" window_is 240 180
screenshot inner-first
expect_colour "$SHOT" "0 255 255" "the sub-folder's first picture" $CX $CY
stop_show

# The shown file, the first, is selected in the file list. The show would go on with the second;
# a click on the third makes Go start there.
selection_rows FILE_LIST
click_at $column $((first + 5 * (last - first + 1) / 2))
click_twips "${GO_BUTTON[@]}"
wait_until 10 "Go did not start from the clicked file" window_is 280 210
screenshot clicked-file
expect_colour "$SHOT" "255 255 0" "the clicked file's picture" $CX $CY
stop_show
click_twips "${EXIT_BUTTON[@]}"
expect_exit

start_pixora "$WORK" "$pictures/inner/b.bmp"
speed_bar_key Home
click_twips "${GO_BUTTON[@]}"
wait_until 10 "Go did not start from the picture on the command line" window_is 260 190
screenshot command-line
expect_colour "$SHOT" "255 0 255" "the command line's picture" $CX $CY
stop_show
click_twips "${EXIT_BUTTON[@]}"
expect_exit
