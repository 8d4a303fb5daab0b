#!/usr/bin/env bash
# The ruler's mouse commands under openbox: the context menu on a right press
# (no move), the window dragged by its face, the nudge buttons, the on-top
# pin (in place, same window), minimising by the caption button and the
# restore, and the close button released far off the window. Space held on a
# nudge button nudges once.
# shellcheck disable=SC2046,SC2086  # points ("at", RULER_*) split into X Y on purpose
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "$0")/ruler.sh"

CAPTION_PROBE="10 5" # a pixel of the caption pictures that tells their looks apart

caption_pixel() {
    local probe_x probe_y
    read -r probe_x probe_y <<<"$CAPTION_PROBE"
    e2e_pixel $(at $(($1 + probe_x)) $((4 + probe_y)))
}

caption_shows() {
    [[ $(caption_pixel "$1") == "$2" ]]
}

# caption_assert BUTTON_X PICTURE MSG: the caption button at BUTTON_X shows
# assets/PICTURE.png.
caption_assert() {
    local probe_x probe_y expected
    read -r probe_x probe_y <<<"$CAPTION_PROBE"
    expected=$(asset_pixel "$2" "$probe_x" "$probe_y")
    if e2e_wait_until 3 caption_shows "$1" "$expected"; then
        e2e_pass "$3"
    else
        e2e_fail "$3: $(caption_pixel "$1") instead of $2's $expected"
    fi
}

check_menu_on_right_press() {
    local face_x face_y
    read -r face_x face_y <<<"$RULER_FACE"
    e2e_assert "no menu before the press" menus_closed
    e2e_move $(at "$face_x" "$face_y")
    xdotool mousedown 3
    e2e_assert "a right press on the face opens the menu at the pointer" \
        e2e_wait_until 5 menu_at_pointer
    e2e_assert_eq "$X $Y $W $H" "$(e2e_geometry "$WID")" "the right press does not move the ruler"
    e2e_key Escape
    e2e_assert "Escape closes the menu" e2e_wait_until 5 menus_closed
    xdotool mouseup 3
    e2e_pause
    e2e_assert_eq "$X $Y $W $H" "$(e2e_geometry "$WID")" "the ruler is still where it was"
}

check_drag_by_face() {
    local face_x face_y
    read -r face_x face_y <<<"$RULER_FACE"
    e2e_drag $(at "$face_x" "$face_y") $(at $((face_x + 150)) $((face_y + 80))) 10
    e2e_assert "a left drag on the face moves the ruler by the drag's distance" \
        e2e_wait_geometry "$WID" "$((X + 150)) $((Y + 80)) $W $H"
    e2e_assert_not "the drag opened no menu" popup_count_is 1
    ruler_read_geometry
}

check_nudges() {
    local x0=$X
    e2e_click $(at $RULER_MOVE_LEFT)
    e2e_assert "Move left moves the ruler one pixel left" \
        e2e_wait_geometry "$WID" "$((x0 - 1)) $Y $W $H"
    ruler_read_geometry
    e2e_click $(at $RULER_MOVE_RIGHT)
    e2e_assert "Move right moves it back" e2e_wait_geometry "$WID" "$x0 $Y $W $H"
    ruler_read_geometry
}

# Space held on a push button: the keyboard repeats the key, yet the button
# is pressed once and clicks once, when the key comes up.
check_space_held() {
    local x0=$X
    sleep 0.6 # no double-click with the last click on the same button
    e2e_click $(at $RULER_MOVE_RIGHT)
    e2e_assert "a click on Move right moves the ruler and gives the button the keyboard" \
        e2e_wait_geometry "$WID" "$((x0 + 1)) $Y $W $H"
    xdotool keydown space
    sleep 3
    xdotool keyup space
    e2e_assert "Space held for 3 s on Move right moves the ruler once" \
        e2e_wait_geometry "$WID" "$((x0 + 2)) $Y $W $H"
    sleep 0.3
    e2e_assert_eq "$((x0 + 2)) $Y $W $H" "$(e2e_geometry "$WID")" "and only once"
    e2e_click $(at $RULER_MOVE_LEFT)
    sleep 0.6
    e2e_click $(at $RULER_MOVE_LEFT)
    e2e_assert "Move left twice takes it back" e2e_wait_geometry "$WID" "$x0 $Y $W $H"
}

no_above() {
    ! e2e_has_state "$WID" _NET_WM_STATE_ABOVE
}

utility_window() {
    xprop -id "$WID" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_UTILITY,'
}

xev_saw() {
    grep -q "^$1 event" "$E2E_TMP/xev.log"
}

