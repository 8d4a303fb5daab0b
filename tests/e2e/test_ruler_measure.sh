#!/usr/bin/env bash
# Measuring with the ruler: lengthened past the screen's edge by its slider
# or its turn, it keeps its place; the copy of the empty readouts right after
# the start, a drag of the length slider that widens the window while the
# button is held, the copy of the readouts in pixels, an exact length set
# with the arrow keys and a press on the thumb (its pop-up drawn as after the
# drag), the turn to vertical and back, a unit chosen from the menu and kept
# over a saving exit and a restart, and the copy that outlives the program,
# served by its holder as the program served it.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck disable=SC2046,SC2086  # points ("at", RULER_*) split into X Y on purpose
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

# Wide enough for the longest ruler, 1600 pixels, left of the screen's edge.
LEFT=20
TOP=300
SCREEN_W=1920
SCREEN_H=1080

ruler_width() {
    e2e_geometry "$WID" | cut -d' ' -f3
}

width_above() {
    (($(ruler_width) > $1))
}

# The window manager places the ruler and moves it near the screen's right
# edge (openbox then took it for a window to keep on the screen). Lengthened
# past the edge, by the slider or by a turn, the ruler keeps the edge the
# user lined up and runs off the screen, and its length follows the thumb as
# anywhere else.
check_edge_stays() {
    local thumb_x thumb_y open_length growth x y w h
    start_ruler
    move_window "$WID" 20 300
    ruler_read_geometry
    read -r thumb_x thumb_y <<<"$RULER_THUMB"
    drag_thumb "$thumb_x" "$thumb_y" 30
    open_length=$(ruler_width)
    growth=$((open_length - W))
    e2e_assert "the thumb dragged 30 pixels lengthens the ruler ($growth pixels)" test "$growth" -gt 0
    if ! e2e_needs grow-off-screen "the ruler lengthened and turned past the screen's edge"; then
        e2e_assert "Close is chosen" close_ruler
        return
    fi
    move_window "$WID" $((SCREEN_W - open_length - 10)) 300
    ruler_read_geometry
    drag_thumb $((thumb_x + 30)) "$thumb_y" 30
    read -r x y w h < <(e2e_geometry "$WID")
    e2e_assert_eq "$X $Y" "$x $y" "lengthened past the screen's edge, the ruler stays in place"
    e2e_assert "it runs off the screen" test $((x + w)) -gt "$SCREEN_W"
    # One pixel of the thumb's travel is about 5.5 pixels of length.
    e2e_assert "the same travel lengthens it as much as in the open ($growth and $((w - open_length)) pixels)" \
        test $((w - open_length - growth)) -ge -6 -a $((w - open_length - growth)) -le 6

    # Low enough for 400 pixels to run off, high enough for the menu to open
    # downwards from the pointer.
    move_window "$WID" "$x" $((SCREEN_H - 350))
    ruler_read_geometry
    menu_command $RULER_FACE v
    e2e_assert "turned vertical near the bottom, it stays in place and runs off the screen" \
        e2e_wait_geometry "$WID" "$X $Y 84 400"
    menu_command $RULER_FACE_V_TOP h Return
    e2e_assert "turned back near the right edge, it stays in place with its length" \
        e2e_wait_geometry "$WID" "$X $Y $w 84"
    e2e_assert "Close is chosen" close_ruler
}

check_copy_after_start() {
    start_ruler "$LEFT" "$TOP"
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    e2e_assert_clipboard $'Width:   \r\nHeight:   ' "copy right after the start"
    e2e_assert "the Current submenu shows its captions" capture_caption_rows start
}

# capture_caption_rows NAME: pictures of the "Width:" and "Height:" entries
# of the "C&urrent" submenu, as NAME-width and NAME-height in E2E_TMP.
capture_caption_rows() {
    open_menu $RULER_FACE && open_submenu u || return 1
    local pointer_x id h
    pointer_x=$(e2e_pointer | cut -d' ' -f1)
    read -r id _ _ _ h < <(ruler_popups | awk -v px="$pointer_x" '$2 != px' | head -n 1)
    [[ -n $id ]] || return 1
    # Below the copy entry and the separator, the two caption entries share
    # the rest of the submenu; their left parts hold the texts' beginnings.
    # The submenu's own picture, which XWayland gives too.
    local row=$(((h - 24) / 2))
    import -window "$id" -crop "100x$row+0+24" -depth 8 rgb:- >"$E2E_TMP/$1-width" || return 1
    import -window "$id" -crop "100x$row+0+$((24 + row))" -depth 8 rgb:- >"$E2E_TMP/$1-height"
    e2e_key Escape Escape
    e2e_wait_until 5 menus_closed
}

