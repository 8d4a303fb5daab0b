#!/usr/bin/env bash
# The ruler's commands that start other programs: "&New Ombrix" starts a
# second, independent copy (each closes on its own), "&Help" and F1 hand the
# page beside the program to the desktop's default viewer, whatever the
# current directory is, and "&Notepad" starts the default text editor with
# no file. The default viewer and editor are scripts of this test's,
# registered in its private XDG directories. With a clipboard manager
# running (xfce4-clipman), the copy is handed to it at the end and no holder
# starts.
# shellcheck disable=SC2046,SC2086  # points ("at", RULER_*) split into X Y on purpose
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

OMBRIX_BIN=$(realpath "$OMBRIX_BIN")
VIEWER_ARGS=$E2E_TMP/viewer.args
EDITOR_ARGS=$E2E_TMP/editor.args

# Nothing of the caller's desktop may choose another opener for xdg-open.
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION
unset GNOME_DESKTOP_SESSION_ID BROWSER

register_fake_viewer() {
    local viewer=$E2E_TMP/fakeviewer
    cat >"$viewer" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$VIEWER_ARGS.new" && mv "$VIEWER_ARGS.new" "$VIEWER_ARGS"
EOF
    chmod +x "$viewer"
    mkdir -p "$XDG_DATA_HOME/applications"
    cat >"$XDG_DATA_HOME/applications/fakeviewer.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Fake viewer
Exec=$viewer %f
MimeType=text/html;
EOF
    local editor=$E2E_TMP/fakeeditor
    cat >"$editor" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$EDITOR_ARGS.new" && mv "$EDITOR_ARGS.new" "$EDITOR_ARGS"
EOF
    chmod +x "$editor"
    # An argument quoted as the entry's rules want it; the codes of a file and a name.
    cat >"$XDG_DATA_HOME/applications/fakeeditor.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Fake editor
Exec=$editor --new-window %F "--title=%c"
MimeType=text/plain;
EOF
    printf '[Default Applications]\ntext/html=fakeviewer.desktop\ntext/plain=fakeeditor.desktop\n' \
        >"$XDG_CONFIG_HOME/mimeapps.list"
}

ruler_windows() {
    xd_visible_windows --name '^ Ombrix$'
}

two_rulers() {
    [[ $(ruler_windows | grep -c .) -eq 2 ]]
}

check_new_copy() {
    e2e_assert "New Ombrix is chosen" menu_command $RULER_FACE n
    e2e_assert "a second ruler window appears" e2e_wait_until 10 two_rulers
    local second second_pid
    second=$(ruler_windows | grep -vx "$WID" | head -n 1)
    second_pid=$(xdotool getwindowpid "$second" 2>/dev/null)
    [[ -n $second_pid ]] && XD_PIDS+=("$second_pid") # stopped at exit if need be
    e2e_assert_match '^[0-9]+$' "$second_pid" "the second window has a process"
    e2e_assert_not "it is another process" test "$second_pid" == "$E2E_OMBRIX_PID"
    e2e_assert "the first copy still runs" xd_alive "$E2E_OMBRIX_PID"
    # The copy opens at the stored place, over the first: move it aside.
    move_window "$second" "$X" $((Y + 200))
    local face_x face_y
    read -r face_x face_y <<<"$RULER_FACE"
    e2e_click "$((X + face_x))" "$((Y + 200 + face_y))" 3
    e2e_wait_until 5 menu_of_second_open "$second_pid"
    e2e_key o
    e2e_assert "Close on the second copy ends it" e2e_wait_until 10 e2e_gone "$second_pid"
    e2e_assert "the first copy runs on" xd_alive "$E2E_OMBRIX_PID"
    e2e_assert_eq "$WID" "$(ruler_windows)" "the first ruler is the only one left"
}

menu_of_second_open() {
    [[ $(e2e_windows "$1" | grep -c .) -ge 2 ]]
}

help_opened() {
    [[ -s $VIEWER_ARGS ]]
}

check_help() {
    local expected
    expected=$(dirname "$OMBRIX_BIN")/Ombrix_Help.htm
    e2e_assert "the help page lies beside the program" test -f "$expected"
    e2e_assert "Help is chosen" menu_command $RULER_FACE h
    e2e_assert "the default viewer is started" e2e_wait_until 10 help_opened
    e2e_assert_eq "$expected" "$(cat "$VIEWER_ARGS" 2>/dev/null)" \
        "the viewer is given the page beside the program, and nothing else"
    rm -f "$VIEWER_ARGS"
    focus_window "$WID"
    e2e_key F1
    e2e_assert "F1 on the ruler opens the page again" e2e_wait_until 10 help_opened
}

editor_started() {
    [[ -s $EDITOR_ARGS ]]
}

check_notepad() {
    e2e_assert "Notepad is chosen" utilities_command n
    e2e_assert "the default text editor is started" e2e_wait_until 10 editor_started
    e2e_assert_eq $'--new-window\n--title=Fake editor' "$(cat "$EDITOR_ARGS" 2>/dev/null)" \
        "the editor is given no file, and the entry's other arguments"
}

clipboard_manager_runs() {
    python3 -c 'import ctypes; x = ctypes.CDLL("libX11.so.6"); x.XOpenDisplay.restype = ctypes.c_void_p
d = x.XOpenDisplay(None); x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
exit(not x.XGetSelectionOwner(d, x.XInternAtom(d, b"CLIPBOARD_MANAGER", 0)))'
}

# The copy handed to a real clipboard manager outlives the program with no
# holder, whether the program ends at once or the window manager closes it.
check_clipboard_manager() {
    # On a session bus of its own, which starts its settings service.
    xd_spawn "$E2E_TMP/clipman.log" dbus-run-session -- xfce4-clipman
    e2e_assert "xfce4-clipman owns CLIPBOARD_MANAGER" e2e_wait_until 10 clipboard_manager_runs
    start_ruler 200 150
    e2e_assert "the menu's copy runs" copy_readouts $RULER_FACE
    e2e_click $(at 200 $((H - 6)))
    e2e_assert "a click on the bottom edge bar ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    check_copy_kept $'Width:   \r\nHeight:   ' "the copy outlives the program"
    e2e_assert_eq "" "$(e2e_clipboard_holders)" "the clipboard manager keeps it: no holder"
    e2e_set_clipboard "another program's text"
    start_ruler 200 150
    e2e_assert "the menu's copy runs again" copy_readouts $RULER_FACE
    e2e_assert "the window manager closes the ruler" e2e_wm_close "$WID"
    e2e_assert "its close ends the program" e2e_wait_exit "$E2E_OMBRIX_PID"
    check_copy_kept $'Width:   \r\nHeight:   ' "the copy outlives the window manager's close"
    e2e_assert_eq "" "$(e2e_clipboard_holders)" "no holder after that close either"
}

check_close() {
    e2e_click $(at $(($(ruler_close_x "$W") + 10)) 14)
    e2e_assert "the close caption button ends the first copy" e2e_wait_exit "$E2E_OMBRIX_PID"
    e2e_assert_eq "" "$(ruler_windows)" "no ruler is left"
}

register_fake_viewer
e2e_start_desktop 1280x1024x24
# Started elsewhere than beside the program: the page is found all the same.
cd "$HOME" || e2e_fatal "the test's home directory"
start_ruler 200 150
check_new_copy
check_help
check_notepad
check_close
check_clipboard_manager
