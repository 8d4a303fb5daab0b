#!/usr/bin/env bash
# The program's windows on the desktop $OMBRIX_E2E_WM (ctest runs this once
# for each profile in desktops/). The ruler, Color Spy and Color Mixer are
# normal windows fixed at their size, which the tiling i3 floats and every
# desktop gives a task-bar entry: first placed by the window manager, each
# can be minimised by its minimise picture and is restored by the window
# manager, and moves by a drag; the ruler stays above an ordinary window
# raised over it, moves by its nudge buttons and keeps floating at every
# length. The pins take one window out of the top band and leave the others
# there. The About box is a normal window at its size.
#
# What a desktop refuses every window (its profile's DESKTOP_LACKS, as
# measured with plain windows) is skipped there for that reason. The moves
# the window manager runs are dragged with e2e_wm_drag, by the compositor's
# seat pointer where XTEST input never reaches it; where the harness cannot
# drive that pointer either (seat-drag), the windows are moved by asking the
# window manager instead. Where XWayland keeps the screen from clients,
# "above" is read from the window manager's stacking order instead of the
# screen's pixels.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck disable=SC2046,SC2086  # "at" and the points give the two words X Y on purpose
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

DESKTOP=$E2E_DESKTOP
E2E_NAME=test_desktop_$DESKTOP
# Places that keep the windows apart and the ruler clear of the screen's
# edges however long it grows: the ruler's stored before its second start,
# the tools' reached by a drag.
RULER_AT=(100 100)
SCREEN_W=1280
SPY_AT=(100 400)
MIXER_AT=(700 400)
# Caption pictures, left edges in pixels at top 4.
SPY_CAPTIONS=(118 142)   # pin, minimise
MIXER_CAPTIONS=(306 333) # pin, minimise
TITLE_STRIP=(60 8)       # on the title strip of both tools, clear of its text

supports() {
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -qw -- "$1"
}

above() {
    e2e_has_state "$1" _NET_WM_STATE_ABOVE
}

not_above() {
    ! above "$1"
}

size_of() {
    e2e_geometry "$1" | cut -d' ' -f3-
}

size_is() {
    [[ $(size_of "$1") == "$2" ]]
}

# check_window WID "W H" NAME: a normal window that floats at its own size,
# with a task-bar entry.
check_window() {
    local wid=$1 size=$2 name=$3 types margins
    e2e_wait_until 5 size_is "$wid" "$size"
    e2e_assert_eq "$size" "$(size_of "$wid")" "$name is $size pixels"
    e2e_assert_eq "$size" "$(e2e_fixed_size "$wid")" "$name's size hints fix it at $size"
    margins=$(e2e_frame_margins "$wid")
    e2e_assert "$name floats: no tile or frame around it (margins $margins)" e2e_unframed "$wid"
    types=$(xprop -id "$wid" _NET_WM_WINDOW_TYPE)
    e2e_assert_match '_NET_WM_WINDOW_TYPE_NORMAL' "$types" "$name is a normal window"
    e2e_assert_eq "" "$(grep -oE '_NET_WM_WINDOW_TYPE_(UTILITY|DIALOG|TOOLBAR|SPLASH|DOCK|MENU)' \
        <<<"$types")" "$name has no other standard type"
    e2e_assert_not "$name keeps its task-bar entry" e2e_has_state "$wid" _NET_WM_STATE_SKIP_TASKBAR
    if supports _NET_WM_ACTION_MINIMIZE; then
        e2e_assert_match '_NET_WM_ACTION_MINIMIZE' "$(xprop -id "$wid" _NET_WM_ALLOWED_ACTIONS)" \
            "$DESKTOP lets $name be minimised"
    fi
}

# ---- first start: the window manager places every window ------------------

check_ruler_first_place() {
    start_ruler
    e2e_assert_not "nothing stored, $DESKTOP places the ruler" e2e_asks_for_place "$WID"
    check_window "$WID" "400 84" "the ruler"
    if e2e_needs own-moves "Color Spy's first place beside the ruler"; then
        open_spy
        e2e_assert "nothing stored, Color Spy opens clear of the ruler" \
            e2e_wait_until 5 apart "$WID" "$SPY"
    fi
    xd_stop "$E2E_OMBRIX_PID"
}

# apart WID1 WID2: the two windows do not overlap.
apart() {
    local ax ay aw ah bx by bw bh
    read -r ax ay aw ah < <(e2e_geometry "$1")
    read -r bx by bw bh < <(e2e_geometry "$2")
    ((ax + aw <= bx || bx + bw <= ax || ay + ah <= by || by + bh <= ay))
}