same_picture() {
    cmp -s "$E2E_TMP/$1" "$E2E_TMP/$2"
}

# The width caption is refreshed every second once the slider was pressed;
# the height caption, whose slider was never pressed, keeps its design text.
check_menu_captions() {
    sleep 1.1
    e2e_assert "the Current submenu shows its captions" capture_caption_rows slid
    e2e_assert_not "the Width: entry changed after the slider's press" \
        same_picture start-width slid-width
    e2e_assert "the Height: entry did not" same_picture start-height slid-height
}

# Drags the thumb to past the slider's end in steps, checking after each step,
# with the button still held, that the window has grown.
check_slider_drag() {
    local thumb_x thumb_y steps=6 i x last=$W grew=0 samples=()
    read -r thumb_x thumb_y <<<"$RULER_THUMB"
    local target=$((RULER_THUMB_MAX_X + 30))
    e2e_move $(at "$thumb_x" "$thumb_y")
    xdotool mousedown 1
    e2e_pause
    for ((i = 1; i <= steps; i++)); do
        x=$((thumb_x + (target - thumb_x) * i / steps))
        e2e_move $(at "$x" "$thumb_y")
        if e2e_wait_until 3 width_above "$last"; then
            grew=$((grew + 1))
        fi
        last=$(ruler_width)
        samples+=("$last")
    done
    e2e_assert_eq "$steps" "$grew" "the window widened at every step of the drag, button held (${samples[*]})"
    e2e_assert_eq 1600 "$last" "the thumb at the slider's end asks for 24000 twips before the release"
    e2e_assert "the pop-up beside the held thumb shows" slider_popup_picture drag-1600
    e2e_assert "the pop-up stands below the held thumb" popup_beside_pointer
    xdotool mouseup 1
    e2e_pause
    ruler_read_geometry
    e2e_assert_eq "$LEFT $TOP 1600 84" "$X $Y $W $H" "the release leaves the window at its last size"
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    e2e_assert_clipboard $"Width:  $W Pixels"$'\r\n'"Height:   Pixels" \
        "the readouts follow the window's width"
}

# slider_popup: the id of the pop-up beside the held thumb, a tooltip
# window of the program's.
slider_popup() {
    local wid
    for wid in $(e2e_windows "$E2E_OMBRIX_PID"); do
        xprop -id "$wid" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP || continue
        echo "$wid"
        return 0
    done
    return 1
}

# slider_popup_picture NAME: the pop-up beside the held thumb, as NAME in
# E2E_TMP.
slider_popup_picture() {
    local wid
    e2e_pause
    wid=$(slider_popup) || return 1
    import -window "$wid" -depth 8 rgb:- >"$E2E_TMP/$1" 2>/dev/null
}

# popup_beside_pointer: the pop-up stands where a tooltip of the thumb under
# the pointer would, just below it.
popup_beside_pointer() {
    local wid px py x y
    wid=$(slider_popup) || return 1
    read -r px py < <(e2e_pointer)
    read -r x y _ < <(e2e_geometry "$wid")
    ((x - px >= -40 && x - px <= 40 && y - py >= 0 && y - py <= 40))
}

# press_thumb: a press on the slider's thumb at its longest without a move.
press_thumb() {
    e2e_move $(at "$RULER_THUMB_MAX_X" "${RULER_THUMB#* }")
    xdotool mousedown 1
    sleep 0.2
    xdotool mouseup 1
    e2e_pause
}

# An exact length as the help page tells it: the arrow keys step the slider
# by one twip each, and the window takes the length at the next press on the
# thumb.
check_exact_length_by_keys() {
    e2e_assert "the ruler has the keyboard" e2e_wait_until 5 e2e_has_focus "$WID"
    e2e_key $(printf 'Left %.0s' {1..15})
    e2e_pause
    e2e_assert_eq 1600 "$(ruler_width)" "the window does not follow the keys at once"
    press_thumb
    e2e_assert "a press on the thumb takes it 15 twips shorter, one pixel" \
        e2e_wait_until 5 e2e_geometry_is "$WID" "$LEFT $TOP 1599 84"
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    e2e_assert_clipboard $'Width:  1599 Pixels\r\nHeight:   Pixels' "the readout shows that length"
    e2e_key End
    e2e_move $(at "$RULER_THUMB_MAX_X" "${RULER_THUMB#* }")
    xdotool mousedown 1
    e2e_assert "End and a press on the thumb give the longest ruler" \
        e2e_wait_until 5 e2e_geometry_is "$WID" "$LEFT $TOP 1600 84"
    # A new length redraws only the digits of the pop-up's text: whether it
    # came after 1599 or after the lengths of a drag, 1600 shows alike.
    e2e_assert "the pop-up beside the held thumb shows" slider_popup_picture keys-1600
    xdotool mouseup 1
    e2e_pause
    e2e_assert "the pop-up shows 1600 pixels after 1599 as after a drag" \
        same_picture drag-1600 keys-1600
}

