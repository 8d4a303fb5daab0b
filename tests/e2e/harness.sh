# shellcheck shell=bash
# shellcheck disable=SC2034  # E2E_* results are read by the test scripts
# End-to-end harness, sourced by tests/e2e/test_*.sh.
#
# On being sourced it gives the script a private HOME and XDG directories and
# traps EXIT, INT and TERM so that everything it starts (Xvfb, the window
# manager, Ombrix, helpers) is stopped and the directories are removed however
# the script ends. The script then calls e2e_start_desktop, drives the program
# with the helpers below and checks with the e2e_assert_* functions. At exit
# the harness prints "NAME: N passed, M failed" and exits non-zero when a
# check failed, when the script broke off, or when no check ran at all.
#
# ctest passes OMBRIX_BIN (the program) and OMBRIX_SOURCE_DIR.

E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/lib/xdesktop.sh
source "$E2E_HERE/../../scripts/lib/xdesktop.sh"

E2E_NAME=$(basename "$0" .sh)
E2E_PASSED=0
E2E_FAILED=0
E2E_OMBRIX_PID=
# The environment the program starts in, as arguments of env(1): options
# such as -u NAME and -C DIR first, then NAME=VALUE.
E2E_OMBRIX_ENV=(QT_QPA_PLATFORM=xcb)
E2E_EXIT_STATUS=
E2E_PAUSE=$XD_POLL
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/ombrix-e2e.XXXXXX")
E2E_OMBRIX_LOG=$E2E_TMP/ombrix.log
# The X server whose pointer is the seat of a nested Wayland desktop.
E2E_SEAT_DISPLAY=

export HOME=$E2E_TMP/home
export XDG_CONFIG_HOME=$E2E_TMP/config
export XDG_DATA_HOME=$E2E_TMP/data
export XDG_CACHE_HOME=$E2E_TMP/cache
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Nothing of the caller's session may reach the program under test.
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_FONT_DPI
export LC_ALL=C.UTF-8

e2e_on_exit() {
    local status=$?
    # A second signal must not break off the cleanup half-way: that would
    # leave the desktop running. The cleanup itself is bounded.
    trap - EXIT
    trap '' INT TERM
    set +e
    xd_stop_all
    if ((E2E_FAILED > 0)) || ((status != 0)); then
        e2e_show_log "$E2E_OMBRIX_LOG"
    fi
    rm -rf "$E2E_TMP"
    local verdict=0
    if ((E2E_FAILED > 0)); then
        verdict=1
    elif ((status != 0)); then
        echo "$E2E_NAME broke off with status $status"
        verdict=$status
    elif ((E2E_PASSED == 0)); then
        echo "$E2E_NAME ran no check"
        verdict=1
    fi
    # The summary is the last line, the one a reader of the log looks for.
    echo "$E2E_NAME: $E2E_PASSED passed, $E2E_FAILED failed"
    exit "$verdict"
}
trap e2e_on_exit EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

e2e_show_log() {
    [[ -s $1 ]] || return 0
    echo "--- last lines of $(basename "$1") ---"
    tail -n 40 "$1"
}

# ---- checks -----------------------------------------------------------------

e2e_pass() {
    E2E_PASSED=$((E2E_PASSED + 1))
    echo "ok: $1"
}

# e2e_fail MSG: records a failed check and goes on; returns 1.
e2e_fail() {
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL: $1"
    if [[ -n ${OMBRIX_E2E_ARTIFACTS:-} && -n $XD_DISPLAY ]]; then
        mkdir -p "$OMBRIX_E2E_ARTIFACTS"
        local shot=$OMBRIX_E2E_ARTIFACTS/$E2E_NAME-fail$E2E_FAILED.png
        import -window root "$shot" 2>/dev/null && echo "      screenshot: $shot"
    fi
    return 1
}

# e2e_fatal MSG: records a failed check and ends the script.
e2e_fatal() {
    e2e_fail "$1"
    exit 1
}

# e2e_assert_eq EXPECTED ACTUAL MSG
e2e_assert_eq() {
    if [[ $1 == "$2" ]]; then
        e2e_pass "$3"
    else
        e2e_fail "$3: expected '$1', got '$2'"
    fi
}

# e2e_assert_match REGEX ACTUAL MSG
e2e_assert_match() {
    if [[ $2 =~ $1 ]]; then
        e2e_pass "$3"
    else
        e2e_fail "$3: '$2' does not match /$1/"
    fi
}

