#!/usr/bin/env bash
# The harness on its own, with no Ombrix: a private desktop, a window of a
# colour we paint, the pointer, the clipboard and the settings file; then
# child scripts that end in every way a test can end, after each of which
# nothing they started may be left.
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"

# The window manager's name as it gives it on its check window.
wm_name() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK | awk '{ print $NF }')
    xprop -id "$check" _NET_WM_NAME | cut -d'"' -f2
}

process_exists() {
    kill -0 "$1" 2>/dev/null
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
    e2e_assert_match . "$(wm_name)" "a window manager manages the screen ($(wm_name))"
    if [[ -n $XD_XVFB_PID ]]; then
        e2e_assert "the X server leads a process group of its own" leads_own_group "$XD_XVFB_PID"
    fi
    e2e_assert "the desktop leads a process group of its own" leads_own_group "$XD_WM_PID"
}

check_private_environment() {
    local dir
    for dir in "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"; do
        e2e_assert "$dir is a directory inside the test's own" \
            test -d "$dir" -a "${dir#"$E2E_TMP"/}" != "$dir"
    done
    e2e_assert_eq 700 "$(stat -c %a "$XDG_RUNTIME_DIR")" "XDG_RUNTIME_DIR is private"
}

# state_found_once_set WID ATOM: sets the window's state list to ATOM alone.
# mutter writes the list as it keeps it, on a loaded machine at times after
# the set.
state_found_once_set() {
    xprop -id "$1" -f _NET_WM_STATE 32a -set _NET_WM_STATE "$2"
    e2e_has_state "$1" "$2"
}

# A painted window stands exactly where it was asked, unframed, whatever the
# window manager; the screen's pixels show it where the desktop lets them be
# read.
check_painted_window() {
    local wid
    wid=$(e2e_paint_window "#123456" 100 100 100 100 solid) || e2e_fatal "the painted window appears"
    e2e_assert_eq "solid" "$(e2e_title "$wid")" "the window's title"
    e2e_assert_eq "100 100 100 100" "$(e2e_outer_geometry "$wid")" \
        "the window is 100x100 at +100+100, with no frame"
    e2e_assert_not "a plain window is not kept above" e2e_has_state "$wid" _NET_WM_STATE_ABOVE
    e2e_assert "_NET_WM_STATE_ABOVE is found once set" \
        e2e_wait_until 5 state_found_once_set "$wid" _NET_WM_STATE_ABOVE
    e2e_assert_eq "#123456" "$(e2e_window_pixel "$wid" 99 99)" "the window's own last pixel"
    e2e_needs root-pixels "the screen's pixels" || return 0
    e2e_wait_until 5 pixel_is 150 150 "#123456"
    e2e_assert_eq "#123456" "$(e2e_pixel 150 150)" "the window's centre pixel on the screen"
    e2e_assert_eq "#123456" "$(e2e_pixel 199 199)" "the window's last pixel on the screen"
    e2e_assert_not "the pixel just right of the window is the desktop's" pixel_is 201 150 "#123456"
    e2e_screenshot "$E2E_TMP/screen.png"
    e2e_assert_eq 1024x768 "$(identify -format %wx%h "$E2E_TMP/screen.png")" "the screenshot's size"
}

check_pointer() {
    if [[ -n $E2E_SEAT_DISPLAY ]]; then
        e2e_skip "the pointer read back over no window ($E2E_DESKTOP: XWayland hears of its seat's pointer only over its own windows)"
        return
    fi
    e2e_move 321 234
    e2e_assert_eq "321 234" "$(e2e_pointer)" "the pointer goes where it is sent"
    e2e_move 5000 5000
    e2e_assert_eq "1023 767" "$(e2e_pointer)" "the pointer stops at the screen's corner"
}

# xev's events, one a line: "ButtonPress X Y TIME STATE BUTTON",
# "MotionNotify X Y TIME STATE", "KeyPress X Y TIME STATE KEYSYM", with X and
# Y on the screen.
xev_events() {
    awk '
        /^[A-Za-z]+ event, / { event = $1; line = 0; next }
        event != "" { line++ }
        line == 1 { gsub(/[(),:]/, " "); where = $10 " " $11 " " $6 }
        line == 2 {
            gsub(/[(),]/, " ")
            detail = (event ~ /^Button/) ? " " $4 : (event ~ /^Key/) ? " " $7 : ""
            print event, where, $2 detail
            event = ""
        }' "$1"
}