check_on_top_pin() {
    local pin_x geometry=$X\ $Y\ $W\ $H
    pin_x=$(ruler_toggle_x "$W")
    e2e_assert "the ruler starts above" e2e_has_state "$WID" _NET_WM_STATE_ABOVE
    caption_assert "$pin_x" top_on "the pin shows On Top"
    xd_spawn "$E2E_TMP/xev.log" stdbuf -oL xev -id "$WID" -event structure
    local watcher=$XD_LAST_PID
    sleep 0.5 # xev says nothing when it has selected the window's events
    e2e_click $(at $((pin_x + 10)) 14)
    e2e_assert "clicking On Top takes the ruler out of the top band" e2e_wait_until 5 no_above
    caption_assert "$pin_x" top_off "the pin shows Not On Top"
    e2e_assert "it is still a utility window, which tiling window managers float" \
        e2e_wait_until 2 utility_window
    e2e_assert_eq "$geometry" "$(e2e_geometry "$WID")" "the ruler stays where it was"
    e2e_assert_eq "$WID" "$(e2e_windows "$E2E_OMBRIX_PID")" "it is the same window, the only one"
    e2e_click $(at $((pin_x + 10)) 14)
    e2e_assert "clicking Not On Top puts it back above" \
        e2e_wait_until 5 e2e_has_state "$WID" _NET_WM_STATE_ABOVE
    caption_assert "$pin_x" top_on "the pin shows On Top again"
    e2e_assert_eq "$geometry" "$(e2e_geometry "$WID")" "the ruler is still where it was"
    e2e_assert_eq "$WID" "$(e2e_windows "$E2E_OMBRIX_PID")" "still the same window"
    # A move there and back shows that the watcher sees the window's events.
    xdotool windowmove "$WID" $((X + 5)) "$Y"
    e2e_wait_geometry "$WID" "$((X + 5)) $Y $W $H"
    xdotool windowmove "$WID" "$X" "$Y"
    e2e_wait_geometry "$WID" "$geometry"
    e2e_assert "the watcher saw the window configured" e2e_wait_until 3 xev_saw ConfigureNotify
    local kind
    for kind in UnmapNotify DestroyNotify ReparentNotify; do
        e2e_assert_not "no $kind while the pin was switched" xev_saw "$kind"
    done
    xd_stop "$watcher"
}

iconified() {
    e2e_has_state "$WID" _NET_WM_STATE_HIDDEN ||
        xwininfo -id "$WID" 2>/dev/null | grep -q 'Map State: IsUnMapped'
}

check_minimize() {
    local min_x
    min_x=$(ruler_minimize_x "$W")
    caption_assert "$min_x" min_normal "the minimise button shows its normal picture"
    e2e_move $(at $((min_x + 3)) 10)
    e2e_move $(at $((min_x + 10)) 14)
    caption_assert "$min_x" min_hover "the pointer over it shows the hover picture"
    xdotool mousedown 1
    caption_assert "$min_x" min_down "the press shows the down picture"
    xdotool mouseup 1
    e2e_assert "the release minimises the ruler" e2e_wait_until 5 iconified
    # Away from the button, so that the restore cannot highlight it.
    e2e_move 5 5
    timeout 5 xdotool windowactivate "$WID" 2>/dev/null
    e2e_assert "the window manager restores it" \
        e2e_wait_until 5 e2e_has_state "$WID" _NET_WM_STATE_ABOVE
    e2e_assert "restored, it is viewable again" e2e_wait_until 5 e2e_not_gone_window
    e2e_assert_eq "$X $Y $W $H" "$(e2e_geometry "$WID")" "restored at its place"
    caption_assert "$min_x" min_normal "the restored ruler's minimise button is normal again"
}

e2e_not_gone_window() {
    ! e2e_window_gone "$WID"
}

check_close_released_off_window() {
    local close_x
    close_x=$(ruler_close_x "$W")
    e2e_move $(at $((close_x + 3)) 10)
    e2e_move $(at $((close_x + 10)) 14)
    caption_assert "$close_x" close_hover "the pointer over the close button shows its hover picture"
    xdotool mousedown 1
    caption_assert "$close_x" close_down "the press shows its down picture"
    local i
    for ((i = 1; i <= 6; i++)); do
        e2e_move $(at $((close_x + 10)) $((14 + 100 * i)))
    done
    e2e_assert "the pointer is far off the window" test "$(e2e_pointer)" == "$(at $((close_x + 10)) 614)"
    e2e_assert "the program runs until the release" xd_alive "$E2E_OMBRIX_PID"
    xdotool mouseup 1
    e2e_assert "the release off the window ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq 0 "$E2E_EXIT_STATUS" "the program's exit status"
    e2e_assert_eq $((X * 15)) "$(e2e_store_value X_L)" "X_L is stored"
    e2e_assert_eq $((Y * 15)) "$(e2e_store_value X_T)" "X_T is stored"
    e2e_assert_eq True "$(e2e_store_value Pix)" "Pix is stored"
}

e2e_start_desktop 1280x1024x24
start_ruler 300 200
check_menu_on_right_press
check_drag_by_face
check_nudges
check_space_held
check_on_top_pin
check_minimize
check_close_released_off_window
