#!/usr/bin/env bash
# The ruler's commands: the context menu on a right press (no
# move) and from the keyboard (the Menu key, Shift+F10) at the slider that
# has the focus, wholly on the screen near its edge; the window dragged by
# its face, the nudge buttons, Space held on a nudge button nudging once, the
# on-top pin (in place, same window), minimising by the caption button and
# the restore, and the close button released far off the window. Over AT-SPI
# and from the keyboard alone: every control, Tab, the readout, the keys.
# shellcheck disable=SC2046,SC2086  # points ("at", RULER_*) split into X Y on purpose
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

SLIDER_MIDDLE="199 59"   # Slider1's middle, 743, 700, 4485 x 375 twips
SLIDER_MIDDLE_V="25 209" # Slider2's, 200, 840, 375 x 4605 twips

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

# menu_at DX DY: a pop-up menu has its top-left corner there.
menu_at() {
    ruler_popups | awk -v p="$(at "$1" "$2")" '$2 " " $3 == p { found = 1 } END { exit !found }'
}

# menu_on_screen: every pop-up menu lies wholly on the 1280 x 1024 screen.
menu_on_screen() {
    popup_count_is 1 &&
        ruler_popups | awk '$2 < 0 || $3 < 0 || $2 + $4 > 1280 || $3 + $5 > 1024 { off = 1 }
            END { exit off }'
}

# keyboard_menu KEY: the ruler has the keyboard and KEY is typed.
keyboard_menu() {
    e2e_assert "the ruler has the keyboard" focus_window "$WID"
    e2e_key "$1"
}

check_menu_from_keyboard() {
    local key
    for key in Menu shift+F10; do
        keyboard_menu "$key"
        e2e_assert "$key opens the menu at the middle of the slider, which has the focus" \
            e2e_wait_until 5 menu_at $SLIDER_MIDDLE
        e2e_assert_eq "$X $Y $W $H" "$(e2e_geometry "$WID")" "$key does not move the ruler"
        e2e_key Escape
        e2e_assert "Escape closes the menu $key opened" e2e_wait_until 5 menus_closed
    done
    keyboard_menu Menu
    e2e_wait_until 5 menu_at $SLIDER_MIDDLE && e2e_pause
    e2e_key v
    e2e_assert "Show Vertical, chosen by its key, turns the ruler" \
        e2e_wait_geometry "$WID" "$X $Y 84 400"
    keyboard_menu shift+F10
    e2e_assert "on the vertical ruler the menu opens at the middle of its slider" \
        e2e_wait_until 5 menu_at $SLIDER_MIDDLE_V
    e2e_key Escape
    e2e_wait_until 5 menus_closed
    # Low on the screen, the menu would reach past its bottom from there.
    move_window "$WID" "$X" 620
    keyboard_menu Menu
    e2e_assert "near the screen's bottom the menu opens wholly on the screen" \
        e2e_wait_until 5 menu_on_screen
    e2e_pause
    # "Show &Horizontal" shares its letter with "&Help": the key picks it.
    e2e_key h Return
    e2e_assert "Show Horizontal turns it back" e2e_wait_geometry "$WID" "$X 620 $W $H"
    move_window "$WID" "$X" "$Y"
}

