# shellcheck shell=bash
# shellcheck disable=SC2034  # read by the other helpers, xdesktop.sh and the test scripts
# The desktops of the end-to-end harness, sourced by harness.sh: the X server,
# the window manager or Wayland desktop, and the session bus and fake portal
# some of them need.

# The desktop a test runs on is $OMBRIX_E2E_WM (openbox when unset), one of
# the profiles in desktops/: each says what the desktop is (DESKTOP_ABOUT),
# which bus it needs (DESKTOP_BUS: session, or system and session), the seat
# driver of a compositor whose moves follow only its seat pointer
# (DESKTOP_SEAT, for e2e_wm_drag), how it
# starts (desktop_start) and what it lacks (DESKTOP_LACKS: feature -> why).
# The features a desktop may lack:
#   minimise              it minimises a window on request
#   above                 it keeps a window above the others
#   own-moves             it moves a window where the window asks
#   own-moves-off-screen  ... even partly off the screen
#   grow-off-screen       a window that grows past the screen's edge keeps
#                         its place
#   same-first-place      it puts a new window where it put the last one
#   root-pixels           clients may read the screen (the root window)
#   seat-drag             a move it runs follows the harness's pointer
#                         (XTEST input, or its seat's: e2e_wm_drag)
#   monitors              the test can lay out several monitors
# A check of a feature the desktop lacks is skipped for its reason
# (e2e_needs), never passed.
E2E_DESKTOP=${OMBRIX_E2E_WM:-openbox}
# The names the desktops had before there were profiles.
case $E2E_DESKTOP in
kwin) E2E_DESKTOP=kwin_x11 ;;
mutter-x11) E2E_DESKTOP=mutter_x11 ;;
gnome-shell) E2E_DESKTOP=gnome_shell ;;
esac
declare -A DESKTOP_LACKS=()
DESKTOP_BUS=
DESKTOP_SEAT=
if [[ -f $E2E_HERE/desktops/$E2E_DESKTOP.sh ]]; then
    # shellcheck disable=SC1090  # one profile a desktop
    source "$E2E_HERE/desktops/$E2E_DESKTOP.sh"
else
    E2E_DESKTOP_UNKNOWN=1
fi

# e2e_lacks FEATURE: true when the desktop lacks it.
e2e_lacks() {
    [[ -n ${DESKTOP_LACKS[$1]:-} ]]
}

# e2e_needs FEATURE WHAT: true when the desktop has the feature; otherwise
# the check of WHAT is recorded as skipped, with the desktop's reason.
e2e_needs() {
    e2e_lacks "$1" || return 0
    e2e_skip "$2 ($E2E_DESKTOP: ${DESKTOP_LACKS[$1]})"
    return 1
}

# e2e_needs_all FEATURE WHAT: e2e_needs, ending the script as skipped
# (unless a check failed before) when the desktop lacks the feature.
e2e_needs_all() {
    e2e_needs "$@" || exit 0
}

# e2e_start_desktop [WxH[xDEPTH]]: the desktop $OMBRIX_E2E_WM with a screen
# of that size (default 1280x1024x24, or $OMBRIX_E2E_SCREEN). With
# $OMBRIX_E2E_MONITORS ("WxH+X+Y WxH+X+Y*", a trailing * for the primary)
# the X server is Xorg's dummy driver with those monitors instead. Exports
# DISPLAY, that of XWayland on a Wayland desktop.
e2e_start_desktop() {
    local screen=${1:-${OMBRIX_E2E_SCREEN:-1280x1024x24}}
    [[ -z ${E2E_DESKTOP_UNKNOWN:-} ]] ||
        e2e_fatal "a profile in tests/e2e/desktops/ for the desktop '$E2E_DESKTOP'"
    [[ -z ${OMBRIX_E2E_MONITORS:-} ]] || e2e_needs_all monitors "the monitors $OMBRIX_E2E_MONITORS"
    [[ $DESKTOP_BUS != system ]] || e2e_start_system_bus
    [[ -z $DESKTOP_BUS || -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || e2e_start_session_bus
    echo "desktop: $DESKTOP_ABOUT"
    desktop_start "$screen"
}

# e2e_screen_size WxH[xDEPTH]: WxH.
e2e_screen_size() {
    echo "$1" | cut -dx -f1,2
}

# e2e_start_x11_desktop SCREEN WM: an X server, Xvfb with SCREEN (or the
# dummy driver's monitors), and the window manager WM of xd_start_wm.
e2e_start_x11_desktop() {
    if [[ -n ${OMBRIX_E2E_MONITORS:-} ]]; then
        e2e_start_server xd_start_xorg_dummy "$E2E_HERE/xorg-dummy.conf"
        # shellcheck disable=SC2086  # one word a monitor
        xd_layout_dummy_monitors $OMBRIX_E2E_MONITORS ||
            e2e_fatal "the monitors are laid out as $OMBRIX_E2E_MONITORS"
    else
        e2e_start_server xd_start_xvfb "$1"
    fi
    xd_start_wm "$2" "$E2E_TMP/$2.log" || e2e_start_failed "$2.log" "$2 starts"
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
    e2e_start_bus session DBUS_SESSION_BUS_ADDRESS
}

# e2e_start_system_bus: a bus of the test's own, like the session bus, that
# stands in for the system's, whose services a desktop shell asks for and
# does without. Exports DBUS_SYSTEM_BUS_ADDRESS.
e2e_start_system_bus() {
    e2e_start_bus system DBUS_SYSTEM_BUS_ADDRESS
}

# e2e_start_bus NAME VARIABLE: a new private bus, its address exported in
# VARIABLE; it is stopped after the desktop.
e2e_start_bus() {
    local address=$E2E_TMP/$1-bus.address
    xd_spawn "$address" dbus-daemon --nofork --print-address=1 \
        --config-file="$E2E_HERE/../support/private-session-bus.conf"
    XD_BUS_PIDS+=("$XD_LAST_PID")
    e2e_wait_until 5 test -s "$address" || e2e_fatal "the $1 bus starts"
    export "$2=$(head -n 1 "$address")"
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
