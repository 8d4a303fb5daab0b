#!/usr/bin/env bash
# Color Mixer on the real program: opened from the ruler's menu with the
# keyboard on its red bar, the End key takes red to 255, the wheel steps it
# like the keys, a dragged thumb changes the swatch before it is let go,
# Alt+C copies the three notations and Ctrl+A, Ctrl+C one field's alone,
# minimised it comes back when chosen again from the ruler's menu, and closed
# by its Close button, its close control or Escape it comes back where it was
# with its colour. A screen reader finds every control by role and name, and
# Tab goes round them.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

RED_BAR=(56 78 169 17)    # HScroll1: 840, 1180, 2535 x 255 twips in the window
GREEN_BAR=(56 118 169 17) # HScroll2: 840, 1780, 2535 x 255 twips in the window
GREEN_THUMB_AT_0=27       # the thumb's middle from the bar's left end, at 0
HEX_FIELD=(3480 3190 1575 285) # Text8 in the hex group
CLOSE_BUTTON=(4435 3910 1100 350)
CLOSE_CONTROL=(5380 60 315 315)
MINIMIZE_CONTROL=(5000 60 315 315)

# mixer_lines TRIPLE DECIMAL HEX: the copied text.
mixer_lines() {
    printf 'RGB Value - %s\r\nDecimal Value - %s\r\nHex Value - %s' "$1" "$2" "$3"
}

