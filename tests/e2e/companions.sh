# shellcheck shell=bash
# shellcheck disable=SC2034  # RULER, RX, RY ... are read by the test scripts
# Helpers for the tests of the ruler's companion windows (Color Spy, Color
# Mixer, About box), sourced after harness.sh: the ruler started and found,
# its context menu driven from the keyboard, the companions found by title,
# and places inside them given in the design's twips.

# start_ruler: starts the program and sets RULER (the ruler's window) and its
# place RX RY. Unless a place is stored, the ruler, which stays above the
# tools, starts in the screen's corner, out of their way.
start_ruler() {
    if ! e2e_store_value X_L >/dev/null; then
        e2e_store_put X_L 0
        e2e_store_put X_T 0
    fi
    e2e_start_ombrix "$@"
    RULER=$(e2e_wait_window "$E2E_OMBRIX_PID") || e2e_fatal "the ruler's window appears"
    # Let the start-up settle: the title bar goes and the stored place applies.
    sleep 0.5
    read -r RX RY _ _ < <(e2e_geometry "$RULER")
}

# px TWIPS: the pixel offset of a design position.
px() {
    echo $(($1 / 15))
}

# click_in WID LEFT TOP WIDTH HEIGHT: clicks the middle of an element placed
# at those twips in the window.
click_in() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$1")
    e2e_click $((x + ($2 + $4 / 2) / 15)) $((y + ($3 + $5 / 2) / 15))
}

# move_in WID X Y: the pointer to that pixel of the window.
move_in() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$1")
    e2e_move $((x + $2)) $((y + $3))
}

window_count() {
    e2e_windows "$E2E_OMBRIX_PID" | wc -l
}

window_count_is() {
    [[ $(window_count) == "$1" ]]
}

# ruler_menu: opens the ruler's context menu with a right press on its face
# and waits for the pop-up.
ruler_menu() {
    local before
    before=$(window_count)
    e2e_move $((RX + 200)) $((RY + 40))
    xdotool click 3
    e2e_wait_until 5 window_count_is $((before + 1)) || e2e_fatal "the ruler's menu opens"
    e2e_pause
}

# ruler_command KEY: the top-level menu entry with that access key.
ruler_command() {
    ruler_menu
    e2e_key "$1"
}

# utilities_command KEY: an entry of "Utilities", which has no access key of
# its own (its "u" belongs to "C&urrent"): three steps down, then right.
utilities_command() {
    local before
    ruler_menu
    before=$(window_count)
    e2e_key Down Down Down Right
    e2e_wait_until 5 window_count_is $((before + 1)) || e2e_fatal "the Utilities submenu opens"
    e2e_pause
    e2e_key "$1"
}

# open_companion KEY TITLE_REGEX: opens a Utilities entry; COMPANION is the
# window that shows.
open_companion() {
    utilities_command "$1"
    COMPANION=$(e2e_wait_window "$2") || e2e_fatal "a window titled /$2/ appears"
}

# open_spy: SPY is the Color Spy's window.
open_spy() {
    open_companion s '^Color Spy$'
    SPY=$COMPANION
}

# open_mixer: MIXER is the Color Mixer's window.
open_mixer() {
    open_companion m '^Color Mixer$'
    MIXER=$COMPANION
}

# move_window WID X Y: the window manager moves the window there.
move_window() {
    xdotool windowmove "$1" "$2" "$3"
    e2e_wait_until 5 at_place "$1" "$2" "$3" || e2e_fail "the window moves to $2,$3"
}

at_place() {
    local x y
    read -r x y _ _ < <(e2e_geometry "$1")
    [[ "$x $y" == "$2 $3" ]]
}

# focus_window WID: the window gets the keyboard.
focus_window() {
    e2e_has_focus "$1" && return 0
    timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null
    e2e_wait_until 2 e2e_has_focus "$1"
}

# check_place_stored X Y LEFT_KEY TOP_KEY: the stored edges are that place
# in twips.
check_place_stored() {
    e2e_assert_eq "$(($1 * 15)) $(($2 * 15))" "$(e2e_store_value "$3") $(e2e_store_value "$4")" \
        "$3 and $4 hold the window's place $1,$2 in twips"
}

# check_not_stored KEY...
check_not_stored() {
    local key
    for key in "$@"; do
        e2e_assert_not "$key is not stored" e2e_store_value "$key"
    done
}

pixel_is() {
    [[ $(e2e_pixel "$1" "$2") == "$3" ]]
}

# paint_square COLOUR X Y NAME: an ImageMagick window of 200 x 200 pixels of
# that colour with its frame at X,Y; SQUARE_X SQUARE_Y is its middle.
paint_square() {
    local file=$E2E_TMP/$4.png wid x y w h
    convert -size 200x200 "xc:$1" "$file"
    e2e_spawn display -geometry "+$2+$3" "$file"
    wid=$(e2e_wait_window "$4\.png") || e2e_fatal "the $4 square appears"
    read -r x y w h < <(e2e_geometry "$wid")
    SQUARE_X=$((x + w / 2))
    SQUARE_Y=$((y + h / 2))
    e2e_wait_until 5 pixel_is "$SQUARE_X" "$SQUARE_Y" "$1" || e2e_fatal "the $4 square is painted"
}

clipboard_is() {
    [[ $(e2e_clipboard_hex) == $(printf '%s' "$1" | e2e_hex) ]]
}

# check_clipboard TEXT MSG: waits for the clipboard to hold exactly TEXT.
check_clipboard() {
    e2e_wait_until 5 clipboard_is "$1"
    e2e_assert_clipboard "$1" "$2"
}

# shoot WID NAME: with OMBRIX_E2E_SHOTS naming a directory, a picture of the
# window as the screen shows it, for the documentation.
shoot() {
    [[ -n ${OMBRIX_E2E_SHOTS:-} ]] || return 0
    local x y w h
    read -r x y w h < <(e2e_geometry "$1")
    mkdir -p "$OMBRIX_E2E_SHOTS"
    import -window root -crop "${w}x$h+$x+$y" +repage "$OMBRIX_E2E_SHOTS/$2.png"
}
