#!/usr/bin/env bash
# Color Spy on the real program: opened from the ruler's menu, it samples the
# pixel under the pointer once Start is pressed, and Enter freezes and copies
# the ten readouts; closed by its Close button or its close control it comes
# back where it was.
#
# How the samples are taken. The test paints two squares of known colour,
# override-redirect windows that no window manager moves or focuses, before it
# opens the Spy, so the Spy is the active window. Capture starts either
# by a click on Start, which takes the keyboard focus to the button, so the
# pointer then crosses the Spy's background, which gives it back to the
# swatch as a user's pointer would; or by Alt+S, which leaves the focus where
# it is. The pointer then jumps to the middle of a square and stays there.
# Only a tick taken with the pointer there paints the swatch in the square's
# colour, and one tick fills every readout, so once the swatch shows that
# colour on the screen the readouts hold the square's colour and that pointer
# position. The Spy still has the keyboard (checked; given back with
# windowactivate if the window manager took it, which does not move the
# pointer), and Enter then reaches the swatch. On the plain desktop, what a
# screen reader and the keyboard alone reach too; and Escape closes the Spy
# as its close control does.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

# OMBRIX_E2E_SHIFT_X moves every place to the right, so that the same checks
# run on the far part of a wide screen (test_color_spy_wide.sh).
SHIFT_X=${OMBRIX_E2E_SHIFT_X:-0}
SPY_PLACE=($((100 + SHIFT_X)) 300)
# OMBRIX_E2E_ORIGIN is the primary monitor's top-left on the X screen, which
# the shown coordinates count from (test_color_spy_monitors.sh).
read -r -a ORIGIN <<<"${OMBRIX_E2E_ORIGIN:-0 0}"
CLOSE_BUTTON=(1597 4740 1095 350)
CLOSE_CONTROL=(2520 60 315 315)

swatch_shows() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$SPY")
    pixel_is $((x + SPY_SWATCH[0])) $((y + SPY_SWATCH[1])) "$1"
}

# sample_at X Y COLOUR: the pointer to that point until the swatch shows it.
sample_at() {
    e2e_move "$1" "$2"
    e2e_assert "the swatch shows $3 from $1,$2" e2e_wait_until 5 swatch_shows "$3"
}

check_opens() {
    start_ruler_aside
    open_spy
    local x y w h
    read -r x y w h < <(e2e_geometry "$SPY")
    e2e_assert_eq "197 349" "$w $h" "the Spy is 2955 x 5235 twips"
    e2e_assert "the Spy has no frame" e2e_unframed "$SPY"
    e2e_assert_not "the Spy is not top-most when it opens" e2e_has_state "$SPY" _NET_WM_STATE_ABOVE
    e2e_assert_not "nothing stored, the window manager places the Spy" e2e_asks_for_place "$SPY"
    e2e_assert "the Spy is the active window" e2e_wait_until 5 e2e_has_focus "$SPY"
    move_window "$SPY" "${SPY_PLACE[@]}"
}

check_enter_before_start() {
    press_enter_in_spy
    check_clipboard "$(spy_lines '' '' '' '' '' '' '' '' '' '')" "Enter before Start copies empty readouts"
}

check_samples() {
    local blue_x=$1 blue_y=$2 red_x=$3 red_y=$4 blue red
    blue=$(spy_lines 5649426 563412 123456 18 52 86 n/a n/a \
        $((blue_x - ORIGIN[0])) $((blue_y - ORIGIN[1])))
    red=$(spy_lines 255 FF FF0000 255 0 0 vbRed 12 $((red_x - ORIGIN[0])) $((red_y - ORIGIN[1])))

    click_in "$SPY" "${SPY_START_BUTTON[@]}"
    move_in "$SPY" "${SPY_BACKGROUND[@]}"
    sample_at "$blue_x" "$blue_y" "#123456"
    press_enter_in_spy
    check_clipboard "$blue" "Enter copies the ten lines of #123456"
    shoot "$SPY" color-spy

    # Frozen: the swatch keeps the colour while the pointer is over red.
    e2e_move "$red_x" "$red_y"
    sleep 0.4
    e2e_assert "after Enter the swatch keeps its colour" swatch_shows "#123456"
    e2e_set_clipboard "something else"
    press_enter_in_spy
    check_clipboard "$blue" "a second Enter copies the frozen readouts again"

    e2e_key alt+s
    e2e_assert "Alt+S starts capture again" e2e_wait_until 5 swatch_shows "#FF0000"
    # Any other key in the swatch leaves capture on.
    e2e_key x
    sample_at "$blue_x" "$blue_y" "#123456"
    # One pixel of its own beside the middle: a resting pointer reads it tick
    # after tick, never a neighbour.
    sample_at $((blue_x + 1)) $((blue_y + 1)) "#123457"
    sleep 0.5
    e2e_assert "a resting pointer's pixel, not a neighbour" swatch_shows "#123457"
    sample_at "$red_x" "$red_y" "#FF0000"
    press_enter_in_spy
    check_clipboard "$red" "Enter copies the ten lines of pure red"
}

