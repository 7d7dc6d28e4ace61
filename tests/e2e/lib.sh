# Shared helpers of the end-to-end tests, sourced with the program's path as the first argument.
set -euo pipefail

PIXORA=$(realpath "$1")
SCREEN_W=${SCREEN_W:-1280} SCREEN_H=${SCREEN_H:-1024}
# The part of the primary monitor that the desktop leaves free: without panels, the whole screen.
AREA_X=0 AREA_Y=0 AREA_W=$SCREEN_W AREA_H=$SCREEN_H
CX=$((SCREEN_W / 2)) CY=$((SCREEN_H / 2))
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pixora-e2e.XXXXXX")
PICTURES=$WORK/pictures
mkdir "$PICTURES"
BACKGROUND_PIDS=()
DISPLAY_PID= PIXORA_PID= WID= SHOT= SHOT_COUNT=0

# The program is driven through X, whatever the caller's environment asks for.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# The leak check at exit stops every thread of the program to scan it, and with Qt's threads it now
# and then crashes doing so ("Tracer caught signal 11"); the unit and Qt tests check for leaks.
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

cleanup() {
    local status=$?
    kill $PIXORA_PID "${BACKGROUND_PIDS[@]}" $DISPLAY_PID 2>/dev/null || true
    wait 2>/dev/null || true
    if [[ $status -eq 0 && -z ${PIXORA_E2E_KEEP:-} ]]; then
        rm -rf "$WORK"
    else
        echo "screenshots and logs kept in $WORK" >&2
    fi
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -n $DISPLAY_PID ]]; then screenshot failure 2>/dev/null || true; fi
    [[ -s $WORK/pixora.log ]] && { echo "--- program output:" >&2; cat "$WORK/pixora.log" >&2; }
    exit 1
}

# wait_until SECONDS DESCRIPTION COMMAND...: polls COMMAND until it succeeds, fails the test if it never does.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((${EPOCHREALTIME//[^0-9]/} + limit * 1000000))
    until "$@"; do
        ((${EPOCHREALTIME//[^0-9]/} < deadline)) || fail "$what (waited ${limit}s)"
        sleep 0.2
    done
}

# Starts Xvfb on the first free display; -displayfd makes the choice free of races. With
# PIXORA_E2E_WM=openbox, openbox manages the program's windows as on a desktop; it ends with the display.
start_display() {
    Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    DISPLAY_PID=$!
    wait_until 10 "Xvfb did not start" grep -qs '[0-9]' "$WORK/display"
    export DISPLAY=":$(tr -dc 0-9 <"$WORK/display")"
    xsetroot -solid white
    if [[ ${PIXORA_E2E_WM:-} == openbox ]]; then
        openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
        wait_until 10 "openbox did not start" eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
    fi
}

# start_pixora FOLDER [ARGUMENT...]: runs the program in FOLDER, on a display of its own unless one runs.
start_pixora() {
    [[ -n $DISPLAY_PID ]] || start_display
    (cd "$1" && exec "$PIXORA" "${@:2}") >"$WORK/pixora.log" 2>&1 &
    PIXORA_PID=$!
    WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^Pixora By Tavren$' | head -n 1) ||
        fail "the main window did not appear"
}

# Sets WIN_X WIN_Y WIN_W WIN_H to the place on the screen of the given window, or of the main window.
window_geometry() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "${1:-$WID}")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# Sets DISPLAY_WID to the display window once it is on the screen: the one titled "Pixora" that is in
# the task list (the black is titled so too, but stays out of it). A window that closes while xdotool
# walks the tree makes one search fail, so the search is polled.
find_display_window() {
    wait_until 10 "the display window did not appear" eval 'DISPLAY_WID=$(display_window) && [[ -n $DISPLAY_WID ]]'
}
display_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "^Pixora$" 2>/dev/null); do
        xprop -id "$id" _NET_WM_STATE 2>/dev/null | grep -q SKIP_TASKBAR || { echo "$id"; return; }
    done
}

# While the display window is hidden, the black is the one visible window titled "Pixora".
find_black_window() {
    wait_until 10 "the black window did not appear" eval \
        'BLACK_WID=$(xdotool search --onlyvisible --name "^Pixora$" 2>/dev/null | head -n 1) && [[ -n $BLACK_WID ]]'
}

# expect_exit [KEY]: after Exit, or the KEY pressed now, the program must end, and end cleanly.
expect_exit() {
    [[ -z ${1:-} ]] || xdotool key "$1"
    wait_until 20 "the program did not end" eval '! kill -0 "$PIXORA_PID" 2>/dev/null'
    wait "$PIXORA_PID" || fail "the program ended with status $?; see $WORK/pixora.log"
    PIXORA_PID=
}

# pointer_to X Y: moves the pointer there and waits until it is; xdotool's own wait would last until
# its time-out when the pointer is there already.
pointer_to() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    ((X == $1 && Y == $2)) || xdotool mousemove --sync "$1" "$2"
}

click_at() { pointer_to "$1" "$2"; xdotool click 1; }
double_click_at() { pointer_to "$1" "$2"; xdotool click --repeat 2 --delay 80 1; }