# The probe is xev's window: what the pointer and keyboard helpers send
# arrives there as real events.
check_input() {
    local log=$E2E_TMP/xev.log wid x y w h events probe
    xd_spawn "$log" xev -geometry 200x200+300+300 -event button -event keyboard -event mouse
    probe=$XD_LAST_PID
    wid=$(e2e_wait_window 'Event Tester') || e2e_fatal "xev's window appears"
    timeout 5 xdotool windowactivate --sync "$wid" 2>/dev/null
    e2e_wait_until 5 e2e_has_focus "$wid" || e2e_fail "xev's window takes the focus"
    read -r x y w h < <(e2e_geometry "$wid")

    : >"$log"
    e2e_click $((x + 10)) $((y + 20))
    e2e_double_click $((x + 30)) $((y + 40)) 3
    e2e_drag $((x + 50)) $((y + 50)) $((x + 150)) $((y + 120)) 5
    e2e_key ctrl+c Return
    e2e_wait_until 5 grep -q Return "$log"
    events=$(xev_events "$log" | grep -v -e Release -e '^KeyPress.* Control_L$')

    local click double drag_press drag_moves drag_release keys
    click=$(grep '^ButtonPress' <<<"$events" | sed -n 1p)
    e2e_assert_match "^ButtonPress $((x + 10)) $((y + 20)) [0-9]+ 0x0 1$" "$click" "e2e_click presses button 1 there"
    double=$(grep '^ButtonPress' <<<"$events" | sed -n '2,3p' | awk '{ print $2, $3, $6; t[NR] = $4 } END { print t[2] - t[1] }')
    e2e_assert_eq "$((x + 30)) $((y + 40)) 3"$'\n'"$((x + 30)) $((y + 40)) 3" "$(head -n 2 <<<"$double")" \
        "e2e_double_click presses the button given twice there"
    e2e_assert "the two presses are within a double-click interval ($(tail -n 1 <<<"$double") ms)" \
        test "$(tail -n 1 <<<"$double")" -lt 400
    drag_press=$(grep '^ButtonPress' <<<"$events" | sed -n 4p)
    e2e_assert_match "^ButtonPress $((x + 50)) $((y + 50)) " "$drag_press" "e2e_drag presses at its start"
    drag_moves=$(grep -c '^MotionNotify .* 0x100$' <<<"$events")
    e2e_assert "e2e_drag moves with button 1 held ($drag_moves moves)" test "$drag_moves" -ge 4
    drag_release=$(xev_events "$log" | grep '^ButtonRelease' | tail -n 1)
    e2e_assert_match "^ButtonRelease $((x + 150)) $((y + 120)) " "$drag_release" "e2e_drag releases at its end"
    keys=$(grep '^KeyPress' <<<"$events" | awk '{ print $5, $6 }' | tr '\n' ' ')
    e2e_assert_eq "0x4 c 0x0 Return " "$keys" "e2e_key sends ctrl+c, then Return"

    e2e_assert "the window manager closes xev's window" e2e_wm_close "$wid"
    e2e_assert "xev was asked to close by WM_DELETE_WINDOW" grep -q '(WM_DELETE_WINDOW)' "$log"
    e2e_assert "xev ends when its window is closed" e2e_wait_exit "$probe"
    e2e_assert_eq 0 "$E2E_EXIT_STATUS" "xev's exit status"
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
if [[ $MODE == errexit ]]; then
    set -e
fi
if [[ $MODE == race ]]; then
    # The first number handed out is already served by another Xvfb, as if it
    # had been taken between the scan and the start.
    # When the list runs out (a parallel test took the second number too),
    # the real scan takes over.
    eval "xd_scan_display() $(declare -f xd_pick_display | tail -n +2)"
    xd_pick_display() {
        if [[ -s $PICKS ]]; then
            head -n 1 "$PICKS"
            sed -i 1d "$PICKS"
        else
            xd_scan_display
        fi
    }
fi
e2e_start_desktop 640x480
e2e_spawn sleep 300
# The display, the directory, then each process started with the time it
# started.
{
    printf '%s\n' "${DISPLAY#:}" "$E2E_TMP"
    for pid in "$XD_XVFB_PID" "$XD_WM_PID" "${XD_BUS_PIDS[@]}" "$XD_LAST_PID"; do
        [[ -z $pid ]] || echo "$pid ${XD_STARTED[$pid]}"
    done
} >"$REPORT"
case $MODE in
pass | race | errexit) e2e_pass "a child check" ;;
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

