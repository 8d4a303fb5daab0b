#!/usr/bin/env bash
# The ruler's first start, and what its exits leave in the
# settings store: a saving exit by the close caption button, a later start at
# the stored place with the stored unit, the window manager's close (which
# saves too), and the click on the bottom edge bar that saves nothing; the
# copied measurement's words in the user's language, its numbers in the
# locale's.
# shellcheck disable=SC2119  # the harness's arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "$0")/ruler.sh"


# check_units_stored PIX POINTS CHARAC INCH MILLI CENTI TWIPS
check_units_stored() {
    local expected=("$@") i
    for i in "${!UNIT_KEYS[@]}"; do
        e2e_assert_eq "${expected[i]}" "$(e2e_store_value "${UNIT_KEYS[i]}")" \
            "${UNIT_KEYS[i]} is stored"
    done
}

check_first_start() {
    e2e_assert_not "the store is empty before the first start" test -e "$(e2e_store_file)"
    e2e_assert "the program shows one window, 6000 x 1260 twips" ruler_starts || exit 1
    e2e_assert_eq " Ombrix" "$(e2e_title "$WID")" "the window's title"
    e2e_assert "the window manager put no frame around the window" e2e_unframed "$WID"
    local extents
    if extents=$(e2e_frame_extents "$WID"); then
        e2e_assert_eq "0 0 0 0" "$extents" "the window's frame extents"
    fi
    e2e_assert_above "$WID" "the window is kept above"
    e2e_assert_not "nothing stored, the window manager places the ruler" \
        e2e_asks_for_place "$WID"
}

check_saving_exit() {
    # The close caption button lies 415 twips in from the right edge, 60
    # down: at 372, 4 pixels, 21 x 21, on the ruler of 400 pixels.
    e2e_click $((X + 386)) $((Y + 14))
    e2e_assert "the close caption button ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq 0 "$E2E_EXIT_STATUS" "the program's exit status"
    check_units_stored True False False False False False False
    e2e_assert_eq $((X * 15)) "$(e2e_store_value X_L)" "X_L is the left edge in twips"
    e2e_assert_eq $((Y * 15)) "$(e2e_store_value X_T)" "X_T is the top edge in twips"
}

check_start_at_stored_place() {
    e2e_store_put Pix False
    e2e_store_put Points True
    e2e_store_put X_L 1500
    e2e_store_put X_T 3000
    start_ruler
    e2e_assert_eq "100 200 400 84" "$X $Y $W $H" "the ruler starts at the stored place"
    # Moved since the start, the ruler stores where it is now.
    move_window "$WID" 150 250
    e2e_assert "the window manager closes the ruler" e2e_wm_close "$WID"
    e2e_assert "the window manager's close ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq 0 "$E2E_EXIT_STATUS" "the program's exit status"
    check_units_stored False True False False False False False
    e2e_assert_eq 2250 "$(e2e_store_value X_L)" "X_L is the left edge where the ruler was moved"
    e2e_assert_eq 3750 "$(e2e_store_value X_T)" "X_T is the top edge where the ruler was moved"
}

check_exit_without_saving() {
    e2e_store_put X_L 3000
    e2e_store_put X_T 1500
    cp "$(e2e_store_file)" "$E2E_TMP/before.conf"
    start_ruler
    e2e_assert_eq "200 100" "$X $Y" "the ruler starts at the newly stored place"
    # The bottom edge bar runs along the window 40 twips above its foot.
    e2e_click $((X + 200)) $((Y + H - 6))
    e2e_assert "a click on the bottom edge bar ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq 0 "$E2E_EXIT_STATUS" "the program's exit status"
    e2e_assert "that exit left the store as it was" cmp -s "$E2E_TMP/before.conf" "$(e2e_store_file)"
}

# The environment of each start (env's arguments), then the copy of a
# ruler measuring in inches: LANGUAGE chooses the words before the locale,
# except in the C locale, as gettext does.
LANGUAGE_TABLE=(
    "-u LC_ALL LANG=de_DE.UTF-8|Breite:  4,2 Zoll"$'\r\n'"Höhe:   Zoll"
    "-u LC_ALL LANG=fr_FR.UTF-8|Largeur :  4,2 Pouces"$'\r\n'"Hauteur :   Pouces"
    "LC_ALL=de_DE.UTF-8 LANGUAGE=en|Width:  4,2 Inches"$'\r\n'"Height:   Inches"
    "-u LC_ALL LANG=en_GB.UTF-8 LANGUAGE=fr:de|Largeur :  4.2 Pouces"$'\r\n'"Hauteur :   Pouces"
    "LC_ALL=C LANGUAGE=de|Width:  4.2 Inches"$'\r\n'"Height:   Inches"
)

# copy_by_arrows: "C&urrent" > "&Copy to Clipboard" reached by the arrow
# keys, which do not change with the language.
copy_by_arrows() {
    # shellcheck disable=SC2086  # the point splits into X Y on purpose
    open_menu $RULER_FACE && open_submenu Down Down Right && e2e_key Return &&
        e2e_wait_until 5 menus_closed
}

check_languages() {
    local row environment expected thumb_x thumb_y words
    read -r thumb_x thumb_y <<<"$RULER_THUMB"
    e2e_store_put Points False
    e2e_store_put Inch True
    for row in "${LANGUAGE_TABLE[@]}"; do
        environment=${row%%|*}
        expected=${row#*|}
        read -ra words <<<"$environment"
        E2E_OMBRIX_ENV=("${words[@]}" QT_QPA_PLATFORM=xcb)
        start_ruler
        # The thumb held a moment fills the readouts.
        e2e_move $((X + thumb_x)) $((Y + thumb_y))
        xdotool mousedown 1
        sleep 0.2
        xdotool mouseup 1
        e2e_pause
        e2e_assert "the menu's copy runs ($environment)" copy_by_arrows
        e2e_assert_clipboard "$expected" "the copy under $environment"
        e2e_assert "the window manager closes the ruler" e2e_wm_close "$WID"
        e2e_wait_exit "$E2E_OMBRIX_PID"
    done
    E2E_OMBRIX_ENV=(QT_QPA_PLATFORM=xcb)
}

e2e_start_desktop
check_first_start
check_saving_exit
check_start_at_stored_place
check_exit_without_saving
check_languages
