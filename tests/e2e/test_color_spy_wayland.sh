#!/usr/bin/env bash
# Color Spy on a Wayland desktop: weston with XWayland, which keeps the
# screen's pixels from X clients. Start then asks the desktop's colour
# picker, here a fake screenshot portal on a session bus of the test's own:
# its colour fills the readouts that Enter copies, X Pos and Y Pos left empty
# as the picker tells no place. With no portal the hint line says the desktop
# has no picker, and no readout shows the -1 of an unreadable pixel; a
# cancel brings the usual hint back. While the user picks the hint says a
# pick is awaited; a portal that dies meanwhile is told by the hint at once,
# and the next Start asks again.
#
# The Spy's own picture is read from its window, which XWayland allows; the
# hint is told apart only by its pixels: the refusal's picture differs from
# the design hint's and comes back the same each time. The pointer comes
# through weston's seat and stays over the Spy's background for each Enter,
# which gives the swatch the keyboard.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

SPY_HINT_STRIP=197x25+0+291 # the window's width, from the last group to the buttons

# hint_picture FILE: the pixels of the hint strip, raw, so that equal
# pictures are equal files.
hint_picture() {
    import -window "$SPY" -crop "$SPY_HINT_STRIP" +repage -depth 8 "rgb:$1" 2>/dev/null
}

hint_is() {
    hint_picture "$E2E_TMP/hint-now.rgb" && cmp -s "$E2E_TMP/hint-now.rgb" "$1"
}

hint_differs_from() {
    hint_picture "$E2E_TMP/hint-now.rgb" && ! cmp -s "$E2E_TMP/hint-now.rgb" "$1"
}

swatch_shows() {
    [[ $(e2e_window_pixel "$SPY" "${SPY_SWATCH[@]}") == "$1" ]]
}

enter_in_spy() {
    e2e_assert "the pointer is over the Spy" pointer_over_spy
    e2e_key Return
}

pointer_over_spy() {
    [[ $(xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p') == "$SPY" ]]
}

# press_start: Start clicked, the pointer then back over the background so
# that the swatch has the keyboard again.
press_start() {
    click_in "$SPY" "${SPY_START_BUTTON[@]}"
    move_in "$SPY" "${SPY_BACKGROUND[@]}"
}

check_screen_is_kept() {
    e2e_assert_eq "" "$(e2e_pixel 10 10)" "XWayland lets no client read the root window"
    start_ruler
    open_spy
    e2e_assert "the Spy's window can be read" hint_picture "$E2E_TMP/hint-design.rgb"
}

check_no_portal() {
    press_start
    e2e_assert "with no portal the hint changes" \
        e2e_wait_until 5 hint_differs_from "$E2E_TMP/hint-design.rgb"
    hint_picture "$E2E_TMP/hint-refusal.rgb"
    enter_in_spy
    check_clipboard "$(spy_lines '' '' '' '' '' '' '' '' '' '')" "with no portal no readout is filled"
    shoot "$SPY" color-spy-refused
}

check_picked() {
    e2e_start_portal answer 0.070588 0.203922 0.337255
    press_start
    e2e_assert "the picked colour fills the swatch" e2e_wait_until 5 swatch_shows "#123456"
    e2e_assert "the hint is the design's again" hint_is "$E2E_TMP/hint-design.rgb"
    PICKED=$(spy_lines 5649426 563412 123456 18 52 86 n/a n/a '' '')
    enter_in_spy
    check_clipboard "$PICKED" "Enter copies the picked colour, with no place"
    e2e_assert_match "^PickColor x11:$(printf '%x' "$SPY") [A-Za-z0-9_]+$" \
        "$(grep '^PickColor' "$E2E_PORTAL_LOG")" "the Spy asked once, as the parent, with a token"
    shoot "$SPY" color-spy-picked
    e2e_stop_portal
}

# After the notice of no portal.
check_cancelled() {
    e2e_start_portal cancel
    press_start
    e2e_assert "a cancel brings the usual hint back" \
        e2e_wait_until 5 hint_is "$E2E_TMP/hint-design.rgb"
    e2e_stop_portal
}

check_portal_dies() {
    e2e_start_portal silent
    press_start
    e2e_assert "while the user picks the hint says so" \
        e2e_wait_until 5 hint_differs_from "$E2E_TMP/hint-design.rgb"
    hint_picture "$E2E_TMP/hint-picking.rgb"
    shoot "$SPY" color-spy-picking
    e2e_stop_portal
    e2e_assert "a portal that dies changes the hint" \
        e2e_wait_until 5 hint_differs_from "$E2E_TMP/hint-picking.rgb"
    e2e_assert "the hint tells something else than the design's" \
        hint_differs_from "$E2E_TMP/hint-design.rgb"
    e2e_assert "... and than no picker" hint_differs_from "$E2E_TMP/hint-refusal.rgb"
    shoot "$SPY" color-spy-picker-gone
    e2e_start_portal answer 1 0 0
    press_start
    e2e_assert "the next Start asks again and the colour comes" \
        e2e_wait_until 5 swatch_shows "#FF0000"
    e2e_assert "the hint is the design's again" hint_is "$E2E_TMP/hint-design.rgb"
    e2e_stop_portal
}

e2e_start_session_bus
e2e_start_wayland_desktop
check_screen_is_kept
check_no_portal
check_cancelled
check_picked
check_portal_dies
