#!/usr/bin/env bash
# The colour tools and the ruler's ends, on the real program: the window
# manager closing the ruler unloads an open Mixer, which stores its colour
# but not its place, and an open Spy, which stores nothing; the ruler's
# "Cl&ose" ends the program at once and neither tool stores anything. Then
# the top-most band: the pins of Spy and Mixer, and the Spy taken off the top
# while ruler and Mixer are on top.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

SPY_PIN=(1770 60 315 315)
MIXER_PIN=(4600 60 315 315)
RULER_PIN=(330 14) # the ruler's toggle: 6000 - 315 - 100 - 2 * 315 twips from the left

# mixer_key KEY COLOUR: a key on the Mixer's red bar, which has the focus,
# until the swatch shows the colour.
mixer_key() {
    e2e_assert "the Mixer has the keyboard" focus_window "$MIXER"
    e2e_key "$1"
    e2e_assert "$1 on the red bar gives $2" e2e_wait_until 5 mixer_swatch_shows "$2"
}

above() {
    e2e_has_state "$1" _NET_WM_STATE_ABOVE
}

not_above() {
    ! above "$1"
}

check_window_manager_close() {
    e2e_store_put H1 10
    e2e_store_put H2 11
    e2e_store_put H3 12
    start_ruler_aside
    open_mixer
    e2e_assert "the Mixer opens with the stored colour" \
        e2e_wait_until 5 mixer_swatch_shows "#0A0B0C"
    e2e_key alt+c
    check_clipboard $'RGB Value - 10,11,12\r\nDecimal Value - 789258\r\nHex Value - #0A0B0C' \
        "the stored colour is copied with two hex digits a channel"
    mixer_key End "#FF0B0C"
    open_spy
    move_window "$WID" 60 120
    ruler_read_geometry
    e2e_assert "the window manager closes the ruler" e2e_wm_close "$WID"
    e2e_assert "the program ends with the ruler" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq 0 "$E2E_EXIT_STATUS" "the program's exit status"
    e2e_assert_eq "255 11 12" "$(stored_colour)" "the unloaded Mixer stored its colour"
    check_clipboard $'RGB Value - 10,11,12\r\nDecimal Value - 789258\r\nHex Value - #0A0B0C' \
        "the Mixer's copy outlives the program"
    check_not_stored M_L M_T S_L S_T
    e2e_assert_eq "$((X * 15)) $((Y * 15))" "$(e2e_store_value X_L) $(e2e_store_value X_T)" \
        "the ruler stored its place"
}

check_ruler_close_entry() {
    e2e_store_put X_L 1500
    e2e_store_put X_T 1500
    start_ruler_aside
    open_mixer
    e2e_assert "the Mixer reopens with the colour it stored" \
        e2e_wait_until 5 mixer_swatch_shows "#FF0B0C"
    mixer_key Home "#000B0C"
    open_spy
    # Every window has read its keys; from now on a key is there only if
    # written.
    e2e_store_write $'[Presets]\nX_L=0\n'
    e2e_assert "the ruler's Cl&ose ends the program" close_ruler
    check_not_stored H1 H2 H3 M_L M_T S_L S_T
    e2e_assert_eq "100 100" "$X $Y" "the ruler started at its stored place"
    e2e_assert_eq 1500 "$(e2e_store_value X_L)" "the ruler's Cl&ose stored the ruler's place"
}

check_on_top() {
    e2e_needs above "the pins' top band" || return 0
    start_ruler_aside
    open_spy
    move_window "$SPY" 500 200
    open_mixer
    move_window "$MIXER" 50 300
    click_in "$MIXER" "${MIXER_PIN[@]}"
    e2e_assert "the Mixer's pin puts it on top" e2e_wait_until 5 above "$MIXER"
    click_in "$SPY" "${SPY_PIN[@]}"
    e2e_assert "the Spy's pin puts it on top" e2e_wait_until 5 above "$SPY"
    click_in "$SPY" "${SPY_PIN[@]}"
    e2e_assert "the Spy's pin takes it off the top" e2e_wait_until 5 not_above "$SPY"
    e2e_assert "the ruler stays on top" above "$WID"
    e2e_assert "the Mixer stays on top" above "$MIXER"

    # The ruler off the top does not go back there when the Spy leaves it.
    e2e_click $((X + RULER_PIN[0])) $((Y + RULER_PIN[1]))
    e2e_assert "the ruler's pin takes it off the top" e2e_wait_until 5 not_above "$WID"
    e2e_assert "the Mixer stays on top of the ruler's leaving" above "$MIXER"
    click_in "$SPY" "${SPY_PIN[@]}"
    e2e_wait_until 5 above "$SPY"
    click_in "$SPY" "${SPY_PIN[@]}"
    e2e_assert "the Spy leaves the top again" e2e_wait_until 5 not_above "$SPY"
    sleep 0.3
    e2e_assert "the ruler off the top stays there" not_above "$WID"
    e2e_assert "the Mixer is still on top" above "$MIXER"
}

e2e_start_desktop
check_window_manager_close
check_ruler_close_entry
check_on_top