# ---- the ruler --------------------------------------------------------------

# The ruler lies over an ordinary window that is raised and activated.
check_stays_above() {
    if supports _NET_WM_STATE_ABOVE; then
        e2e_assert "the ruler is kept above" above "$WID"
    fi
    e2e_needs above "the ruler over a raised window" || return 0
    local cover viewer cx cy
    convert -size 300x200 "xc:#123456" "$E2E_TMP/cover.png"
    e2e_spawn display -geometry "+$X+$Y" "$E2E_TMP/cover.png"
    viewer=$XD_LAST_PID
    cover=$(e2e_wait_window 'cover\.png') || e2e_fatal "the covering window appears"
    timeout 5 xdotool windowactivate --sync "$cover" windowraise "$cover" 2>/dev/null
    e2e_pause
    if ! e2e_lacks root-pixels; then
        # The picture stands in the window's corner, which i3 makes a tile.
        read -r cx cy _ _ < <(e2e_geometry "$cover")
        e2e_assert "the covering window is painted" \
            e2e_wait_until 5 pixel_is $((cx + 150)) $((cy + 195)) "#123456"
        e2e_assert_not "the ruler shows over the raised window" \
            pixel_is $(at ${RULER_FACE}) "#123456"
    else
        e2e_assert "the raised window is stacked below the ruler" \
            e2e_wait_until 5 stacked_below "$cover" "$WID"
    fi
    xd_stop "$viewer"
}

# stacked_below LOWER UPPER: _NET_CLIENT_LIST_STACKING, bottom first.
stacked_below() {
    xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | awk -v lower="$1" -v upper="$2" '
        { for (i = 5; i <= NF; i++) { if ($i + 0 == lower) l = i; if ($i + 0 == upper) u = i } }
        END { exit !(l && u && l < u) }'
}

# drag_face_to X Y: a drag on the face that takes the ruler's corner to X,
# Y; where the compositor's moves follow only its own seat, it is asked to.
drag_face_to() {
    local face_x face_y
    read -r face_x face_y <<<"$RULER_FACE"
    if e2e_lacks seat-drag; then
        xdotool windowmove "$WID" "$1" "$2"
    else
        e2e_wm_drag $(at "$face_x" "$face_y") $(($1 + face_x)) $(($2 + face_y)) "$WID"
    fi
    e2e_wait_geometry "$WID" "$1 $2 $W $H" && ruler_read_geometry
}

# The window manager runs the face's drag, which may leave the ruler partly
# off the screen; the nudges start from where the ruler stands, even after
# the window manager refused some at the screen's edge.
check_ruler_moves() {
    local start_x=$X start_y=$Y edge_x=$((SCREEN_W - W)) kept_x
    if e2e_lacks seat-drag; then
        e2e_assert_match _NET_WM_ACTION_MOVE "$(xprop -id "$WID" _NET_WM_ALLOWED_ACTIONS)" \
            "$DESKTOP lets the ruler be moved"
    fi
    e2e_assert "a drag on the face moves the ruler by the drag's distance" \
        drag_face_to $((X + 150)) $((Y + 80))
    if e2e_needs own-moves "the ruler's nudge buttons"; then
        drag_face_to "$edge_x" "$Y" || e2e_fail "a drag takes the ruler to the screen's right edge"
        e2e_click $(at $RULER_MOVE_RIGHT)
        e2e_click $(at $RULER_MOVE_RIGHT)
        sleep 0.3
        read -r kept_x _ < <(e2e_geometry "$WID")
        e2e_click $(at $RULER_MOVE_LEFT)
        e2e_assert "Move left moves the ruler one pixel left of where Move right left it" \
            e2e_wait_geometry "$WID" "$((kept_x - 1)) $Y $W $H"
        ruler_read_geometry
    fi
    if e2e_needs seat-drag "a drag partly off the screen"; then
        # The pointer stays short of the screen's edge, where xfwm4 would
        # take the window to the next workspace; the ruler's end goes on.
        e2e_assert "a drag leaves the ruler partly off the screen" \
            drag_face_to $((SCREEN_W - 40 - ${RULER_FACE% *})) "$Y"
    fi
    drag_face_to "$start_x" "$start_y" || e2e_fail "a drag brings the ruler back"
}