active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

# The panel's controls, as LEFT TOP WIDTH HEIGHT in the window's twips.
EXIT_BUTTON=(240 240 1935 495)
GO_BUTTON=(240 1800 2175 855)
TEXT_BOX=(240 720 1935 375)
SPEED_BAR=(240 4440 4335 255)
LOWER_RIGHT_BOX=(4680 4560 3135 255)
RESIZE_BOX=(4680 4800 3135 255)
BLACKOUT_BOX=(4680 5040 2655 255)

# click_twips LEFT TOP WIDTH HEIGHT: clicks the middle of a control given in the window's twips.
click_twips() {
    window_geometry
    click_at $((WIN_X + ($1 + $3 / 2) / 15)) $((WIN_Y + ($2 + $4 / 2) / 15))
}

# speed_bar_key KEY: focuses the speed bar with a click on its left arrow, 12 pixels wide, then presses
# KEY there (Home: 20 seconds a picture, End: half a second).
speed_bar_key() {
    click_twips "${SPEED_BAR[0]}" "${SPEED_BAR[1]}" 180 "${SPEED_BAR[3]}"
    xdotool key "$1"
}

# screenshot NAME: saves the whole screen into the test's folder, as the file named by SHOT.
screenshot() {
    SHOT_COUNT=$((SHOT_COUNT + 1))
    SHOT=$(printf '%s/%02d-%s.png' "$WORK" "$SHOT_COUNT" "$1")
    import -window root "png:$SHOT"
}

# pixel FILE X Y [SIZE]: prints "R G B" at (X, Y), or the mean of the SIZE x SIZE pixels around it.
pixel() {
    local size=${4:-1}
    convert "$1" -crop "${size}x$size+$(($2 - size / 2))+$(($3 - size / 2))" +repage -scale '1x1!' \
        -format '%[fx:round(255*r)] %[fx:round(255*g)] %[fx:round(255*b)]\n' info:
}

# colour_near FILE X Y R G B [SIZE]: true when pixel gives within 40 of R G B in each channel.
colour_near() {
    local r g b
    read -r r g b < <(pixel "$1" "$2" "$3" "${7:-1}")
    ((r - $4 <= 40 && $4 - r <= 40 && g - $5 <= 40 && $5 - g <= 40 && b - $6 <= 40 && $6 - b <= 40))
}

# expect_screen NAME "R G B" WHAT X Y [X Y...]: takes the screenshot NAME and fails the test unless
# each point shows about R G B.
expect_screen() {
    local colour=$2 what=$3
    screenshot "$1"
    shift 3
    while (($#)); do
        colour_near "$SHOT" "$1" "$2" $colour ||
            fail "$what: colour at ($1,$2) is $(pixel "$SHOT" "$1" "$2"), expected about $colour (see $SHOT)"
        shift 2
    done
}

# screen_shows X Y R G B [SIZE]: takes a screenshot and tells whether (X, Y) shows about R G B.
screen_shows() {
    import -window root "png:$WORK/poll.png"
    colour_near "$WORK/poll.png" "$@"
}

# Whole pixels may differ by one where twips round.
within_one() { (($1 - $2 <= 1 && $2 - $1 <= 1)); }

# expect_centred WINDOW WHAT WIDTH HEIGHT: about that size, in the middle of the free area.
expect_centred() {
    window_is "$3" "$4" "$1" && within_one "$WIN_X" $((AREA_X + (AREA_W - $3) / 2)) &&
        within_one "$WIN_Y" $((AREA_Y + (AREA_H - $4) / 2)) ||
        fail "$2 is ${WIN_W}x$WIN_H at ($WIN_X,$WIN_Y), expected $3x$4 in the middle of the free area"
}

# stop_show [X Y]: double-clicks there, or the middle of the main window, and waits for the panel.
stop_show() {
    (($#)) || window_geometry
    double_click_at "${1:-$((WIN_X + WIN_W / 2))}" "${2:-$((WIN_Y + WIN_H / 2))}"
    wait_until 10 "the panel did not come back" panel_shown
}

# panel_shown: true when the face of the Go button is on the screen where the main window has it.
panel_shown() {
    window_geometry &&
        screen_shows $((WIN_X + (GO_BUTTON[0] + 150) / 15)) \
            $((WIN_Y + (GO_BUTTON[1] + GO_BUTTON[3] / 2) / 15)) 230 230 230
}

# window_at X Y WIDTH HEIGHT [WINDOW] and window_is WIDTH HEIGHT [WINDOW]: the window, or the main
# window, stands exactly there, or has about that size.
window_at() {
    window_geometry "${5:-$WID}"
    [[ "$WIN_X $WIN_Y $WIN_W $WIN_H" == "$1 $2 $3 $4" ]]
}

window_is() {
    window_geometry "${3:-$WID}"
    within_one "$WIN_W" "$1" && within_one "$WIN_H" "$2"
}

source "$(dirname "${BASH_SOURCE[0]}")/desktops.sh"
