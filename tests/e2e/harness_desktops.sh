# shellcheck shell=bash
# shellcheck disable=SC2034  # read by the other helpers, xdesktop.sh and the test scripts
# The desktops of the end-to-end harness, sourced by harness.sh: the X server,
# the window manager or Wayland desktop, and the session bus and fake portal
# some of them need.

# e2e_start_desktop [WxH[xDEPTH]]: a desktop of that screen size (default
# 1280x1024x24, or $OMBRIX_E2E_SCREEN) with the window manager
# $OMBRIX_E2E_WM: openbox (when unset), i3 or kwin on Xvfb; weston, nested in
# Xvfb; mutter, headless; the last two with XWayland, which the program and
# the helpers below use. kwin and mutter get a session bus of their own.
# With $OMBRIX_E2E_MONITORS ("WxH+X+Y WxH+X+Y*", a trailing * for the
# primary) the server is Xorg's dummy driver with those monitors instead.
# Exports DISPLAY.
e2e_start_desktop() {
    local wm=${OMBRIX_E2E_WM:-openbox} screen=${1:-${OMBRIX_E2E_SCREEN:-1280x1024x24}}
    case $wm in
    kwin | mutter) [[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || e2e_start_session_bus ;;
    esac
    case $wm in
    weston)
        e2e_start_wayland_desktop "$screen"
        return
        ;;
    mutter)
        xd_start_mutter "$(echo "$screen" | cut -dx -f1,2)" "$E2E_TMP/mutter.log" ||
            e2e_start_failed mutter.log "mutter starts with XWayland"
        return
        ;;
    esac
    if [[ -n ${OMBRIX_E2E_MONITORS:-} ]]; then
        e2e_start_server xd_start_xorg_dummy "$E2E_HERE/xorg-dummy.conf"
        # shellcheck disable=SC2086  # one word a monitor
        xd_layout_dummy_monitors $OMBRIX_E2E_MONITORS ||
            e2e_fatal "the monitors are laid out as $OMBRIX_E2E_MONITORS"
    else
        e2e_start_server xd_start_xvfb "$screen"
    fi
    xd_start_wm "$wm" "$E2E_TMP/$wm.log" || e2e_start_failed "$wm.log" "$wm starts"
}

# e2e_start_failed LOG MSG: shows the desktop's log and ends the test.
e2e_start_failed() {
    e2e_show_log "$E2E_TMP/$1"
    e2e_fatal "$2"
}

# e2e_start_server START ARG: the X server by xd_start_xvfb SCREEN or
# xd_start_xorg_dummy CONFIG.
e2e_start_server() {
    if ! "$1" "$2" "$E2E_TMP/server.log"; then
        e2e_show_log "$E2E_TMP/server.log"
        e2e_show_log "$E2E_TMP/server.log.server"
        e2e_fatal "the X server starts ($1)"
    fi
}