# check_minimise WID MIN_X NAME: the minimise picture's press and release
# minimise the window; the window manager restores it (_NET_ACTIVE_WINDOW) at
# its place with the picture normal again.
check_minimise() {
    local wid=$1 min_x=$2 name=$3 place
    e2e_needs minimise "minimising $name" || return 0
    place=$(e2e_geometry "$wid")
    move_in "$wid" $((min_x + 3)) 10
    move_in "$wid" $((min_x + 10)) 14
    caption_assert "$wid" "$min_x" min_hover "the pointer over $name's minimise picture lights it"
    e2e_mouse mousedown 1
    e2e_pause
    e2e_mouse mouseup 1
    e2e_assert "its release minimises $name" e2e_wait_until 5 e2e_iconified "$wid"
    # Away from the picture, so that the restore cannot light it.
    e2e_move 5 5
    timeout 5 xdotool windowactivate "$wid" 2>/dev/null
    e2e_assert "$DESKTOP restores $name" e2e_wait_until 5 viewable "$wid"
    e2e_assert_eq "$place" "$(e2e_geometry "$wid")" "$name is restored at its place"
    caption_assert "$wid" "$min_x" min_normal "restored, $name's minimise picture is normal again"
}

viewable() {
    ! e2e_window_gone "$1" && ! e2e_iconified "$1"
}

# The pin takes the ruler out of the top band and puts it back.
check_ruler_pin() {
    local pin_x
    pin_x=$(ruler_toggle_x "$W")
    e2e_click $(at $((pin_x + 10)) 14)
    caption_assert "$WID" "$pin_x" top_off "the ruler's pin shows Not On Top"
    if supports _NET_WM_STATE_ABOVE; then
        e2e_assert "the pin takes the ruler out of the top band" e2e_wait_until 5 not_above "$WID"
    fi
    e2e_click $(at $((pin_x + 10)) 14)
    caption_assert "$WID" "$pin_x" top_on "the ruler's pin shows On Top again"
    if supports _NET_WM_STATE_ABOVE; then
        e2e_assert "the pin puts the ruler back in the top band" e2e_wait_until 5 above "$WID"
    fi
}

# The slider lengthens the ruler, which floats at every length and keeps its
# left edge, even past the screen's right edge where the desktop allows it.
check_slider_length() {
    local thumb_x thumb_y before place beyond past=""
    read -r thumb_x thumb_y <<<"$RULER_THUMB"
    if e2e_needs grow-off-screen "a ruler lengthened past the screen's right edge"; then
        drag_face_to $((SCREEN_W - W - 40)) "$Y" ||
            e2e_fail "a drag takes the ruler near the screen's right edge"
        past=" past the screen's right edge"
    fi
    before=$W
    place="$X $Y"
    # Longer than it was, or than the screen has room for from its left edge.
    beyond=$before
    [[ -z $past ]] || beyond=$((SCREEN_W - X))
    e2e_drag $(at "$thumb_x" "$thumb_y") $(at $((thumb_x + 60)) "$thumb_y")
    sleep 0.3 # a window manager that pushes the ruler back has done it by now
    ruler_read_geometry
    e2e_assert "dragging the slider lengthens the ruler$past ($before to $W pixels)" \
        test "$W" -gt "$beyond"
    e2e_assert_eq "$place" "$X $Y" "the lengthened ruler keeps its left edge"
    check_window "$WID" "$W 84" "the lengthened ruler"
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    check_clipboard "Width:  $W Pixels"$'\r\n'"Height:   Pixels" \
        "the ruler measures its own width, whatever $DESKTOP keeps round it"
}

# ---- the tools --------------------------------------------------------------

# open_tool spy|mixer "W H" NAME X Y: the tool opens where the window
# manager places it, a normal window at its size, and a drag on its title
# strip takes it to X, Y.
open_tool() {
    local tool=$1 size=$2 name=$3 wid x y w h how
    "open_$tool"
    wid=$COMPANION
    e2e_assert_not "nothing stored, $DESKTOP places $name" e2e_asks_for_place "$wid"
    check_window "$wid" "$size" "$name"
    read -r x y w h < <(e2e_geometry "$wid")
    if ! e2e_needs seat-drag "a drag on $name's title strip"; then
        e2e_assert_match _NET_WM_ACTION_MOVE "$(xprop -id "$wid" _NET_WM_ALLOWED_ACTIONS)" \
            "$DESKTOP lets $name be moved"
        xdotool windowmove "$wid" "$4" "$5"
        how="$DESKTOP, asked,"
    else
        e2e_wm_drag $((x + TITLE_STRIP[0])) $((y + TITLE_STRIP[1])) \
            $(($4 + TITLE_STRIP[0])) $(($5 + TITLE_STRIP[1])) "$wid"
        how="a drag on its title strip"
    fi
    e2e_assert "$how takes $name to $4,$5" e2e_wait_geometry "$wid" "$4 $5 $w $h" ||
        echo "  $name is at $(e2e_geometry "$wid")"
}

