# shellcheck shell=bash
# The pointer and keyboard of the end-to-end harness, sourced by harness.sh.

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

# e2e_wm_drag X1 Y1 X2 Y2 WID: e2e_drag of the window WID for a move the
# window manager runs. A compositor whose moves follow only its own seat
# pointer gets the drag from that pointer (seat_drag.py): through mutter's
# RemoteDesktop service (DESKTOP_SEAT=mutter, GNOME Shell's too) or KWin's
# fake-input protocol (DESKTOP_SEAT=kwin).
e2e_wm_drag() {
    if [[ -z ${DESKTOP_SEAT:-} ]]; then
        e2e_drag "$1" "$2" "$3" "$4"
        return
    fi
    WAYLAND_DISPLAY=${XD_WAYLAND_DISPLAY:-} timeout 30 /usr/bin/python3 "$E2E_HERE/seat_drag.py" \
        "$DESKTOP_SEAT" "$1" "$2" "$3" "$4" 10 "$E2E_PAUSE" "$5" ||
        e2e_fail "the seat's pointer drags from $1,$2 to $3,$4"
}

# e2e_key KEY... : xdotool key names, for instance ctrl+c Return.
e2e_key() {
    xdotool key "$@"
    e2e_pause
}
