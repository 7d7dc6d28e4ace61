# The desktops people run, each started in the test's own folder and ended with it: XFCE on the
# private X server, GNOME's compositor with XWayland, and Weston drawing into the private X server.
# Sourced by lib.sh.

# A session bus and the folders a desktop keeps its settings and sockets in, all of the test's own.
start_session() {
    export XDG_RUNTIME_DIR=$WORK/runtime XDG_CONFIG_HOME=$WORK/config XDG_CACHE_HOME=$WORK/cache NO_AT_BRIDGE=1
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    dbus-daemon --session --nofork --print-address=3 3>"$WORK/bus" 2>"$WORK/bus.log" &
    BACKGROUND_PIDS+=($!)
    wait_until 10 "the session bus did not start" grep -qs . "$WORK/bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# Sets AREA_X AREA_Y AREA_W AREA_H to the free area the window manager publishes.
read_workarea() {
    local area
    area=$(xprop -root _NET_WORKAREA 2>/dev/null) && [[ $area == *=* ]] || return 1
    read -r AREA_X AREA_Y AREA_W AREA_H _ <<<"${area#*= }"
    AREA_X=${AREA_X%,} AREA_Y=${AREA_Y%,} AREA_W=${AREA_W%,} AREA_H=${AREA_H%,}
}

# xfwm4 with a panel along the top holding the task list and a dock along the bottom, both kept clear
# of the other windows, and the free area between them.
start_xfce() {
    start_display
    start_session
    local channel=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
    mkdir -p "$channel"
    cat >"$channel/xfce4-panel.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <value type="int" value="2"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array"><value type="int" value="1"/></property>
    </property>
    <property name="panel-2" type="empty">
      <property name="position" type="string" value="p=10;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="size" type="uint" value="48"/>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="tasklist"/>
  </property>
</channel>
EOF
    xfwm4 >"$WORK/xfwm4.log" 2>&1 &
    BACKGROUND_PIDS+=($!)
    xfce4-panel --disable-wm-check >"$WORK/xfce4-panel.log" 2>&1 &
    BACKGROUND_PIDS+=($!)
    wait_until 20 "the panel and the dock did not take their places" eval \
        'read_workarea && ((AREA_Y > 0 && AREA_Y + AREA_H < SCREEN_H))'
}

# GNOME's compositor without a GPU on one virtual monitor of the screen's size; its XWayland takes the
# first free display, and the program is told of both displays, as in a GNOME session.
start_mutter() {
    start_session
    env -u DISPLAY -u WAYLAND_DISPLAY mutter --headless --wayland --virtual-monitor "${SCREEN_W}x$SCREEN_H" \
        >"$WORK/mutter.log" 2>&1 &
    DISPLAY_PID=$!
    wait_until 20 "mutter did not start XWayland" grep -qs 'Using public X11 display' "$WORK/mutter.log"
    DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\),.*/\1/p' "$WORK/mutter.log")
    WAYLAND_DISPLAY=$(sed -n "s/.*Using Wayland display name '\(.*\)'.*/\1/p" "$WORK/mutter.log")
    XAUTHORITY=$(echo "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
    export DISPLAY WAYLAND_DISPLAY XAUTHORITY
    wait_until 20 "XWayland did not answer" eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
}

# Weston's desktop drawn into a window at the private X server's upper-left corner, AREA_W x AREA_H,
# so that screen and input are the X server's; the program reaches it as WAYLAND_DISPLAY=pixora, and X
# not at all.
start_weston() {
    start_display
    export XDG_RUNTIME_DIR=$WORK/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # A plain white desktop without Weston's own panel, where the program's windows are easy to see.
    printf '[core]\nidle-time=0\n[shell]\nbackground-image=none\nbackground-color=0xffffffff\npanel-position=none\n' \
        >"$WORK/weston.ini"
    AREA_W=$((SCREEN_W - 80)) AREA_H=$((SCREEN_H - 80))
    weston --backend=x11-backend.so --use-pixman --width=$AREA_W --height=$AREA_H --socket=pixora \
        --config="$WORK/weston.ini" >"$WORK/weston.log" 2>&1 &
    BACKGROUND_PIDS+=($!)
    wait_until 20 "Weston did not start" test -S "$XDG_RUNTIME_DIR/pixora"
    # Weston learns where the pointer is when it enters the window, and X started it inside.
    pointer_to $((SCREEN_W - 1)) $((SCREEN_H - 1))
}

# stacked_above UPPER LOWER: true when the window manager stacks window UPPER above window LOWER.
stacked_above() {
    local stack
    stack=" $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //'),"
    [[ $stack == *" $(printf '0x%x' "$2"),"*" $(printf '0x%x' "$1"),"* ]]
}
