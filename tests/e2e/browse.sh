# Choosing the pictures with the mouse: a sub-folder opened in the folder list fills the file list and
# feeds the show; a file clicked in the file list is where Go starts.
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir -p "$pictures/inner"
# Long names outside, short ones inside, so the file list shows by its shape which folder it lists.
convert -size 300x200 xc:red "$pictures/outer picture number one.bmp"
convert -size 320x240 xc:lime "$pictures/outer picture number two.jpg"
convert -size 240x180 xc:cyan "$pictures/inner/a.gif"
convert -size 260x190 xc:magenta "$pictures/inner/b.bmp"
convert -size 280x210 xc:yellow "$pictures/inner/c.jpg"

start_display
start_pixora "$pictures"
# Slow, so that no tick moves the show on while the test looks.
speed_bar_key Home

# file_names_reach LEFT RIGHT: true when the file list holds text from LEFT to RIGHT pixels of its
# width, in the rows of its first two entries.
file_names_reach() {
    window_geometry
    import -window root "png:$WORK/poll.png"
    has_text "$WORK/poll.png" $((WIN_X + FILE_LIST[0] / 15 + $1)) $((WIN_Y + FILE_LIST[1] / 15 + 2)) \
        $(($2 - $1)) 28
}
short_names_listed() { file_names_reach 0 20 && ! file_names_reach 100 120; }
file_names_reach 100 120 || fail "the file list does not show the long names of the start folder"

# The folder list stands on the start folder, selected; its one sub-folder is the row below.
window_geometry
column=$((WIN_X + (DIR_LIST[0] + DIR_LIST[2]) / 15 - 12))
read -r first last < <(selection_rows $column $((WIN_Y + DIR_LIST[1] / 15)) $((DIR_LIST[3] / 15)))
[[ -n ${last:-} ]] || fail "no folder is selected in the folder list"
screenshot start-folder
double_click_at $column $((last + (last - first) / 2 + 1))
wait_until 10 "the file list did not change to the sub-folder's files" short_names_listed
screenshot inner-folder

cx=$((SCREEN_W / 2))
cy=$((SCREEN_H / 2))
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the sub-folder's first picture did not appear" window_is 240 180
screenshot inner-first
expect_colour "$SHOT" $cx $cy 0 255 255 "the sub-folder's first picture"
stop_show
wait_until 10 "the panel did not come back" panel_shown

# The shown file, the first, is selected in the file list. The show would go on with the second;
# a click on the third makes Go start there.
window_geometry
column=$((WIN_X + (FILE_LIST[0] + FILE_LIST[2]) / 15 - 12))
read -r first last < <(selection_rows $column $((WIN_Y + FILE_LIST[1] / 15)) $((FILE_LIST[3] / 15)))
[[ -n ${last:-} ]] || fail "the shown file is not selected in the file list"
click_at $column $((first + 5 * (last - first + 1) / 2))
click_twips "${GO_BUTTON[@]}"
wait_until 10 "Go did not start from the clicked file" window_is 280 210
screenshot clicked-file
expect_colour "$SHOT" $cx $cy 255 255 0 "the clicked file's picture"

stop_show
wait_until 10 "the panel did not come back" panel_shown
click_twips "${EXIT_BUTTON[@]}"
expect_exit
