# shellcheck shell=bash
# What the end-to-end harness reads of the windows and the screen, sourced by
# harness.sh: geometry, window-manager state, titles and pixels.

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

# e2e_settled_geometry WID: "x y w h" once two reads half a second apart
# agree (for at most 5 s): a window that takes its stored edge after the
# window manager has placed it moves there after it first shows.
e2e_settled_geometry() {
    local last now i
    now=$(e2e_geometry "$1") || return 1
    for ((i = 0; i < 10; i++)); do
        last=$now
        sleep 0.5
        now=$(e2e_geometry "$1") || return 1
        [[ $now == "$last" ]] && break
    done
    echo "$now"
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

# e2e_frame_margins WID: the margin the window manager's frame or tile adds
# on each side, "left top right bottom".
e2e_frame_margins() {
    local x y w h fx fy fw fh
    read -r x y w h < <(e2e_geometry "$1")
    read -r fx fy fw fh < <(e2e_outer_geometry "$1")
    echo $((x - fx)) $((y - fy)) $((fx + fw - x - w)) $((fy + fh - y - h))
}

# e2e_unframed WID: no frame around the window, or only weston's room for a
# shadow, the same on every side.
e2e_unframed() {
    local left top right bottom
    read -r left top right bottom < <(e2e_frame_margins "$1")
    ((left == top && top == right && right == bottom && left <= 32))
}

# e2e_assert_above WID MSG: the window is kept above the others, where the
# desktop keeps any window above.
e2e_assert_above() {
    e2e_needs above "$2" || return 0
    e2e_assert "$2" e2e_wait_until 3 e2e_has_state "$1" _NET_WM_STATE_ABOVE
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

# e2e_wm_close WID: asks the window manager to close the window, as its
# close button does: _NET_CLOSE_WINDOW where it supports that, otherwise the
# WM_DELETE_WINDOW it would send itself. On a loaded machine a request can
# come before the window manager has taken the window on, so it is sent again
# while the window is still there; fails after three tries.
e2e_wm_close() {
    local _
    for _ in 1 2 3; do
        e2e_xlib close "$1"
        xd_wait_until 4 e2e_window_gone "$1" && return 0
    done
    echo "e2e_wm_close: $1 is still there"
    return 1
}

# e2e_xlib close WID... | delete WID... | paint COLOUR X Y W H NAME: small
# requests to the X server through Xlib, from Python's ctypes: close asks the
# window manager to close the windows (_NET_CLOSE_WINDOW, or WM_DELETE_WINDOW
# where it is not supported); delete sends WM_DELETE_WINDOW to every window in
# one go; paint shows an override-redirect window titled NAME of that
# colour (#RRGGBB) and place, which no window manager moves, frames or
# raises, until the process is stopped.
e2e_xlib() {
    python3 -c "$E2E_XLIB_PY" "$@"
}

E2E_XLIB_PY='
import ctypes, sys, time
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                         ctypes.c_void_p]
x.XCreateWindow.restype = ctypes.c_ulong
x.XCreateWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
    [ctypes.c_uint] * 3 + [ctypes.c_int, ctypes.c_uint, ctypes.c_void_p, ctypes.c_ulong,
                           ctypes.c_void_p]
x.XStoreName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_char_p]
x.XMapRaised.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
    ctypes.c_long, ctypes.c_int, ctypes.c_ulong] + [ctypes.c_void_p] * 5

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("l", ctypes.c_long * 5), ("pad", ctypes.c_char * 96)]

class Attributes(ctypes.Structure):
    _fields_ = [("background_pixmap", ctypes.c_ulong), ("background_pixel", ctypes.c_ulong),
                ("border_pixmap", ctypes.c_ulong), ("border_pixel", ctypes.c_ulong),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("cursor", ctypes.c_ulong)]

d = x.XOpenDisplay(None)
root = x.XDefaultRootWindow(d)
atom = lambda name: x.XInternAtom(d, name.encode(), 0)

def send(target, window, message_type, data, mask):
    e = ClientMessage(type=33, window=window, message_type=message_type, format=32)
    for i, value in enumerate(data):
        e.l[i] = value
    x.XSendEvent(d, target, 0, mask, ctypes.byref(e))

def supported(name):
    kind, fmt, count, after = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
    data = ctypes.POINTER(ctypes.c_ulong)()
    x.XGetWindowProperty(d, root, atom("_NET_SUPPORTED"), 0, 4096, 0, 4, ctypes.byref(kind),
                         ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                         ctypes.byref(data))
    return atom(name) in [data[i] for i in range(count.value)]

command, args = sys.argv[1], sys.argv[2:]
if command == "close" and supported("_NET_CLOSE_WINDOW"):
    for wid in args:
        # Source 2: a pager, which the window manager obeys at once.
        send(root, int(wid, 0), atom("_NET_CLOSE_WINDOW"), [0, 2], 0x180000)
elif command in ("close", "delete"):
    for wid in args:
        send(int(wid, 0), int(wid, 0), atom("WM_PROTOCOLS"), [atom("WM_DELETE_WINDOW"), 0], 0)
elif command == "paint":
    colour, (left, top, width, height), name = args[0], map(int, args[1:5]), args[5]
    a = Attributes(background_pixel=int(colour.lstrip("#"), 16), override_redirect=1)
    # CWBackPixel | CWOverrideRedirect, on the root visual of depth 24.
    w = x.XCreateWindow(d, root, left, top, width, height, 0, 0, 1, None, 0x202,
                        ctypes.byref(a))
    x.XStoreName(d, w, name.encode())
    x.XMapRaised(d, w)
x.XFlush(d)
if command == "paint":
    while True:
        time.sleep(60)
'

# e2e_paint_window COLOUR X Y W H NAME: a window of that colour exactly at
# that place, above the managed windows, whatever the window manager; its
# pid is in XD_LAST_PID and its id is printed once it shows.
e2e_paint_window() {
    xd_spawn "$E2E_TMP/spawned.log" python3 -c "$E2E_XLIB_PY" paint "$@"
    xd_wait_window 5 --name "^$6\$"
}

e2e_has_focus() {
    [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]
}

e2e_window_gone() {
    ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
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
