# The panel with the keyboard alone: Tab walks the controls in their order, End chooses the last
# file, Space checks a box, Enter presses Go, and Alt+X ends the program.
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir "$pictures"
convert -size 300x200 xc:red "$pictures/a.bmp"
convert -size 320x240 xc:lime "$pictures/b.jpg"
convert -size 200x150 xc:blue "$pictures/c.gif"

start_display
start_pixora "$pictures"
# Out of the way: the keys go to the active window, not to the one under the pointer.
pointer_to 5 5

# The focus starts on the picture box, first in the order: cmdExit, File1, Text1, Drive1, Dir1, cmdGo,
# HScroll1, chkRandomize, chkLowerRight, chkUpperRight, chkReSize follow.
xdotool key --delay 50 Tab Tab End
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab space
xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Return

# Re-Size is checked, so the last file (End in the file list) is on the display window.
find_display_window
wait_until 10 "the last file was not shown" screen_shows $CX $CY 0 0 255
window_geometry "$DISPLAY_WID"
expect_near "$WIN_W" 200 "the display window's width"

double_click_at $CX $CY
wait_until 10 "the panel did not come back" panel_shown
pointer_to 5 5
xdotool key alt+x
expect_exit