# After Start the pointer goes to the pixel without crossing the bare
# background: from a readout group out over the right edge, or straight
# from the Start button. Either way Enter then freezes and copies.
check_enter_after_leaving() {
    local blue_x=$1 blue_y=$2 red_x=$3 red_y=$4
    e2e_set_clipboard "something else"
    click_in "$SPY" "${SPY_START_BUTTON[@]}"
    move_in "$SPY" "${SPY_POSITION_GROUP[@]}"
    move_in "$SPY" 230 "${SPY_POSITION_GROUP[1]}"
    sample_at "$blue_x" "$blue_y" "#123456"
    press_enter_in_spy
    check_clipboard "$(spy_lines 5649426 563412 123456 18 52 86 n/a n/a \
        $((blue_x - ORIGIN[0])) $((blue_y - ORIGIN[1])))" \
        "Enter copies after the pointer left across a readout group"
    e2e_set_clipboard "something else"
    click_in "$SPY" "${SPY_START_BUTTON[@]}"
    sample_at "$red_x" "$red_y" "#FF0000"
    press_enter_in_spy
    check_clipboard "$(spy_lines 255 FF FF0000 255 0 0 vbRed 12 \
        $((red_x - ORIGIN[0])) $((red_y - ORIGIN[1])))" \
        "Enter copies after the pointer left straight from Start"
}

# check_without_primary X Y: once no monitor is primary, the next samples
# count from the X screen's top-left.
check_without_primary() {
    xrandr --noprimary
    e2e_key alt+s
    sample_at "$1" "$2" "#123456"
    press_enter_in_spy
    check_clipboard "$(spy_lines 5649426 563412 123456 18 52 86 n/a n/a "$1" "$2")" \
        "without a primary monitor the coordinates are the X screen's"
}

check_close_and_reopen() {
    close_and_reopen spy "Close button" "${CLOSE_BUTTON[@]}"
    move_window "$SPY" $((250 + SHIFT_X)) 350
    close_and_reopen spy "close control" "${CLOSE_CONTROL[@]}"
    move_window "$SPY" $((200 + SHIFT_X)) 320
    close_and_reopen spy "Escape key" key Escape
}

READOUTS=("RGB #" "Red Value" "Green Value" "Blue Value" Decimal Hex "VB Color" "QB Color"
    "X Pos" "Y Pos")

check_accessible() {
    e2e_assert "the Spy has the keyboard" focus_window "$SPY"
    local rows=("${READOUTS[@]/#/label|}")
    e2e_assert_controls "Color Spy" "frame|Color|SetFocus" "${rows[@]/%/|}" \
        "push button|Start|Press,SetFocus" "push button|Close|Press,SetFocus" \
        "push button|Keep on top|Press" "push button|Minimise|Press" "push button|Close|Press"
    e2e_assert_tab_walk "Color Spy" "frame|Color" "push button|Start" "push button|Close"
}

# The accessibility walk once, on the plain desktop.
WALK=false
[[ $SHIFT_X == 0 && -z ${OMBRIX_E2E_XFT_DPI:-}${OMBRIX_E2E_MONITORS:-} ]] && WALK=true
e2e_start_desktop
e2e_needs_all root-pixels "Color Spy's samples of the screen (test_color_spy_wayland.sh picks through the portal)"
! $WALK || e2e_start_accessibility_bus
# OMBRIX_E2E_XFT_DPI gives the desktop another font resolution and asks Qt to
# scale by 2, as a high-DPI desktop would (test_color_spy_hidpi.sh).
if [[ -n ${OMBRIX_E2E_XFT_DPI:-} ]]; then
    echo "Xft.dpi: $OMBRIX_E2E_XFT_DPI" | xrdb -merge
    export QT_SCALE_FACTOR=2
fi
paint_square "#123456" $((700 + SHIFT_X)) 300 blue
read -r BLUE_X BLUE_Y <<<"$SQUARE_X $SQUARE_Y"
e2e_paint_window "#123457" $((BLUE_X + 1)) $((BLUE_Y + 1)) 1 1 dot >/dev/null ||
    e2e_fatal "the dot appears"
paint_square "#FF0000" $((700 + SHIFT_X)) 600 red
read -r RED_X RED_Y <<<"$SQUARE_X $SQUARE_Y"
check_opens
check_enter_before_start
! $WALK || check_accessible
check_samples "$BLUE_X" "$BLUE_Y" "$RED_X" "$RED_Y"
check_enter_after_leaving "$BLUE_X" "$BLUE_Y" "$RED_X" "$RED_Y"
[[ -z ${OMBRIX_E2E_MONITORS:-} ]] || check_without_primary "$BLUE_X" "$BLUE_Y"
check_close_and_reopen
