#!/usr/bin/env bash
# The harness on its own, with no Ombrix: a private desktop, a window of a
# colour we paint, the pointer, the clipboard and the settings file; then
# child scripts that end in every way a test can end, after each of which
# nothing they started may be left.
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"

openbox_manages_screen() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK | awk '{ print $NF }')
    [[ $(xprop -id "$check" _NET_WM_NAME) == *'"Openbox"'* ]]
}

leads_own_group() {
    [[ $(ps -o pgid= -p "$1" | tr -d ' ') == "$1" ]]
}

xdpyinfo_answers() {
    xdpyinfo >/dev/null 2>&1
}

pixel_is() {
    [[ $(e2e_pixel "$1" "$2") == "$3" ]]
}

check_desktop() {
    e2e_assert_match '^:[0-9]+$' "$DISPLAY" "DISPLAY names the private server"
    e2e_assert_eq 1024x768 "$(xdpyinfo | awk '/dimensions:/ { print $2 }')" \
        "the screen has the size asked for"
    e2e_assert_eq 24 "$(xdpyinfo | awk '/depth of root window:/ { print $5 }')" \
        "the screen has 24 bit colour"
    e2e_assert "openbox manages the screen" openbox_manages_screen
    e2e_assert "Xvfb leads a process group of its own" leads_own_group "$XD_XVFB_PID"
    e2e_assert "openbox leads a process group of its own" leads_own_group "$XD_WM_PID"
}

check_private_environment() {
    local dir
    for dir in "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"; do
        e2e_assert "$dir is a directory inside the test's own" \
            test -d "$dir" -a "${dir#"$E2E_TMP"/}" != "$dir"
    done
    e2e_assert_eq 700 "$(stat -c %a "$XDG_RUNTIME_DIR")" "XDG_RUNTIME_DIR is private"
}

check_painted_window() {
    local viewer wid l r t b x y w h
    convert -size 100x100 "xc:#123456" "$E2E_TMP/solid.png"
    e2e_spawn display -geometry +100+100 "$E2E_TMP/solid.png"
    viewer=$XD_LAST_PID
    wid=$(e2e_wait_window 'solid\.png') || e2e_fatal "the picture's window appears"
    e2e_assert_eq "ImageMagick: solid.png" "$(e2e_title "$wid")" "the window's title"

    read -r l r t b < <(e2e_frame_extents "$wid") || e2e_fatal "openbox sets frame extents"
    e2e_assert "openbox drew a frame around the window ($l $r $t $b)" test $((l + r + t + b)) -gt 0
    e2e_assert "the window is 100x100 at +100+100 inside its frame" \
        e2e_wait_geometry "$wid" "$((100 + l)) $((100 + t)) 100 100"
    e2e_assert_eq "100 100 $((100 + l + r)) $((100 + t + b))" "$(e2e_outer_geometry "$wid")" \
        "the frame's outer geometry"

    read -r x y w h < <(e2e_geometry "$wid")
    e2e_wait_until 5 pixel_is $((x + w / 2)) $((y + h / 2)) "#123456"
    e2e_assert_eq "#123456" "$(e2e_pixel $((x + w / 2)) $((y + h / 2)))" "the window's centre pixel"
    e2e_assert_eq "#123456" "$(e2e_pixel 150 150)" "the pixel at 150,150"
    e2e_assert_eq "#123456" "$(e2e_pixel $((x + w - 1)) $((y + h - 1)))" "the window's last pixel"
    e2e_assert_not "the pixel just right of the window is the desktop's" \
        pixel_is $((x + w + l + r + 2)) $((y + h / 2)) "#123456"

    e2e_assert_not "a plain window is not kept above" e2e_has_state "$wid" _NET_WM_STATE_ABOVE
    xprop -id "$wid" -f _NET_WM_STATE 32a -set _NET_WM_STATE _NET_WM_STATE_ABOVE
    e2e_assert "_NET_WM_STATE_ABOVE is found once set" e2e_has_state "$wid" _NET_WM_STATE_ABOVE

    e2e_screenshot "$E2E_TMP/screen.png"
    e2e_assert_eq 1024x768 "$(identify -format %wx%h "$E2E_TMP/screen.png")" "the screenshot's size"

    e2e_assert "openbox closes the viewer's window" e2e_wm_close "$wid"
    e2e_assert "the viewer ends when openbox closes its window" e2e_wait_exit "$viewer"
    e2e_assert_eq 0 "$E2E_EXIT_STATUS" "the viewer's exit status"
}

check_pointer() {
    e2e_move 321 234
    e2e_assert_eq "321 234" "$(e2e_pointer)" "the pointer goes where it is sent"
    e2e_move 5000 5000
    e2e_assert_eq "1023 767" "$(e2e_pointer)" "the pointer stops at the screen's corner"
}

check_clipboard() {
    local texts=("plain" $'a\r\nb' $'two trailing newlines\n\n' $'tab\tand \xc3\xa9' " spaces ")
    local text
    for text in "${texts[@]}"; do
        e2e_set_clipboard "$text" || e2e_fail "xclip takes the clipboard"
        e2e_assert_clipboard "$text" "$(printf '%q' "$text") round-trips"
    done
    e2e_set_clipboard $'Width:  400\r\n'
    e2e_assert_eq "57 69 64 74 68 3a 20 20 34 30 30 0d 0a" "$(e2e_clipboard_hex)" \
        "the clipboard's bytes in hex"
}

