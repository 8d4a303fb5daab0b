# shellcheck shell=bash
# shellcheck disable=SC2034  # X Y W H are read by the test scripts
# shellcheck disable=SC2046,SC2086  # "at" and the points give the two words X Y on purpose
# Helpers for the end-to-end tests of the ruler window, sourced after
# harness.sh: the program started and its ruler found, its context menu
# driven from the keyboard. Points are relative to the ruler's top-left
# corner, in pixels (design twips / 15).

RULER_FACE="100 40"      # on the horizontal face, clear of every control
RULER_FACE_V="55 300"    # on the vertical face, below its title image
RULER_FACE_V_TOP="70 100" # high on the vertical face, right of the nudge buttons
RULER_THUMB="124 59"     # the centre of Slider1's thumb at its start position 6000
RULER_THUMB_MAX_X=343    # the thumb's centre at the slider's maximum, 24000
RULER_MOVE_LEFT="17 59"  # chameleonButton1, "Move left"
RULER_MOVE_RIGHT="35 59" # chameleonButton4, "Move right"
UNIT_KEYS=(Pix Points Charac Inch Milli Centi Twips) # the stored unit ticks

# Caption pictures, 21 x 21 at y 4, placed from the right edge W (pixels).
ruler_toggle_x() { echo $((($1 * 15 - 1045 + 7) / 15)); }
ruler_minimize_x() { echo $((($1 * 15 - 730 + 7) / 15)); }
ruler_close_x() { echo $((($1 * 15 - 415 + 7) / 15)); }

CAPTION_PROBE=(10 5) # a pixel of the caption pictures that tells their looks apart

# caption_pixel WID X: that pixel of the caption picture at X (top 4) in the
# window, read from the window's own picture, which XWayland gives too.
caption_pixel() {
    e2e_window_pixel "$1" $(($2 + CAPTION_PROBE[0])) $((4 + CAPTION_PROBE[1]))
}

caption_shows() {
    [[ $(caption_pixel "$1" "$2") == "$3" ]]
}

# caption_assert WID BUTTON_X PICTURE MSG: the caption picture at BUTTON_X
# in the window shows assets/PICTURE.png.
caption_assert() {
    local expected
    expected=$(asset_pixel "$3" "${CAPTION_PROBE[@]}")
    if e2e_wait_until 3 caption_shows "$1" "$2" "$expected"; then
        e2e_pass "$4"
    else
        e2e_fail "$4: $(caption_pixel "$1" "$2") instead of $3's $expected"
    fi
}

# ruler_place X Y: stores the place the next start applies.
ruler_place() {
    e2e_store_put X_L $(($1 * 15))
    e2e_store_put X_T $(($2 * 15))
}

# start_ruler [X Y]: starts the program (at that place, when given) and sets
# WID and the geometry X Y W H; the test ends when the ruler does not show.
start_ruler() {
    ruler_starts "$@" || e2e_fatal "the ruler starts${1:+ at $1,$2}, alone, 400 x 84"
}

# ruler_starts [X Y]: start_ruler, failing instead of ending the test.
ruler_starts() {
    [[ $# -eq 2 ]] && ruler_place "$1" "$2"
    e2e_start_ombrix
    ruler_settles "$@"
}

# ruler_settles [X Y]: the started program shows its ruler (at that place,
# when given) and nothing else; sets WID and X Y W H.
ruler_settles() {
    WID=$(e2e_wait_window "$E2E_OMBRIX_PID") || return 1
    if [[ $# -eq 2 ]]; then
        e2e_wait_geometry "$WID" "$1 $2 400 84" || return 1
    else
        # The title bar goes and the window settles at its outer size.
        e2e_wait_until 5 ruler_is_strip || return 1
    fi
    sleep 0.3 # anything else it shows by itself would be mapped by now
    [[ $(window_count) == 1 ]] || return 1
    ruler_read_geometry
}

# drag_thumb X Y DX: presses the horizontal slider's thumb at X Y (from the
# ruler's corner), drags it DX pixels right in steps of 5 and lets go.
drag_thumb() {
    local x=$1 y=$2 dx=$3 i
    e2e_move $(at "$x" "$y")
    xdotool mousedown 1
    e2e_pause
    for ((i = 5; i <= dx; i += 5)); do
        e2e_move $(at $((x + i)) "$y")
    done
    xdotool mouseup 1
    e2e_pause
}

# move_window WID X Y: the window manager moves the window there; where it
# moves no window on request, the rest of the script is skipped.
move_window() {
    e2e_needs_all own-moves "the rest of $E2E_NAME, which moves windows where it needs them"
    xdotool windowmove "$1" "$2" "$3"
    e2e_wait_until 5 at_place "$1" "$2" "$3" || e2e_fail "the window moves to $2,$3"
}

at_place() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$1")
    [[ "$x $y" == "$2 $3" ]]
}

# window_count: the viewable windows of the program.
window_count() {
    e2e_windows "$E2E_OMBRIX_PID" | wc -l
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
    e2e_wait_until 5 menu_at_pointer || return 1
    # The menu takes the keyboard a moment after it is mapped.
    e2e_pause
}

# open_submenu KEY...: the keys that open a submenu of the open menu, its
# mnemonic or the arrows that reach it.
open_submenu() {
    local before
    before=$(ruler_popups | grep -c .)
    e2e_key "$@"
    e2e_wait_until 5 popup_count_is $((before + 1)) || return 1
    e2e_pause
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

# utilities_command KEY: an entry of "Utilities", which has no access key of
# its own (its "u" belongs to "C&urrent"): three steps down, then right.
utilities_command() {
    open_menu $RULER_FACE && open_submenu Down Down Down Right && e2e_key "$1"
}

# utilities_window KEY TITLE_REGEX: chooses that Utilities entry and prints
# the id of the window titled so that shows. On a loaded machine a key can
# reach the menu before it holds the keyboard, so the menus are closed and
# the entry chosen again when no window shows.
utilities_window() {
    local attempt
    for attempt in 1 2 3; do
        utilities_command "$1" && e2e_wait_window "$2" 5 && return
        e2e_key Escape Escape
        e2e_wait_until 5 menus_closed
    done
    return 1
}

# close_ruler: "Cl&ose" from the context menu; waits for the program's end
# with status 0. On a loaded machine the key can reach the menu before it
# holds the keyboard, so the menu is opened again when the program is still
# there.
close_ruler() {
    local attempt
    for attempt in 1 2 3; do
        open_menu $RULER_FACE || continue
        e2e_key o
        if e2e_wait_exit "$E2E_OMBRIX_PID" 5; then
            ((E2E_EXIT_STATUS == 0))
            return
        fi
        e2e_key Escape
    done
    return 1
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