check_orientation() {
    local face_x face_y
    e2e_assert "Show Vertical is chosen" menu_command $RULER_FACE v
    e2e_assert "the ruler turns vertical, 84 x 400" \
        e2e_wait_geometry "$WID" "$LEFT $TOP 84 400"
    ruler_read_geometry
    # "Show &Horizontal" shares its mnemonic with "&Help", which comes later:
    # the key only highlights the first of them.
    read -r face_x face_y <<<"$RULER_FACE_V"
    e2e_assert "Show Horizontal is chosen" menu_command "$face_x" "$face_y" h Return
    e2e_assert "back to horizontal, the ruler has its horizontal length again" \
        e2e_wait_geometry "$WID" "$LEFT $TOP 1600 84"
    ruler_read_geometry
}

# readout_ink DX DY W H: the first and last column, counted from the box's
# left edge, that hold the readouts' dark blue ink (whole or blended: far
# more blue than red, unlike the beige box and its grey frame).
readout_ink() {
    import -window "$WID" -crop "$3x$4+$1+$2" -depth 8 txt:- 2>/dev/null |
        awk -F'[,:() ]+' 'NR > 1 && $5 - $3 > 60 { if (first == "" || $1 < first) first = $1; if ($1 > last) last = $1 }
            END { print first, last }'
}

# choose_unit DOWNS NAME: Scale Mode's entry DOWNS below Pixels.
choose_unit() {
    local downs=() i
    for ((i = 0; i < $1; i++)); do
        downs+=(Down)
    done
    open_menu $RULER_FACE && open_submenu m
    e2e_key "${downs[@]}" Return
    e2e_assert "Scale Mode > $2 is chosen" e2e_wait_until 5 menus_closed
}

# The longest width readout, 24000 twips, shows whole from the box's left
# edge: a line edit once scrolled it to "4000". Its ink is a digit wider
# than that of the four digits of 1600 pixels, which once filled the box too.
check_readout_whole() {
    choose_unit 6 Twips
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    e2e_assert_clipboard $'Width:  24000 Twips\r\nHeight:   Twips' "the readouts in twips"
    local first last four_first four_last
    read -r first last < <(readout_ink 8 25 33 19)
    choose_unit 0 Pixels
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    e2e_assert_clipboard $'Width:  1600 Pixels\r\nHeight:   Pixels' "the readouts in pixels"
    read -r four_first four_last < <(readout_ink 8 25 33 19)
    e2e_assert "the readouts' ink starts at the box's left edge (columns ${first:-none}, ${four_first:-none})" \
        test "${first:-99}" -ge 2 -a "${first:-99}" -le 3 -a "${four_first:-99}" -ge 2 -a "${four_first:-99}" -le 3
    e2e_assert "24000 ends inside the box's right edge (column ${last:-none})" \
        test "${last:-99}" -le 30
    e2e_assert "24000 is a digit wider than 1600 (ink to columns ${last:-none} and ${four_last:-none})" \
        test $((${last:-0} - ${four_last:-0})) -ge 3
}

check_unit_kept() {
    open_menu $RULER_FACE && open_submenu m
    e2e_key Down Down Down Return
    e2e_assert "Scale Mode > Inches is chosen" e2e_wait_until 5 menus_closed
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    # 24000 twips / 1440, one decimal; the vertical length is still 6000.
    e2e_assert_clipboard $'Width:  16.7 Inches\r\nHeight:   Inches' "the readouts in inches"

    e2e_assert "Close is chosen" menu_command $RULER_FACE o
    e2e_assert "Close ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq 0 "$E2E_EXIT_STATUS" "the program's exit status"
    e2e_assert_eq True "$(e2e_store_value Inch)" "Inch is stored ticked"
    e2e_assert_eq False "$(e2e_store_value Pix)" "Pix is stored unticked"
    e2e_assert_eq $((LEFT * 15)) "$(e2e_store_value X_L)" "X_L is stored"
    e2e_assert_eq $((TOP * 15)) "$(e2e_store_value X_T)" "X_T is stored"
    check_copy_kept $'Width:  16.7 Inches\r\nHeight:   Inches' "the copy outlives Cl&ose"

    start_ruler
    e2e_assert_eq "$LEFT $TOP 400 84" "$X $Y $W $H" "the restarted ruler is at the same place, horizontal, 400 long"
    # The thumb held a moment without moving: the slider's ticks apply the
    # ticked unit.
    local thumb_x thumb_y
    read -r thumb_x thumb_y <<<"$RULER_THUMB"
    e2e_move $(at "$thumb_x" "$thumb_y")
    xdotool mousedown 1
    sleep 0.2
    xdotool mouseup 1
    e2e_pause
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    e2e_assert_clipboard $'Width:  4.2 Inches\r\nHeight:   Inches' \
        "the restarted ruler measures in the stored unit"
}

