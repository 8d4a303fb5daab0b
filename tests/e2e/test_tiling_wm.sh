#!/usr/bin/env bash
# Under the tiling window manager i3 every window of the program floats at
# its designed size instead of filling a tile of the screen: the ruler, Color
# Spy, Color Mixer and the About box, each with size hints that fix it there
# and a utility or dialog type. The ruler's slider and its turn to vertical
# still change its size, and the hints follow.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck disable=SC2046,SC2086  # "at" and the points give the two words X Y on purpose
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

# fixed_size WID: "W H" when the size hints' smallest and largest sizes agree.
fixed_size() {
    xprop -id "$1" WM_NORMAL_HINTS 2>/dev/null | awk '
        /minimum size:/ { min = $(NF - 2) " " $NF }
        /maximum size:/ { max = $(NF - 2) " " $NF }
        END { if (min != "" && min == max) print min }'
}

size_is() {
    [[ $(e2e_geometry "$1" | cut -d' ' -f3-) == "$2" ]]
}

# check_floats WID "W H" TYPE NAME: the window has that size, no tile or
# frame of i3 around it, hints fixing that size, and that window type first.
check_floats() {
    local wid=$1 size=$2 type=$3 name=$4 outer
    e2e_wait_until 5 size_is "$wid" "$size"
    e2e_assert_eq "$size" "$(e2e_geometry "$wid" | cut -d' ' -f3-)" "$name is $size pixels"
    outer=$(e2e_outer_geometry "$wid")
    e2e_assert_eq "$size" "${outer#* * }" "$name floats: i3 gave it no tile of the screen"
    e2e_assert_eq "$size" "$(fixed_size "$wid")" "$name's size hints fix it at $size"
    e2e_assert_match "= _NET_WM_WINDOW_TYPE_$type," "$(xprop -id "$wid" _NET_WM_WINDOW_TYPE)" \
        "$name is a window of type $type"
}

check_ruler_slider() {
    local before after x y
    read -r _ _ before _ < <(e2e_geometry "$WID")
    local thumb_x thumb_y
    read -r thumb_x thumb_y <<<"$RULER_THUMB"
    e2e_drag $(at "$thumb_x" "$thumb_y") $(at $((thumb_x + 60)) "$thumb_y")
    read -r x y after _ < <(e2e_geometry "$WID")
    e2e_assert "dragging the slider widens the ruler ($before to $after pixels)" \
        test "$after" -gt "$before"
    e2e_assert_eq "$X $Y" "$x $y" "the widened ruler keeps its left edge"
    check_floats "$WID" "$after 84" UTILITY "the widened ruler"
}

# Each companion opens over the ruler in the middle of the screen and is moved
# off it, so that the next clicks reach the ruler.
OMBRIX_E2E_WM=i3 e2e_start_desktop 1280x1024
start_ruler
check_floats "$WID" "400 84" UTILITY "the ruler"
check_ruler_slider
open_spy
check_floats "$SPY" "197 349" UTILITY "Color Spy"
move_window "$SPY" 0 0
open_mixer
check_floats "$MIXER" "387 301" UTILITY "Color Mixer"
move_window "$MIXER" 880 0
menu_command $RULER_FACE a
ABOUT=$(e2e_wait_window '^About Ombrix$') || e2e_fatal "the About box appears"
check_floats "$ABOUT" "384 293" DIALOG "the About box"
move_window "$ABOUT" 880 700
menu_command $RULER_FACE v
check_floats "$WID" "84 400" UTILITY "the vertical ruler"
