# shellcheck shell=bash
# shellcheck disable=SC2034  # X Y W H are read by the test scripts
# shellcheck disable=SC2046  # "at" gives the two words X Y on purpose
# Helpers for the end-to-end tests of the ruler window, sourced after
# harness.sh. Points are relative to the ruler's top-left corner, in pixels
# (design twips / 15).

RULER_FACE="100 40"      # on the horizontal face, clear of every control
RULER_FACE_V="55 300"    # on the vertical face, below its title image
RULER_THUMB="124 59"     # the centre of Slider1's thumb at its start position 6000
RULER_THUMB_MAX_X=343    # the thumb's centre at the slider's maximum, 24000
RULER_MOVE_LEFT="17 59"  # chameleonButton1, "Move left"
RULER_MOVE_RIGHT="35 59" # chameleonButton4, "Move right"

# Caption pictures, 21 x 21 at y 4, placed from the right edge W (pixels).
ruler_toggle_x() { echo $((($1 * 15 - 1045 + 7) / 15)); }
ruler_minimize_x() { echo $((($1 * 15 - 730 + 7) / 15)); }
ruler_close_x() { echo $((($1 * 15 - 415 + 7) / 15)); }

# ruler_place X Y: stores the place the next start applies.
ruler_place() {
    e2e_store_put X_L $(($1 * 15))
    e2e_store_put X_T $(($2 * 15))
}

# start_ruler [X Y]: starts the program (at that place, when given) and sets
# WID and the geometry X Y W H.
start_ruler() {
    [[ $# -eq 2 ]] && ruler_place "$1" "$2"
    e2e_start_ombrix
    WID=$(e2e_wait_window "$E2E_OMBRIX_PID") || e2e_fatal "the ruler's window appears"
    if [[ $# -eq 2 ]]; then
        e2e_wait_geometry "$WID" "$1 $2 400 84" || e2e_fatal "the ruler opens at $1,$2"
    else
        # The title bar goes and the window settles at its outer size.
        e2e_wait_until 5 ruler_is_strip || e2e_fatal "the ruler settles at 400 x 84"
    fi
    ruler_read_geometry
}

ruler_is_strip() {
    [[ $(e2e_geometry "$WID" | cut -d' ' -f3-) == "400 84" ]]
}

ruler_read_geometry() {
    read -r X Y W H < <(e2e_geometry "$WID")
}

# at DX DY: the screen point DX, DY from the ruler's corner.
at() {
    echo $((X + $1)) $((Y + $2))
}

# ruler_popups: the viewable pop-up menus of the program (its override-redirect
# windows other than the ruler and its tooltips), as "id x y w h" lines.
ruler_popups() {
    local wid
    for wid in $(e2e_windows "$E2E_OMBRIX_PID"); do
        [[ $wid == "$WID" ]] && continue
        xprop -id "$wid" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && continue
        xwininfo -id "$wid" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        echo "$wid $(e2e_geometry "$wid")"
    done
}

popup_count_is() {
    [[ $(ruler_popups | grep -c .) -eq $1 ]]
}

# menu_at_pointer: a pop-up menu has its top-left corner at the pointer.
menu_at_pointer() {
    local pointer
    pointer=$(e2e_pointer)
    ruler_popups | awk -v p="$pointer" '$2 " " $3 == p { found = 1 } END { exit !found }'
}

# open_menu DX DY: a right click there; waits for the context menu.
open_menu() {
    e2e_click $(at "$1" "$2") 3
    e2e_wait_until 5 menu_at_pointer
}

# open_submenu KEY: the mnemonic of a submenu entry of the open menu.
open_submenu() {
    local before
    before=$(ruler_popups | grep -c .)
    e2e_key "$1"
    e2e_wait_until 5 popup_count_is $((before + 1))
}

menus_closed() {
    popup_count_is 0
}

# menu_command DX DY KEY...: opens the menu there and types the keys; waits
# until every menu has closed.
menu_command() {
    local dx=$1 dy=$2
    shift 2
    open_menu "$dx" "$dy" || return 1
    e2e_key "$@"
    e2e_wait_until 5 menus_closed
}

# copy_readouts DX DY: "C&urrent" > "&Copy to Clipboard" from the menu opened
# at DX, DY.
copy_readouts() {
    open_menu "$1" "$2" || return 1
    open_submenu u || return 1
    e2e_key c
    e2e_wait_until 5 menus_closed
}

# check_copy_kept TEXT MSG: after the program's end, the clipboard still
# holds exactly TEXT.
check_copy_kept() {
    e2e_wait_until 5 e2e_clipboard_holds "$(printf '%s' "$1" | e2e_hex)"
    e2e_assert_clipboard "$1" "$2"
}

# asset_pixel NAME X Y: the colour of a pixel of assets/NAME.png as #RRGGBB.
asset_pixel() {
    convert "$OMBRIX_SOURCE_DIR/assets/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        grep -o -m 1 '#[0-9A-Fa-f]\{6\}' | tr 'a-f' 'A-F'
}

pixel_is() {
    [[ $(e2e_pixel "$1" "$2") == "$3" ]]
}