# The copy stays on the clipboard after the program's end, until another
# program copies; a copy another program replaced is not brought back.
check_copy_outlives_program() {
    e2e_double_click $(at 200 3)
    e2e_assert "a double-click on the top edge bar ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    check_copy_kept $'Width:  4.2 Inches\r\nHeight:   Inches' "the copy outlives a double-click's end"
    e2e_assert_eq 1 "$(e2e_clipboard_holders | grep -c .)" \
        "one holder keeps it: the one of the first run ended when the second run copied"
    e2e_set_clipboard "another program's text"
    e2e_assert "the holder ends once another program copies" \
        e2e_wait_until 5 e2e_no_clipboard_holder

    start_ruler
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    e2e_set_clipboard "a later text"
    e2e_click $(at 200 $((H - 6)))
    e2e_assert "a click on the bottom edge bar ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq "" "$(e2e_clipboard_holders)" "the clipboard was not ours at the end: no holder"
    e2e_assert_clipboard "a later text" "the other program's copy stays"
}

# What GTK 3 (text/plain;charset=utf-8 first), Qt, Xlib and clipboard
# managers ask an owner for.
ASKED_TARGETS="TARGETS UTF8_STRING text/plain;charset=utf-8 text/plain STRING TEXT SAVE_TARGETS image/png"

lock_is_free() {
    flock -n "$1" true
}

# holder_keeps_no_descriptor PID: besides its standard three, the holder
# holds nothing but sockets (its own X connection).
holder_keeps_no_descriptor() {
    local fd
    for fd in /proc/"$1"/fd/*; do
        [[ ${fd##*/} =~ ^[012]$ || $(readlink "$fd") == socket:* ]] || return 1
    done
}

# The holder serves the copy as the running program did: the same targets,
# each answered with the same type and bytes (or refused alike), so every
# requestor pastes the same text; TIMESTAMP and MULTIPLE as every owner
# must. It keeps no
# descriptor the program inherited (a launcher's lock on fd 9), and it
# starts although the program's file was deleted while the program ran.
check_holder_serves_like_the_program() {
    local installed=$E2E_TMP/installed/ombrix lock=$E2E_TMP/launcher.lock
    mkdir -p "$(dirname "$installed")"
    cp "$OMBRIX_BIN" "$installed"
    exec 9>"$lock"
    flock -n 9 || e2e_fail "the launcher takes its lock on fd 9"
    OMBRIX_BIN=$installed start_ruler
    exec 9>&-
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    local text hex answers
    text=$(e2e_clipboard_hex)
    hex=${text// /}
    answers=$(e2e_selection $ASKED_TARGETS)
    rm "$installed"
    e2e_assert "Close ends the program whose file was deleted" close_ruler
    e2e_assert "a holder keeps the copy" e2e_wait_until 5 e2e_clipboard_holds "$text"
    local holder
    holder=$(e2e_clipboard_holders)
    e2e_assert "the holder keeps no descriptor the program inherited" \
        holder_keeps_no_descriptor "$holder"
    e2e_assert "the launcher's lock is free once the program has ended" lock_is_free "$lock"

    e2e_assert_eq "$answers" "$(e2e_selection $ASKED_TARGETS)" \
        "the holder answers every target as the program did"
    e2e_assert_match "UTF8_STRING UTF8_STRING $hex" "$answers" "the program answers with the copy"
    e2e_assert_match '^TIMESTAMP INTEGER [1-9][0-9]*$' "$(e2e_selection TIMESTAMP)" \
        "the holder tells when it took the clipboard"
    e2e_assert_match "^MULTIPLE/STRING STRING $hex
MULTIPLE/image/png refused
MULTIPLE/TIMESTAMP INTEGER [1-9][0-9]*\$" "$(e2e_selection MULTIPLE STRING image/png TIMESTAMP)" \
        "the holder answers MULTIPLE target by target"
}

e2e_start_desktop "${SCREEN_W}x${SCREEN_H}x24"
check_edge_stays
check_copy_after_start
check_slider_drag
check_exact_length_by_keys
check_menu_captions
check_orientation
check_readout_whole
check_unit_kept
check_copy_outlives_program
check_holder_serves_like_the_program
