# shellcheck shell=bash
# shellcheck disable=SC2034  # SPY, MIXER, SQUARE_X ... are read by the test scripts
# Helpers for the tests of the ruler's companion windows (Color Spy, Color
# Mixer, About box), sourced after harness.sh, on top of the ruler's: the
# companions found by title, places inside them given in the design's twips,
# and their closing and reopening.
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "${BASH_SOURCE[0]}")/ruler.sh"

# start_ruler_aside: start_ruler; unless a place is stored, in the screen's
# corner, since the ruler stays above the tools and would cover them where the
# window manager puts it.
start_ruler_aside() {
    e2e_store_value X_L >/dev/null || ruler_place 0 0
    start_ruler
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

# open_companion KEY TITLE_REGEX: opens a Utilities entry; COMPANION is the
# window that shows.
open_companion() {
    COMPANION=$(utilities_window "$1" "$2") ||
        e2e_fatal "Utilities > $1 shows a window titled /$2/"
}

# open_spy: SPY is the Color Spy's window.
open_spy() {
    open_companion s '^Color Spy$'
    SPY=$COMPANION
}

# Places in Color Spy.
SPY_SWATCH=(98 46)     # middle of Picture1, 277, 540, 2400 x 320 twips
SPY_BACKGROUND=(8 200) # left of the readout groups: Image1 only
SPY_POSITION_GROUP=(100 270) # inside the group of X Pos and Y Pos
SPY_START_BUTTON=(247 4740 1095 350)

# spy_lines DECIMAL HEX RGB RED GREEN BLUE VB QB X Y: the text Color Spy copies.
spy_lines() {
    printf 'Decimal - %s\r\nHex - %s\r\nRGB # - %s\r\nRed Value  - %s\r\nGreen Value - %s\r\n' \
        "$1" "$2" "$3" "$4" "$5"
    printf 'Blue Value - %s\r\nVB Color - %s\r\nQB Color - %s\r\nX Pos - %s\r\nY Pos - %s' \
        "$6" "$7" "$8" "$9" "${10}"
}

press_enter_in_spy() {
    e2e_assert "the Spy has the keyboard" focus_window "$SPY"
    e2e_key Return
}

# open_mixer: MIXER is the Color Mixer's window.
open_mixer() {
    open_companion m '^Color Mixer$'
    MIXER=$COMPANION
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

# paint_square COLOUR X Y NAME: a square of 200 x 200 pixels of that colour
# at X,Y, above the managed windows; SQUARE_X SQUARE_Y is its middle.
paint_square() {
    e2e_paint_window "$1" "$2" "$3" 200 200 "$4" >/dev/null || e2e_fatal "the $4 square appears"
    SQUARE_X=$(($2 + 100))
    SQUARE_Y=$(($3 + 100))
    if e2e_lacks root-pixels; then
        return
    fi
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

MIXER_SWATCH=(309 124) # middle of Picture2: 3840, 1060, 1600 x 1600 twips in the Mixer

# mixer_swatch: the colour the middle of the Mixer's swatch shows, #RRGGBB,
# in the window's own picture, which XWayland gives too.
mixer_swatch() {
    e2e_window_pixel "$MIXER" "${MIXER_SWATCH[@]}"
}

mixer_swatch_shows() {
    [[ $(mixer_swatch) == "$1" ]]
}

# stored_colour: H1, H2 and H3 as the store holds them.
stored_colour() {
    echo "$(e2e_store_value H1) $(e2e_store_value H2) $(e2e_store_value H3)"
}

# close_and_reopen spy|mixer HOW ELEMENT...: closes the tool by a click on
# the element (left top width height in twips), or by "key KEY", checks that
# the program goes
# on and that the tool stored its place, then reopens the tool (SPY or MIXER)
# and finds it there.
close_and_reopen() {
    local tool=$1 how=$2 wid name keys x y
    shift 2
    case $tool in
    spy) wid=$SPY name=Spy keys="S_L S_T" ;;
    mixer) wid=$MIXER name=Mixer keys="M_L M_T" ;;
    esac
    read -r x y _ _ < <(e2e_geometry "$wid")
    if [[ $1 == key ]]; then
        focus_window "$wid"
        e2e_key "$2"
    else
        click_in "$wid" "$@"
    fi
    e2e_assert "the $how closes the $name" e2e_wait_until 5 e2e_window_gone "$wid"
    e2e_assert "the program goes on" xd_alive "$E2E_OMBRIX_PID"
    # shellcheck disable=SC2086  # the two keys
    check_place_stored "$x" "$y" $keys
    "open_$tool"
    e2e_assert "the $name closed by its $how reopens at $x,$y" \
        e2e_wait_until 5 at_place "$COMPANION" "$x" "$y"
}

# shoot WID NAME: with OMBRIX_E2E_SHOTS naming a directory, a picture of the
# window as the screen shows it, for the documentation.
shoot() {
    [[ -n ${OMBRIX_E2E_SHOTS:-} ]] || return 0
    local x y w h
    read -r x y w h < <(e2e_geometry "$1")
    mkdir -p "$OMBRIX_E2E_SHOTS"
    # XWayland refuses the root window but gives each window's own picture.
    import -window root -crop "${w}x$h+$x+$y" +repage "$OMBRIX_E2E_SHOTS/$2.png" 2>/dev/null ||
        import -window "$1" "$OMBRIX_E2E_SHOTS/$2.png"
}