# e2e_assert MSG COMMAND [ARG...]: passes when COMMAND succeeds.
e2e_assert() {
    local msg=$1
    shift
    if "$@"; then
        e2e_pass "$msg"
    else
        e2e_fail "$msg"
    fi
}

# e2e_assert_not MSG COMMAND [ARG...]: passes when COMMAND fails.
e2e_assert_not() {
    local msg=$1
    shift
    if "$@"; then
        e2e_fail "$msg"
    else
        e2e_pass "$msg"
    fi
}

# ---- desktop and program ----------------------------------------------------

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

# e2e_spawn COMMAND [ARG...]: starts a helper program on the desktop; its pid
# is in XD_LAST_PID and it is stopped at exit like everything else.
e2e_spawn() {
    xd_spawn "$E2E_TMP/spawned.log" "$@"
}

# e2e_start_ombrix [ARG...]: starts "$OMBRIX_BIN" in the environment
# E2E_OMBRIX_ENV (the xcb platform) in the background; its pid is in
# E2E_OMBRIX_PID, its output in E2E_OMBRIX_LOG.
e2e_start_ombrix() {
    [[ -x ${OMBRIX_BIN:-} ]] || e2e_fatal "OMBRIX_BIN names the program (is '${OMBRIX_BIN:-}')"
    xd_spawn "$E2E_OMBRIX_LOG" env "${E2E_OMBRIX_ENV[@]}" "$OMBRIX_BIN" "$@"
    E2E_OMBRIX_PID=$XD_LAST_PID
}

# e2e_wait_window PID|NAME_REGEX [TIMEOUT=10]: prints the id of the first
# viewable window of that process (a number) or with a title matching the
# regular expression (xdotool matches without regard to case).
e2e_wait_window() {
    local what=$1 timeout=${2:-10}
    if [[ $what =~ ^[0-9]+$ ]]; then
        xd_wait_window "$timeout" --pid "$what"
    else
        xd_wait_window "$timeout" --name "$what"
    fi
}

# e2e_windows PID: ids of all viewable windows of the process, one a line.
e2e_windows() {
    xd_visible_windows --pid "$1"
}

# e2e_wait_exit PID [TIMEOUT=10]: waits until the process has ended; sets
# E2E_EXIT_STATUS to its exit status. Fails if it is still running.
e2e_wait_exit() {
    local pid=$1 timeout=${2:-10}
    xd_wait_until "$timeout" e2e_gone "$pid" || return 1
    E2E_EXIT_STATUS=0
    xd_reap "$pid" || E2E_EXIT_STATUS=$?
}

e2e_gone() {
    ! xd_alive "$1"
}

# e2e_wait_until TIMEOUT COMMAND [ARG...]: polls COMMAND until it succeeds.
e2e_wait_until() {
    xd_wait_until "$@"
}

e2e_pause() {
    sleep "$E2E_PAUSE"
}

# ---- windows ----------------------------------------------------------------

# e2e_geometry WID: "x y w h", x and y absolute on the screen.
e2e_geometry() {
    # Without an id xwininfo would wait for a window to be clicked.
    [[ -n $1 ]] || return 1
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { if (w == "") exit 1; print x, y, w, h }'
}

# e2e_wait_geometry WID "x y w h" [TIMEOUT=5]: waits until the window has
# that geometry.
e2e_wait_geometry() {
    xd_wait_until "${3:-5}" e2e_geometry_is "$1" "$2"
}

e2e_geometry_is() {
    [[ $(e2e_geometry "$1") == "$2" ]]
}

# e2e_parent WID: the window's parent, or nothing when that is the root.
e2e_parent() {
    xwininfo -tree -id "$1" 2>/dev/null | awk '
        /Parent window id:/ { if ($0 !~ /\(the root window\)/) print $4 }'
}

# e2e_outer_geometry WID: "x y w h" of the window's top-level ancestor, the
# window manager's frame when it put one around the window.
e2e_outer_geometry() {
    local wid=$1 parent
    while parent=$(e2e_parent "$wid") && [[ -n $parent ]]; do
        wid=$parent
    done
    e2e_geometry "$wid"
}

# e2e_frame_extents WID: "left right top bottom" from _NET_FRAME_EXTENTS;
# fails when the window manager did not set it.
e2e_frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null |
        awk -F' = ' '/=/ { gsub(/,/, "", $2); print $2; found = 1 } END { exit !found }'
}