# check_late_drag WID NAME: the program hears of a title-strip press only
# after the pointer has travelled; the window still moves by the whole travel.
check_late_drag() {
    local wid=$1 name=$2 x y w h pid from_x from_y
    [[ -z ${DESKTOP_SEAT:-} ]] || {
        e2e_skip "$name dragged while busy ($DESKTOP: the drag is its seat's)" && return 0
    }
    read -r x y w h < <(e2e_geometry "$wid")
    pid=$(xdotool getwindowpid "$wid") || e2e_fatal "$name's process is known"
    from_x=$((x + TITLE_STRIP[0])) from_y=$((y + TITLE_STRIP[1]))
    e2e_move "$from_x" "$from_y"
    kill -STOP "$pid"
    e2e_mouse mousedown 1
    e2e_move $((from_x + 30)) "$from_y"
    kill -CONT "$pid"
    # The window manager follows the pointer's next move after it takes over.
    local dragged="$((x - 60)) $((y + 40)) $w $h"
    xd_wait_until 5 pointer_drags_to "$wid" $((from_x - 60)) $((from_y + 40)) "$dragged"
    e2e_mouse mouseup 1
    e2e_assert "$name dragged while busy moves by the whole travel from the press" \
        e2e_wait_geometry "$wid" "$dragged"
}

# pointer_drags_to WID X Y GEOMETRY: the pointer to X,Y by way of a pixel
# beside it; true once the window stands at GEOMETRY.
pointer_drags_to() {
    e2e_move $(($2 + 1)) "$3"
    e2e_move "$2" "$3"
    e2e_geometry_is "$1" "$4"
}

# One of the three taken out of the band by its pin, the other two showing
# "On Top" stay there.
check_pins_hand_back() {
    click_in "$MIXER" $((MIXER_CAPTIONS[0] * 15)) 60 315 315
    caption_assert "$MIXER" "${MIXER_CAPTIONS[0]}" top_on "the Mixer's pin shows On Top"
    click_in "$SPY" $((SPY_CAPTIONS[0] * 15)) 60 315 315
    caption_assert "$SPY" "${SPY_CAPTIONS[0]}" top_on "the Spy's pin shows On Top"
    if supports _NET_WM_STATE_ABOVE; then
        e2e_assert "the Spy's pin puts it in the top band" e2e_wait_until 5 above "$SPY"
    fi
    click_in "$SPY" $((SPY_CAPTIONS[0] * 15)) 60 315 315
    caption_assert "$SPY" "${SPY_CAPTIONS[0]}" top_off "the Spy's pin shows Not On Top again"
    caption_assert "$WID" "$(ruler_toggle_x "$W")" top_on "the ruler still shows On Top"
    caption_assert "$MIXER" "${MIXER_CAPTIONS[0]}" top_on "the Mixer still shows On Top"
    if supports _NET_WM_STATE_ABOVE; then
        e2e_assert "the Spy leaves the top band" e2e_wait_until 5 not_above "$SPY"
        sleep 0.3
        e2e_assert "the ruler stays in the top band" above "$WID"
        e2e_assert "the Mixer stays in the top band" above "$MIXER"
    fi
}

check_vertical() {
    menu_command $RULER_FACE v || e2e_fail "Show Vertical is chosen from the ruler's menu"
    check_window "$WID" "84 400" "the vertical ruler"
}

# Last: weston goes on showing a closed window for a while, over the others.
check_about() {
    menu_command $RULER_FACE_V a || e2e_fatal "About is chosen from the ruler's menu"
    local about
    about=$(e2e_wait_window '^About Ombrix$') || e2e_fatal "the About box appears"
    check_window "$about" "384 293" "the About box"
}

e2e_start_desktop 1280x1024
check_ruler_first_place
start_ruler "${RULER_AT[@]}"
check_stays_above
check_ruler_moves
check_minimise "$WID" "$(ruler_minimize_x "$W")" "the ruler"
check_ruler_pin
open_tool spy "197 349" "Color Spy" "${SPY_AT[@]}"
SPY=$COMPANION
check_minimise "$SPY" "${SPY_CAPTIONS[1]}" "Color Spy"
open_tool mixer "387 301" "Color Mixer" "${MIXER_AT[@]}"
MIXER=$COMPANION
check_minimise "$MIXER" "${MIXER_CAPTIONS[1]}" "Color Mixer"
check_late_drag "$MIXER" "Color Mixer"
check_pins_hand_back
check_slider_length
check_vertical
check_about