# run_child MODE [DESKTOP=openbox]: runs the child to its end on that
# desktop; sets CHILD_STATUS, CHILD_OUT and the child's pids, display and
# directory from its report.
run_child() {
    local mode=$1 child
    CHILD_OUT=$CHILDREN/$mode${2:-}.out
    export HARNESS=$E2E_HERE/harness.sh MODE=$mode REPORT=$CHILDREN/$mode${2:-}.report \
        OMBRIX_E2E_WM=${2:-openbox}
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
    local pid started line n=${CHILD_REPORT[0]} lock pids=()
    for line in "${CHILD_REPORT[@]:2}"; do
        read -r pid started <<<"$line"
        pids+=("$pid")
        # The child's start times tell its processes from newer ones that
        # were given the same numbers; a group left behind has no leader.
        XD_STARTED[$pid]=$started
        if xd_alive "$pid" || xd_group_alive "$pid"; then
            echo "process $pid ($(ps -o comm= -p "$pid")) or its group is still running"
            return 1
        fi
    done
    # Tests running beside this one may take a number as soon as it is free,
    # so only a lock naming one of the child's servers (mutter holds its
    # XWayland's), or the child's display's socket without a lock, is a
    # leftover.
    for lock in /tmp/.X*-lock; do
        if [[ " ${pids[*]} " == *" $(tr -d ' \n\0' 2>/dev/null <"$lock") "* ]]; then
            echo "$lock still names one of the child's servers"
            return 1
        fi
    done
    if [[ ! -e /tmp/.X$n-lock && -e /tmp/.X11-unix/X$n ]]; then
        echo "display :$n is still claimed"
        return 1
    fi
    [[ ! -e ${CHILD_REPORT[1]} ]] || {
        echo "${CHILD_REPORT[1]} is still there"
        return 1
    }
}

# check_child_end MODE STATUS SUMMARY [DESKTOP]
check_child_end() {
    local mode=$1 status=$2 summary=$3 desktop=${4:-openbox}
    run_child "$mode" "${4:-}"
    if ((${#CHILD_REPORT[@]} < 4)); then
        cat "$CHILD_OUT"
        e2e_fail "the $mode child started $desktop"
        return
    fi
    e2e_assert_eq "$status" "$CHILD_STATUS" \
        "a child on $desktop that ends with '$mode' exits with $status"
    e2e_assert_eq "$summary" "$(tail -n 1 "$CHILD_OUT")" \
        "the $mode child's last line is its summary"
    e2e_assert "nothing of the $mode child on $desktop is left" nothing_left_of_child
}

# A remembered pid whose number has come round to a newer process, as it does
# on a busy machine, is neither signalled nor waited on at the stop: the wait
# would last as long as the newer process.
check_reused_pid() {
    local pid started
    e2e_spawn sleep 300
    pid=$XD_LAST_PID
    started=${XD_STARTED[$pid]}
    XD_STARTED[$pid]=1
    xd_stop_groups "$pid"
    e2e_assert "a stop leaves alone a number that names another process now" process_exists "$pid"
    XD_STARTED[$pid]=$started
    xd_stop "$pid"
    e2e_assert_not "the stop ends the process once it is ours again" process_exists "$pid"
}

check_children() {
    check_child_end pass 0 "test_child: 1 passed, 0 failed"
    check_child_end fail 1 "test_child: 0 passed, 1 failed"
    check_child_end none 1 "test_child: 0 passed, 0 failed"
    check_child_end abort 3 "test_child: 1 passed, 0 failed"
    check_child_end term 143 "test_child: 1 passed, 0 failed"
    check_child_end errexit 0 "test_child: 1 passed, 0 failed"
    # The desktops with more to them: a session bus, and XWayland.
    local desktop
    for desktop in kwin mutter weston gnome_shell kwin_wayland; do
        check_child_end term 143 "test_child: 1 passed, 0 failed" "$desktop"
    done

    local free
    free=$(xd_pick_display)
    export PICKS=$CHILDREN/picks
    printf '%s\n' "${DISPLAY#:}" "$free" >"$PICKS"
    check_child_end race 0 "test_child: 1 passed, 0 failed"
    e2e_assert_not "a child whose display was taken moves to another (:${CHILD_REPORT[0]})" \
        test "${CHILD_REPORT[0]}" = "${DISPLAY#:}"
    e2e_assert "the server that held the taken display still answers" xdpyinfo_answers
}

e2e_start_desktop 1024x768
check_desktop
check_private_environment
check_painted_window
check_pointer
check_input
check_clipboard
check_store
check_reused_pid
check_children