# e2e_has_state WID STATE: true when _NET_WM_STATE holds STATE, for instance
# _NET_WM_STATE_ABOVE.
e2e_has_state() {
    xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -qw -- "$2"
}

# e2e_fixed_size WID: "W H" when the window's size hints make its smallest
# and largest sizes agree.
e2e_fixed_size() {
    xprop -id "$1" WM_NORMAL_HINTS 2>/dev/null | awk '
        /minimum size:/ { min = $(NF - 2) " " $NF }
        /maximum size:/ { max = $(NF - 2) " " $NF }
        END { if (min != "" && min == max) print min }'
}

# e2e_iconified WID: the window manager has minimised the window.
e2e_iconified() {
    e2e_has_state "$1" _NET_WM_STATE_HIDDEN ||
        xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsUnMapped'
}

# e2e_asks_for_place WID: true when the window's size hints name a position
# (a user or program specified location), which the window manager then uses
# instead of placing the window itself.
e2e_asks_for_place() {
    xprop -id "$1" WM_NORMAL_HINTS 2>/dev/null | grep -q 'specified location'
}

# e2e_title WID: the window's title.
e2e_title() {
    xdotool getwindowname "$1" 2>/dev/null
}

# e2e_wm_close WID: asks the window manager to close the window, as a user
# would with Alt+F4 (openbox sends WM_DELETE_WINDOW). openbox closes the
# window that has the focus, so the key goes only once the focus is there;
# fails when the window is still there after three tries.
e2e_wm_close() {
    local wid=$1 attempt
    for ((attempt = 0; attempt < 3; attempt++)); do
        e2e_window_gone "$wid" && break
        timeout 5 xdotool windowactivate --sync "$wid" 2>/dev/null
        xd_wait_until 2 e2e_has_focus "$wid" || continue
        e2e_pause
        xdotool key alt+F4
        xd_wait_until 2 e2e_window_gone "$wid" && return 0
    done
    echo "e2e_wm_close: $wid $(e2e_window_gone "$wid" && echo "was gone before Alt+F4" ||
        echo "is still there"); focus $(xdotool getwindowfocus 2>&1)"
    return 1
}

e2e_has_focus() {
    [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]
}

e2e_window_gone() {
    ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# ---- pointer and keyboard ---------------------------------------------------

# e2e_pointer: "x y" of the pointer.
e2e_pointer() {
    xdotool getmouselocation --shell | awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } END { print x, y }'
}

# e2e_mouse XDOTOOL_ARGS...: pointer input. On weston it comes through the
# seat, from the X server weston is nested in, as a mouse's would: the moves
# weston runs itself follow nothing else, and while its pointer is over
# XWayland's windows XWayland follows that rather than input sent to it.
e2e_mouse() {
    if [[ -n $E2E_SEAT_DISPLAY ]]; then
        DISPLAY=$E2E_SEAT_DISPLAY xdotool "$@"
    else
        xdotool "$@"
    fi
}

# e2e_move X Y
e2e_move() {
    e2e_mouse mousemove "$1" "$2"
    e2e_pause
    # XWayland hears of the seat's pointer a moment later, and only over its
    # own windows; the program asks XWayland where the pointer is.
    [[ -z $E2E_SEAT_DISPLAY ]] || xd_wait_until 1 e2e_pointer_at "$1" "$2" || true
}

e2e_pointer_at() {
    [[ $(e2e_pointer) == "$1 $2" ]]
}

# e2e_click X Y [BUTTON=1]
e2e_click() {
    e2e_move "$1" "$2"
    e2e_mouse click "${3:-1}"
    e2e_pause
}

# e2e_double_click X Y [BUTTON=1]
e2e_double_click() {
    e2e_move "$1" "$2"
    e2e_mouse click --repeat 2 --delay 80 "${3:-1}"
    e2e_pause
}

# e2e_drag X1 Y1 X2 Y2 [STEPS=10]: presses button 1 at the first point, moves
# to the second in STEPS pauses, releases there.
e2e_drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 steps=${5:-10} i
    e2e_move "$x1" "$y1"
    e2e_mouse mousedown 1
    e2e_pause
    for ((i = 1; i <= steps; i++)); do
        e2e_move $((x1 + (x2 - x1) * i / steps)) $((y1 + (y2 - y1) * i / steps))
    done
    e2e_mouse mouseup 1
    e2e_pause
}

# e2e_key KEY... : xdotool key names, for instance ctrl+c Return.
e2e_key() {
    xdotool key "$@"
    e2e_pause
}