check_store() {
    e2e_assert_not "no store before anything is written" e2e_store_value Pix
    e2e_store_put Pix True
    e2e_store_put X_L -45
    e2e_store_put Pix False
    e2e_store_put Pix 7 Other
    e2e_store_put Quoted '" x "'
    e2e_assert_eq False "$(e2e_store_value Pix)" "a key written twice keeps the last value"
    e2e_assert_eq -45 "$(e2e_store_value X_L)" "a second key"
    e2e_assert_eq 7 "$(e2e_store_value Pix Other)" "the same key in another section"
    e2e_assert_eq " x " "$(e2e_store_value Quoted)" "quotes around a value are removed"
    e2e_assert_not "a key that was never written" e2e_store_value Points
    e2e_assert_eq $'[Presets]\nPix=False\nX_L=-45\nQuoted=" x "\n[Other]\nPix=7' \
        "$(cat "$(e2e_store_file)")" "the file holds each key once, in its section"
    e2e_store_write $'[Presets]\r\nTwips=True\r\n'
    e2e_assert_eq True "$(e2e_store_value Twips)" "a file with CR LF line ends"
}

# ---- children: every way a test script can end ------------------------------

CHILDREN=$E2E_TMP/children
mkdir -p "$CHILDREN"
cat >"$CHILDREN/test_child.sh" <<'EOF'
source "$HARNESS"
if [[ $MODE == race ]]; then
    # The first number handed out is already served by another Xvfb, as if it
    # had been taken between the scan and the start.
    xd_pick_display() {
        head -n 1 "$PICKS"
        sed -i 1d "$PICKS"
    }
fi
e2e_start_desktop 640x480
e2e_spawn sleep 300
printf '%s\n' "$XD_XVFB_PID" "$XD_WM_PID" "$XD_LAST_PID" "${DISPLAY#:}" "$E2E_TMP" >"$REPORT"
case $MODE in
pass | race) e2e_pass "a child check" ;;
fail) e2e_fail "a child check" ;;
none) ;;
abort)
    e2e_pass "a child check"
    exit 3
    ;;
term)
    e2e_pass "a child check"
    touch "$REPORT.ready"
    e2e_spawn sleep 300
    wait "$XD_LAST_PID"
    ;;
esac
EOF

# run_child MODE: runs the child to its end; sets CHILD_STATUS, CHILD_OUT and
# the child's pids, display and directory from its report.
run_child() {
    local mode=$1 child
    CHILD_OUT=$CHILDREN/$mode.out
    export HARNESS=$E2E_HERE/harness.sh MODE=$mode REPORT=$CHILDREN/$mode.report
    if [[ $mode == term ]]; then
        bash "$CHILDREN/test_child.sh" >"$CHILD_OUT" 2>&1 &
        child=$!
        e2e_wait_until 20 test -e "$REPORT.ready" || e2e_fail "the child got ready"
        kill -TERM "$child"
        wait "$child"
    else
        bash "$CHILDREN/test_child.sh" >"$CHILD_OUT" 2>&1
    fi
    CHILD_STATUS=$?
    CHILD_REPORT=()
    mapfile -t CHILD_REPORT <"$REPORT"
}

nothing_left_of_child() {
    local pid n=${CHILD_REPORT[3]}
    for pid in "${CHILD_REPORT[@]:0:3}"; do
        if xd_alive "$pid"; then
            echo "process $pid ($(ps -o comm= -p "$pid")) is still running"
            return 1
        fi
    done
    [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]] || {
        echo "display :$n is still claimed"
        return 1
    }
    [[ ! -e ${CHILD_REPORT[4]} ]] || {
        echo "${CHILD_REPORT[4]} is still there"
        return 1
    }
}

check_child_end() {
    local mode=$1 status=$2 summary=$3
    run_child "$mode"
    if ((${#CHILD_REPORT[@]} < 5)); then
        cat "$CHILD_OUT"
        e2e_fail "the $mode child started its desktop"
        return
    fi
    e2e_assert_eq "$status" "$CHILD_STATUS" "a child that ends with '$mode' exits with $status"
    e2e_assert_eq "$summary" "$(tail -n 1 "$CHILD_OUT")" \
        "the $mode child's last line is its summary"
    e2e_assert "nothing of the $mode child is left" nothing_left_of_child
}

check_children() {
    check_child_end pass 0 "test_child: 1 passed, 0 failed"
    check_child_end fail 1 "test_child: 0 passed, 1 failed"
    check_child_end none 1 "test_child: 0 passed, 0 failed"
    check_child_end abort 3 "test_child: 1 passed, 0 failed"
    check_child_end term 143 "test_child: 1 passed, 0 failed"

    local free
    free=$(xd_pick_display)
    export PICKS=$CHILDREN/picks
    printf '%s\n' "${DISPLAY#:}" "$free" >"$PICKS"
    check_child_end race 0 "test_child: 1 passed, 0 failed"
    e2e_assert_eq "$free" "${CHILD_REPORT[3]}" "a child whose display was taken moves to the next"
    e2e_assert "the server that held the taken display still answers" xdpyinfo_answers
}

e2e_start_desktop 1024x768
check_desktop
check_private_environment
check_painted_window
check_pointer
check_clipboard
check_store
check_children