check_drag_by_face() {
    e2e_needs own-moves "the ruler dragged by its face" || return 0
    e2e_needs seat-drag "the ruler dragged by its face" || return 0
    local face_x face_y
    read -r face_x face_y <<<"$RULER_FACE"
    e2e_wm_drag $(at "$face_x" "$face_y") $(at $((face_x + 150)) $((face_y + 80))) "$WID"
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

fixed_at_its_size() {
    [[ $(e2e_fixed_size "$WID") == "$W $H" ]]
}

xev_saw() {
    grep -q "^$1 event" "$E2E_TMP/xev.log"
}

check_on_top_pin() {
    local pin_x geometry=$X\ $Y\ $W\ $H
    pin_x=$(ruler_toggle_x "$W")
    e2e_assert_above "$WID" "the ruler starts above"
    caption_assert "$WID" "$pin_x" top_on "the pin shows On Top"
    xd_spawn "$E2E_TMP/xev.log" stdbuf -oL xev -id "$WID" -event structure
    local watcher=$XD_LAST_PID
    sleep 0.5 # xev says nothing when it has selected the window's events
    e2e_click $(at $((pin_x + 10)) 14)
    e2e_needs above "the pin taking the ruler out of the top band" &&
        e2e_assert "clicking On Top takes the ruler out of the top band" e2e_wait_until 5 no_above
    caption_assert "$WID" "$pin_x" top_off "the pin shows Not On Top"
    e2e_assert "its size hints still fix its size, which tiling window managers float" \
        fixed_at_its_size
    e2e_assert_eq "$geometry" "$(e2e_geometry "$WID")" "the ruler stays where it was"
    e2e_assert_eq "$WID" "$(e2e_windows "$E2E_OMBRIX_PID")" "it is the same window, the only one"
    e2e_click $(at $((pin_x + 10)) 14)
    e2e_assert_above "$WID" "clicking Not On Top puts it back above"
    caption_assert "$WID" "$pin_x" top_on "the pin shows On Top again"
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

check_minimize() {
    e2e_needs minimise "minimising the ruler by its button" || return 0
    local min_x
    min_x=$(ruler_minimize_x "$W")
    caption_assert "$WID" "$min_x" min_normal "the minimise button shows its normal picture"
    e2e_move $(at $((min_x + 3)) 10)
    e2e_move $(at $((min_x + 10)) 14)
    caption_assert "$WID" "$min_x" min_hover "the pointer over it shows the hover picture"
    xdotool mousedown 1
    caption_assert "$WID" "$min_x" min_down "the press shows the down picture"
    xdotool mouseup 1
    e2e_assert "the release minimises the ruler" e2e_wait_until 5 e2e_iconified "$WID"
    # Away from the button, so that the restore cannot highlight it.
    e2e_move 5 5
    timeout 5 xdotool windowactivate "$WID" 2>/dev/null
    e2e_assert "the window manager restores it" \
        e2e_wait_until 5 e2e_has_state "$WID" _NET_WM_STATE_ABOVE
    e2e_assert "restored, it is viewable again" e2e_wait_until 5 e2e_not_gone_window
    e2e_assert_eq "$X $Y $W $H" "$(e2e_geometry "$WID")" "restored at its place"
    caption_assert "$WID" "$min_x" min_normal "the restored ruler's minimise button is normal again"
}

e2e_not_gone_window() {
    ! e2e_window_gone "$WID"
}

check_close_released_off_window() {
    local close_x
    close_x=$(ruler_close_x "$W")
    e2e_move $(at $((close_x + 3)) 10)
    e2e_move $(at $((close_x + 10)) 14)
    caption_assert "$WID" "$close_x" close_hover "the pointer over the close button shows its hover picture"
    xdotool mousedown 1
    caption_assert "$WID" "$close_x" close_down "the press shows its down picture"
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

RULER_TITLE=" Ombrix"
RULER_TABS=("slider|Horizontal length" "push button|Move left" "push button|Move right"
    "text|Width" "text|Height")

check_accessible() {
    e2e_assert "the ruler has the keyboard" focus_window "$WID"
    e2e_assert_controls "$RULER_TITLE" "${RULER_TABS[0]}|SetFocus,Increase,Decrease" \
        "${RULER_TABS[1]}|Press,SetFocus" "${RULER_TABS[2]}|Press,SetFocus" \
        "${RULER_TABS[3]}|SetFocus" "${RULER_TABS[4]}|SetFocus" "push button|Keep on top|Press" \
        "push button|Minimise|Press" "push button|Close|Press"
    e2e_assert_tab_walk "$RULER_TITLE" "${RULER_TABS[@]}"
    a11y press "$RULER_TITLE" "push button" "Move right"
    e2e_assert "Move right pressed through its action moves the ruler one pixel" \
        e2e_wait_geometry "$WID" "$((X + 1)) $Y $W $H"
    ruler_read_geometry
}

check_keys() {
    drag_thumb $RULER_THUMB 10
    e2e_assert "the Width readout reads out a length and its unit" \
        e2e_wait_until 5 width_reads_length
    # A click XTEST makes activates no window where it never reaches the
    # compositor (GNOME Shell's, which gives a new window no keyboard).
    e2e_assert "the ruler has the keyboard" focus_window "$WID"
    e2e_key ctrl+c
    e2e_assert "Ctrl+C copies the readout" e2e_wait_until 5 clipboard_starts_with "Width:  $(width_readout)"
    e2e_key ctrl+q
    e2e_assert "Ctrl+Q ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq $((X * 15)) "$(e2e_store_value X_L)" "Ctrl+Q stores the place as Cl&ose does"
}

width_readout() {
    a11y text "$RULER_TITLE" text Width | paste -sd ' '
}

width_reads_length() {
    grep -qxE '[0-9]+ Pixels' <<<"$(width_readout)"
}

clipboard_starts_with() {
    [[ $(e2e_clipboard) == "$1"$'\r\n'* ]]
}

e2e_start_desktop 1280x1024x24
e2e_start_accessibility_bus
start_ruler 300 200
check_accessible
check_menu_on_right_press
check_menu_from_keyboard
check_drag_by_face
check_nudges
check_space_held
check_on_top_pin
check_minimize
check_close_released_off_window
start_ruler 280 200
check_keys