# ---- screen -----------------------------------------------------------------

# e2e_screenshot FILE: the whole screen as a picture.
e2e_screenshot() {
    import -window root "$1"
}

# e2e_pixel X Y: the screen pixel's colour as #RRGGBB.
e2e_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        grep -o -m 1 '#[0-9A-Fa-f]\{6\}' | tr 'a-f' 'A-F'
}

# e2e_window_pixel WID X Y: a pixel of the window's own picture as #RRGGBB,
# for servers that refuse to read the root window (XWayland).
e2e_window_pixel() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        grep -o -m 1 '#[0-9A-Fa-f]\{6\}' | tr 'a-f' 'A-F'
}

# ---- clipboard --------------------------------------------------------------

# e2e_clipboard: the clipboard's text, byte for byte, on stdout.
e2e_clipboard() {
    timeout 5 xclip -o -selection clipboard 2>/dev/null
}

# e2e_clipboard_hex: the clipboard's bytes as hex pairs separated by blanks.
e2e_clipboard_hex() {
    e2e_clipboard | e2e_hex
}

e2e_hex() {
    od -An -v -tx1 | tr -s ' \n' '  ' | sed 's/^ //; s/ $//'
}

# e2e_assert_clipboard TEXT MSG: the clipboard holds exactly the bytes of TEXT
# (trailing newlines and carriage returns included).
e2e_assert_clipboard() {
    local expected actual
    expected=$(printf '%s' "$1" | e2e_hex)
    actual=$(e2e_clipboard_hex)
    e2e_assert_eq "$expected" "$actual" "$2 (clipboard bytes)"
}

# e2e_set_clipboard TEXT: an xclip of ours owns the clipboard with TEXT.
e2e_set_clipboard() {
    local file
    file=$(mktemp "$E2E_TMP/clip.XXXXXX")
    printf '%s' "$1" >"$file"
    xd_spawn --stdin "$file" "$E2E_TMP/xclip.log" xclip -quiet -i -selection clipboard
    # Until the new xclip has taken over, the previous owner still answers.
    xd_wait_until 5 e2e_clipboard_holds "$(e2e_hex <"$file")"
}

e2e_clipboard_holds() {
    [[ $(e2e_clipboard_hex) == "$1" ]]
}

# e2e_clipboard_holders: the pids of the program's clipboard holders on our
# display (the copies of it that keep its clipboard text after its end).
e2e_clipboard_holders() {
    local dir
    for dir in /proc/[0-9]*; do
        tr '\0' '\n' 2>/dev/null <"$dir/cmdline" | grep -qx -- --clipboard-holder || continue
        tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qx -- "DISPLAY=$DISPLAY" || continue
        echo "${dir#/proc/}"
    done
}

e2e_no_clipboard_holder() {
    [[ -z $(e2e_clipboard_holders) ]]
}