# swatch_green_above N: the swatch is red 255, green above N, blue 0.
swatch_green_above() {
    local colour
    colour=$(mixer_swatch)
    [[ $colour =~ ^#FF([0-9A-F]{2})00$ ]] && ((16#${BASH_REMATCH[1]} > $1))
}

copy_mixer() {
    e2e_assert "the Mixer has the keyboard" focus_window "$MIXER"
    e2e_key alt+c
}

check_first_open() {
    start_ruler_aside
    open_mixer
    local x y w h
    read -r x y w h < <(e2e_geometry "$MIXER")
    e2e_assert_eq "387 301" "$w $h" "the Mixer is 5805 x 4515 twips"
    e2e_assert "the Mixer has no frame" e2e_unframed "$MIXER"
    e2e_assert_not "the Mixer is not top-most when it opens" \
        e2e_has_state "$MIXER" _NET_WM_STATE_ABOVE
    e2e_assert_not "nothing stored, the window manager places the Mixer" \
        e2e_asks_for_place "$MIXER"
    e2e_assert "the swatch is black at first" e2e_wait_until 5 mixer_swatch_shows "#000000"
    copy_mixer
    check_clipboard "$(mixer_lines 0,0,0 0 '#000000')" "Alt+C copies the first-run colour"
}

BARS=("scroll bar|Red" "scroll bar|Green" "scroll bar|Blue")
FIELDS=("text|RGB Value" "text|Hex Value" "text|Decimal Value")
BUTTONS=("push button|Copy" "push button|Close")

check_accessible() {
    e2e_assert "the Mixer has the keyboard" focus_window "$MIXER"
    e2e_assert_controls "Color Mixer" "${BARS[@]/%/|SetFocus,Increase,Decrease}" \
        "${FIELDS[@]/%/|SetFocus}" "${BUTTONS[@]/%/|Press,SetFocus}" "frame|Red|" "frame|Color|" \
        "push button|Keep on top|Press" "push button|Minimise|Press" "push button|Close|Press"
    e2e_assert_tab_walk "Color Mixer" "${BARS[@]}" "${FIELDS[@]}" "${BUTTONS[@]}"
}

check_red_by_keyboard() {
    e2e_assert "the Mixer has the keyboard" focus_window "$MIXER"
    # The red bar is first in the tab order and has the focus.
    e2e_key End
    e2e_assert "End takes red to 255" e2e_wait_until 5 mixer_swatch_shows "#FF0000"
    copy_mixer
    check_clipboard "$(mixer_lines 255,0,0 255 '#FF0000')" "Alt+C copies pure red"
    shoot "$MIXER" color-mixer
}

# wheel BUTTON COLOUR: one notch of the wheel (4 up, 5 down, 6 tilted left,
# 7 tilted right) over the red bar, until the swatch shows the colour.
wheel() {
    move_in "$MIXER" $((RED_BAR[0] + RED_BAR[2] / 2)) $((RED_BAR[1] + RED_BAR[3] / 2))
    xdotool click "$1"
    e2e_assert "the wheel's button $1 over the red bar gives $2" \
        e2e_wait_until 5 mixer_swatch_shows "$2"
}

# The wheel turned up or tilted left steps a bar towards its minimum, like
# Up and Left; down or right towards its maximum.
check_red_by_wheel() {
    wheel 4 "#FE0000"
    wheel 5 "#FF0000"
    wheel 6 "#FE0000"
    wheel 7 "#FF0000"
}

# The green thumb dragged to the right: the swatch changes while the button
# is still down; after the release Home takes green back to 0.
check_thumb_drag() {
    local x y bar_x bar_y i
    read -r x y _ _ < <(e2e_geometry "$MIXER")
    bar_x=$((x + GREEN_BAR[0] + GREEN_THUMB_AT_0))
    bar_y=$((y + GREEN_BAR[1] + GREEN_BAR[3] / 2))
    e2e_move "$bar_x" "$bar_y"
    xdotool mousedown 1
    e2e_pause
    for ((i = 1; i <= 6; i++)); do
        e2e_move $((bar_x + 10 * i)) "$bar_y"
    done
    # A press in the trough would only creep by single steps; the thumb
    # moved by about a third of the bar gives far more than 64.
    e2e_assert "the swatch follows the thumb before it is let go" \
        e2e_wait_until 5 swatch_green_above 64
    xdotool mouseup 1
    e2e_pause
    copy_mixer
    e2e_wait_until 5 clipboard_matches '^RGB Value - 255,[1-9][0-9]*,0'
    e2e_assert_match $'^RGB Value - 255,([1-9][0-9]*),0\r\nDecimal Value - [0-9]+\r\nHex Value - #FF[0-9A-F]{2}00$' \
        "$(e2e_clipboard)" "the dragged green shows in the copy"
    e2e_key Home
    e2e_assert "Home on the dragged bar takes green back to 0" \
        e2e_wait_until 5 mixer_swatch_shows "#FF0000"
}

# One notation alone: its field is selected and copied with the keys of any
# text box.
check_field_copied_alone() {
    click_in "$MIXER" "${HEX_FIELD[@]}"
    e2e_key ctrl+a ctrl+c
    check_clipboard "#FF0000" "Ctrl+A, Ctrl+C in the Hex Value field copy its text alone"
}

mixer_iconified() {
    e2e_has_state "$MIXER" _NET_WM_STATE_HIDDEN ||
        xwininfo -id "$MIXER" 2>/dev/null | grep -q 'Map State: IsUnMapped'
}

# Minimised by its control, the Mixer chosen again from the ruler's menu
# comes back, with the keyboard.
check_minimised_chosen_again() {
    e2e_needs minimise "the Mixer minimised and chosen again" || return 0
    move_in "$MIXER" $(($(px "${MINIMIZE_CONTROL[0]}") + 5)) 10
    click_in "$MIXER" "${MINIMIZE_CONTROL[@]}"
    e2e_assert "the minimise control minimises the Mixer" e2e_wait_until 5 mixer_iconified
    utilities_command m || e2e_fail "Utilities > Color Mixer is chosen again"
    e2e_assert "chosen again, the Mixer is shown" e2e_wait_until 5 e2e_not_gone "$MIXER"
    e2e_assert "and has the keyboard" e2e_wait_until 5 e2e_has_focus "$MIXER"
}

e2e_not_gone() {
    ! e2e_window_gone "$1"
}

clipboard_matches() {
    [[ $(e2e_clipboard) =~ $1 ]]
}

# check_colour_kept HOW: the Mixer closed by its HOW stored its colour, and
# the reopened Mixer shows and copies it.
check_colour_kept() {
    e2e_assert_eq "255 0 0" "$(stored_colour)" "H1 to H3 hold the colour the $1 left"
    e2e_assert "the reopened Mixer shows red" e2e_wait_until 5 mixer_swatch_shows "#FF0000"
    copy_mixer
    check_clipboard "$(mixer_lines 255,0,0 255 '#FF0000')" "the reopened Mixer copies red"
}

check_close_and_reopen() {
    move_window "$MIXER" 300 200
    close_and_reopen mixer "Close button" "${CLOSE_BUTTON[@]}"
    check_colour_kept "Close button"
    move_window "$MIXER" 350 250
    close_and_reopen mixer "close control" "${CLOSE_CONTROL[@]}"
    check_colour_kept "close control"
    move_window "$MIXER" 320 230
    close_and_reopen mixer "Escape key" key Escape
    check_colour_kept "Escape key"
}

e2e_start_desktop
e2e_start_accessibility_bus
check_first_open
check_accessible
check_red_by_keyboard
check_red_by_wheel
check_thumb_drag
check_field_copied_alone
check_minimised_chosen_again
check_close_and_reopen