# e2e_start_wayland_desktop [WxH]: a Wayland desktop, weston, whose XWayland
# the program and the helpers below use. Exports DISPLAY as XWayland's.
# weston's output leaves the X server's last column free: its seat's pointer
# comes in from there (E2E_SEAT_DISPLAY, for e2e_mouse), as weston takes in
# no motion before the pointer has entered its output.
e2e_start_wayland_desktop() {
    local size=${1:-1280x1024} width height
    size=$(echo "$size" | cut -dx -f1,2)
    width=${size%x*} height=${size#*x}
    e2e_start_server xd_start_xvfb "$((width + 1))x$height"
    xd_start_weston "$E2E_TMP/weston.log" "$size" ||
        e2e_start_failed weston.log "weston starts with XWayland"
    E2E_SEAT_DISPLAY=$XD_DISPLAY
    e2e_move "$width" 0
    e2e_move $((width / 2)) $((height / 2))
}

# e2e_start_session_bus: a D-Bus session bus of the test's own that starts
# no service on demand. Exports DBUS_SESSION_BUS_ADDRESS.
e2e_start_session_bus() {
    local address=$E2E_TMP/bus.address
    xd_spawn "$address" dbus-daemon --nofork --print-address=1 \
        --config-file="$E2E_HERE/../support/private-session-bus.conf"
    XD_BUS_PID=$XD_LAST_PID
    e2e_wait_until 5 test -s "$address" || e2e_fatal "dbus-daemon starts"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address")
    export DBUS_SESSION_BUS_ADDRESS
}

# e2e_start_accessibility_bus: an at-spi bus under the test's session bus,
# its registry up before the program, which joins it once, at its start.
e2e_start_accessibility_bus() {
    [[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || e2e_start_session_bus
    xd_spawn "$E2E_TMP/at-spi.log" /usr/libexec/at-spi-bus-launcher
    e2e_wait_until 5 a11y_bus_ready || e2e_fatal "the at-spi bus starts"
    E2E_OMBRIX_ENV+=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
}

a11y_bus_ready() {
    AT_SPI_BUS_ADDRESS=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
    [[ -n $AT_SPI_BUS_ADDRESS ]] && dbus-send --bus="$AT_SPI_BUS_ADDRESS" --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/accessible/root org.freedesktop.DBus.Peer.Ping 2>/dev/null
}

# a11y ARGS...: tests/e2e/a11y.py on the test's accessibility bus.
a11y() {
    AT_SPI_BUS_ADDRESS=$AT_SPI_BUS_ADDRESS timeout 20 /usr/bin/python3 "$E2E_HERE/a11y.py" "$@"
}

# e2e_assert_controls TITLE ROW...: each ROW ("role|name|actions") is a
# shown control of the window TITLE.
e2e_assert_controls() {
    local shown missing
    shown=$(a11y controls "$1")
    missing=$(printf '%s\n' "${@:2}" | grep -vxF -f <(echo "$shown"))
    e2e_assert_eq "" "$missing" "assistive technology finds the $(($# - 1)) controls of '$1'"
}

# e2e_assert_tab_walk TITLE STOP...: from the first STOP ("role|name"), the
# focused control of the window TITLE, Tab goes through every STOP and back
# to the first, and Shift+Tab the same way backwards.
e2e_assert_tab_walk() {
    local key seen expected i
    seen=$(a11y focus "$1")
    expected=$(printf '%s; ' "${@:2}" "$2")
    for ((i = $#; i > 1; i--)); do expected+="${!i}; "; done
    for key in Tab shift+Tab; do
        for ((i = 2; i <= $#; i++)); do
            e2e_key "$key"
            e2e_wait_until 3 focus_moved "$1" "${seen##*; }"
            seen+="; $(a11y focus "$1")"
        done
    done
    e2e_assert_eq "$expected" "$seen; " "Tab and Shift+Tab go round the controls of '$1'"
}

focus_moved() {
    [[ $(a11y focus "$1") != "$2" ]]
}

# e2e_start_portal HOW...: the fake screenshot portal ($OMBRIX_FAKE_PORTAL)
# on the session bus, answering as HOW says; its pid is in E2E_PORTAL_PID and
# what it was asked in E2E_PORTAL_LOG.
e2e_start_portal() {
    [[ -x ${OMBRIX_FAKE_PORTAL:-} ]] || e2e_fatal "OMBRIX_FAKE_PORTAL names the fake portal"
    E2E_PORTAL_LOG=$(mktemp "$E2E_TMP/portal.XXXXXX")
    xd_spawn "$E2E_PORTAL_LOG" "$OMBRIX_FAKE_PORTAL" "$@"
    E2E_PORTAL_PID=$XD_LAST_PID
    e2e_wait_until 5 grep -q '^ready$' "$E2E_PORTAL_LOG" || e2e_fatal "the fake portal starts ($*)"
}

e2e_stop_portal() {
    xd_stop "$E2E_PORTAL_PID"
}