# e2e_selection TARGET... : asks the clipboard's owner for each target as a
# requestor does (ICCCM), and prints a line "TARGET TYPE VALUE" for each:
# the bytes in hex for text, the atoms' names joined by commas for atoms,
# the number for an INTEGER; "TARGET refused" when the owner said no. The
# target "MULTIPLE" asks for all the targets after it in one request and
# prints a line "MULTIPLE/TARGET ..." for each.
e2e_selection() {
    timeout 10 python3 - "$@" <<'EOF'
import ctypes, sys, time
x = ctypes.CDLL("libX11.so.6")
P, L, I = ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int
x.XOpenDisplay.restype = P
x.XInternAtom.restype = L
x.XInternAtom.argtypes = [P, ctypes.c_char_p, I]
x.XGetAtomName.restype = ctypes.c_char_p
x.XGetAtomName.argtypes = [P, L]
x.XDefaultRootWindow.restype = L
x.XDefaultRootWindow.argtypes = [P]
x.XCreateSimpleWindow.restype = L
x.XCreateSimpleWindow.argtypes = [P, L, I, I, ctypes.c_uint, ctypes.c_uint, ctypes.c_uint, L, L]
x.XConvertSelection.argtypes = [P, L, L, L, L, L]
x.XChangeProperty.argtypes = [P, L, L, L, I, I, P, I]
x.XGetWindowProperty.argtypes = [P, L, L, ctypes.c_long, ctypes.c_long, I, L, ctypes.POINTER(L),
                                 ctypes.POINTER(I), ctypes.POINTER(L), ctypes.POINTER(L), ctypes.POINTER(P)]
x.XPending.argtypes = [P]
x.XNextEvent.argtypes = [P, P]
x.XFlush.argtypes = [P]
class Notify(ctypes.Structure):
    _fields_ = [("type", I), ("serial", L), ("send_event", I), ("display", P), ("requestor", L),
                ("selection", L), ("target", L), ("property", L), ("time", L)]
class Event(ctypes.Union):
    _fields_ = [("type", I), ("notify", Notify), ("pad", ctypes.c_long * 24)]
d = x.XOpenDisplay(None)
atom = lambda name: x.XInternAtom(d, name.encode(), 0)
name = lambda a: x.XGetAtomName(d, a).decode() if a else "None"
window = x.XCreateSimpleWindow(d, x.XDefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0)

def value(prop):
    kind, form, count, left, data = L(), I(), L(), L(), P()
    x.XGetWindowProperty(d, window, prop, 0, 1 << 20, 1, 0, ctypes.byref(kind), ctypes.byref(form),
                         ctypes.byref(count), ctypes.byref(left), ctypes.byref(data))
    if not kind.value:
        return "refused"
    if form.value == 32:
        items = ctypes.cast(data, ctypes.POINTER(ctypes.c_long))[:count.value]
        shown = [name(a) for a in items] if name(kind.value) in ("ATOM", "ATOM_PAIR") else map(str, items)
        return name(kind.value) + " " + ",".join(shown)
    return name(kind.value) + " " + ctypes.string_at(data, count.value).hex()

def convert(target, prop):
    x.XConvertSelection(d, atom("CLIPBOARD"), atom(target), prop, window, 0)
    x.XFlush(d)
    event = Event()
    while True:
        while x.XPending(d):
            x.XNextEvent(d, ctypes.byref(event))
            if event.type == 31:
                return event.notify.property
        time.sleep(0.01)

targets = sys.argv[1:]
if targets[0] == "MULTIPLE":
    pairs = [a for i, t in enumerate(targets[1:]) for a in (atom(t), atom("E2E_%d" % i))]
    x.XChangeProperty(d, window, atom("E2E_PAIRS"), atom("ATOM_PAIR"), 32, 0,
                      (ctypes.c_long * len(pairs))(*pairs), len(pairs))
    if not convert("MULTIPLE", atom("E2E_PAIRS")):
        print("MULTIPLE refused")
    for i, t in enumerate(targets[1:]):
        print("MULTIPLE/%s %s" % (t, value(atom("E2E_%d" % i))))
else:
    for t in targets:
        print(t, value(atom("E2E_OUT")) if convert(t, atom("E2E_OUT")) else "refused")
EOF
}

# ---- settings store ---------------------------------------------------------

# e2e_store_file: the program's settings file.
e2e_store_file() {
    echo "$XDG_CONFIG_HOME/Ombrix/Ombrix.conf"
}

# e2e_store_value KEY [SECTION=Presets]: prints the stored text of KEY (one
# pair of surrounding double quotes removed); fails when KEY is absent.
e2e_store_value() {
    local file
    file=$(e2e_store_file)
    [[ -f $file ]] || return 1
    awk -v section="[${2:-Presets}]" -v key="$1" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { value = substr($0, length(key) + 2); found = 1 }
        END {
            if (!found) exit 1
            if (value ~ /^".*"$/) value = substr(value, 2, length(value) - 2)
            print value
        }' "$file"
}

# e2e_store_put KEY VALUE [SECTION=Presets]: sets KEY in the settings file
# before the program starts (VALUE written as it stands).
e2e_store_put() {
    local file
    file=$(e2e_store_file)
    mkdir -p "$(dirname "$file")"
    touch "$file"
    awk -v section="[${3:-Presets}]" -v key="$1" -v value="$2" '
        /^\[/ {
            if (inside && !done) { print key "=" value; done = 1 }
            inside = ($0 == section)
            seen = seen || inside
            print
            next
        }
        inside && index($0, key "=") == 1 {
            if (!done) { print key "=" value; done = 1 }
            next
        }
        { print }
        END { if (!done) { if (!seen) print section; print key "=" value } }
    ' "$file" >"$file.new" && mv "$file.new" "$file"
}

# e2e_store_write TEXT: replaces the settings file with TEXT as it stands.
e2e_store_write() {
    local file
    file=$(e2e_store_file)
    mkdir -p "$(dirname "$file")"
    printf '%s' "$1" >"$file"
}
