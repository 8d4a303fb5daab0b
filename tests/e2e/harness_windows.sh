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
