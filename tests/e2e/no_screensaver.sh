# On a desktop with no screensaver service on the session bus (XFCE, openbox alone): the X server's
# own screensaver, which also drives DPMS, is suspended while the show runs, and blanks again once
# it stops.
[[ -n ${PIXORA_E2E_OWN_BUS:-} ]] || PIXORA_E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
SAVER_STATE=$2
TIMEOUT_S=3

convert -size 200x150 xc:blue "$PICTURES/blue.gif"
saver_is() { [[ $("$SAVER_STATE") == "$1 "* ]]; }
# The server reports a suspended screensaver as off, its idle time running past the time-out.
held_off_for() {
    local state idle
    read -r state idle < <("$SAVER_STATE")
    [[ $state == off ]] || fail "the screensaver was $state during the show, after ${idle} ms without input"
    ((idle >= $1))
}

start_display
xset s $TIMEOUT_S $TIMEOUT_S
start_pixora "$PICTURES"
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture did not appear" screen_shows $CX $CY 0 0 255
wait_until 20 "the show had input before twice the screensaver's time-out" held_off_for $((2000 * TIMEOUT_S))

stop_show $CX $CY
wait_until 10 "the screensaver did not blank the screen again after the show" saver_is on
click_twips "${EXIT_BUTTON[@]}"
expect_exit
