# Two monitors side by side, the primary on the right: the panel and the picture are centred on the
# primary, and the black covers all of it and nothing of the other monitor. Fitting and corners take
# the same monitor from the platform, and are the handlers' tests.
SCREEN_W=4480 SCREEN_H=1440
source "$(dirname "$0")/lib.sh"

convert -size 200x150 xc:blue "$PICTURES/a.gif"

start_display
# A name starting with "*" makes the monitor the primary one; the X server forgets monitors when its
# last client leaves, hence -noreset in start_display.
xrandr --setmonitor left 1920/508x1080/286+0+0 none
xrandr --setmonitor '*right' 2560/677x1440/381+1920+0 screen >/dev/null
AREA_X=1920 AREA_W=2560
PX=$((AREA_X + AREA_W / 2)) PY=$((AREA_H / 2))

start_pixora "$PICTURES"
expect_centred "$WID" "the panel" 546 371
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture is not in the middle of the primary monitor" screen_shows $PX $PY 0 0 255
expect_centred "$WID" "the picture at its own size" 200 150
stop_show

click_twips "${BLACKOUT_BOX[@]}"
find_black_window
window_at $AREA_X 0 $AREA_W $AREA_H "$BLACK_WID" ||
    fail "the black window is ${WIN_W}x$WIN_H at ($WIN_X,$WIN_Y), not on the primary monitor"
wait_until 10 "the primary monitor did not turn black" screen_shows $((SCREEN_W - 1)) $((SCREEN_H - 1)) 0 0 0
expect_screen blackout "0 0 0" "the primary monitor's corner" $AREA_X 0 $((SCREEN_W - 1)) 0 $AREA_X $((SCREEN_H - 1))
expect_screen left-monitor "255 255 255" "the left monitor" $((AREA_X - 1)) 0 $((AREA_X - 1)) 1079 0 0
expect_exit alt+x
