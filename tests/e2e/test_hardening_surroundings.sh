#!/usr/bin/env bash
# Hostile surroundings for the real program: QT_QPA_PLATFORM naming another
# platform, a configuration directory that is missing or cannot be written, a
# pipe or 100 MB at the store's place, a relative XDG_CONFIG_HOME and no home
# at all, the store deleted while the program runs, two copies saving at
# once, a kill in the middle of a saving exit, and a program directory whose
# name is full of shell syntax. The ruler must start as usual, show no other
# window, and its saving exits must leave a valid store where there can be
# one, and nothing anywhere else.
# shellcheck disable=SC2086  # the points split into X Y on purpose
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "$0")/ruler.sh"
# shellcheck source=tests/e2e/hardening.sh
source "$(dirname "$0")/hardening.sh"
# shellcheck source=tests/e2e/companions.sh
source "$(dirname "$0")/companions.sh"

# ---- the environment ---------------------------------------------------------

# Wayland sessions often name their platform for every Qt program; the ruler
# needs X11 and takes it whatever the variable says, at its stored place.
check_any_qt_platform() {
    local platform
    write_store empty
    for platform in wayland wayland-egl 'wayland;xcb' offscreen minimal eglfs; do
        E2E_OMBRIX_ENV=("QT_QPA_PLATFORM=$platform")
        if ruler_starts; then
            e2e_assert_eq "$GOOD_X $GOOD_Y" "$X $Y" "QT_QPA_PLATFORM=$platform: the ruler's place"
            e2e_assert "QT_QPA_PLATFORM=$platform: Close ends the program" close_ruler
        else
            e2e_fail "QT_QPA_PLATFORM=$platform: the ruler starts on X11 with one window only"
            xd_stop "$E2E_OMBRIX_PID"
        fi
    done
    E2E_OMBRIX_ENV=(QT_QPA_PLATFORM=xcb)
}

# A relative XDG_CONFIG_HOME is ignored, as the base-directory rules say: the
# store is the one under the home, never one under the working directory.
check_relative_config_home() {
    local dir=$E2E_TMP/working
    mkdir -p "$dir"
    rm -rf "$HOME/.config"
    E2E_OMBRIX_ENV=(-C "$dir" XDG_CONFIG_HOME=relative/config QT_QPA_PLATFORM=xcb)
    ruler_starts || e2e_fail "relative XDG_CONFIG_HOME: the ruler starts with one window only"
    e2e_assert "relative XDG_CONFIG_HOME: Close ends the program" close_ruler
    e2e_assert_eq "" "$(find "$dir" -mindepth 1)" \
        "relative XDG_CONFIG_HOME: nothing is written under the working directory"
    e2e_assert "relative XDG_CONFIG_HOME: the store is the home's" \
        test -f "$HOME/.config/Ombrix/Ombrix.conf"
    E2E_OMBRIX_ENV=(QT_QPA_PLATFORM=xcb)
}

# With neither HOME nor XDG_CONFIG_HOME there is no store: the ruler starts
# at the window manager's place, shows nothing else, and writes nowhere (the
# store used to go to /.config).
check_no_home() {
    local dir=$E2E_TMP/homeless
    mkdir -p "$dir"
    touch "$E2E_TMP/before-homeless"
    E2E_OMBRIX_ENV=(-u HOME -u XDG_CONFIG_HOME -C "$dir" QT_QPA_PLATFORM=xcb)
    ruler_starts || e2e_fail "no home: the ruler starts with one window only"
    e2e_assert_eq "$DEFAULT_X $DEFAULT_Y" "$X $Y" "no home: default place"
    e2e_assert "no home: Close ends the program" close_ruler
    e2e_assert_eq "" "$(find "$dir" /.config/Ombrix -newer "$E2E_TMP/before-homeless" 2>/dev/null)" \
        "no home: nothing is written, under the working directory or /.config"
    E2E_OMBRIX_ENV=(QT_QPA_PLATFORM=xcb)
}

# Standard streams closed, no XDG_RUNTIME_DIR: Qt's warning went into the X
# connection on fd 2 and the start hung.
check_closed_standard_streams() {
    # shellcheck disable=SC2016  # the inner shell's own parameters
    E2E_OMBRIX_ENV=(-u XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb sh -c 'exec "$0" <&- >&- 2>&-')
    ruler_starts || e2e_fail "closed standard streams: the ruler starts with one window only"
    e2e_assert "closed standard streams: Close ends the program" close_ruler
    E2E_OMBRIX_ENV=(QT_QPA_PLATFORM=xcb)
}

# ---- what lies at the store's place -------------------------------------------

# A pipe: reading it would wait for a writer for ever. It counts as no store,
# and nothing is written through it to a reader waiting at the other end.
check_pipe_at_the_store() {
    rm -rf "$XDG_CONFIG_HOME/Ombrix"
    mkdir -p "$(dirname "$STORE")"
    mkfifo "$STORE"
    # shellcheck disable=SC2016  # the reader's own parameters
    e2e_spawn sh -c 'cat "$1" >"$2"' reader "$STORE" "$E2E_TMP/through-pipe"
    local reader=$XD_LAST_PID
    ruler_starts || e2e_fail "pipe at the store: the ruler starts with one window only"
    e2e_assert_eq "$DEFAULT_X $DEFAULT_Y" "$X $Y" "pipe at the store: default place"
    e2e_assert "pipe at the store: Close ends the program" close_ruler
    e2e_assert "pipe at the store: it is still a pipe" test -p "$STORE"
    xd_stop "$reader"
    e2e_assert_eq 0 "$(wc -c <"$E2E_TMP/through-pipe")" \
        "pipe at the store: nothing is written through it"
    rm -f "$STORE"
}

# bloat_store: about 100 MB of 1.1 million keys the program does not know, in
# a section before its own and in its own section after its keys.
bloat_store() {
    python3 - "$STORE" <<'EOF'
import sys
path = sys.argv[1]
own = open(path).read()
junk = "j" * 80 + "\n"
with open(path, "w") as f:
    f.write("[Junk]\n")
    f.writelines("key%07d=%s" % (i, junk) for i in range(550000))
    f.write(own)
    f.writelines("Key%07d=%s" % (i, junk) for i in range(550000))
EOF
}

# peak_memory PID: the most memory the process has held, in kB.
peak_memory() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}

store_is_small() {
    (($(wc -c <"$STORE") < 1024))
}

# The first window comes as usual whatever the store holds, the memory for it
# is far less than the store (it took 600 MB), and Close writes the program's
# keys back, every window's, and nothing else.
check_huge_store() {
    write_store empty
    ruler_starts || e2e_fail "small store: the ruler starts"
    local small
    small=$(peak_memory "$E2E_OMBRIX_PID")
    close_ruler || e2e_fail "small store: Close ends the program"
    write_store empty
    bloat_store
    ruler_starts || {
        e2e_fail "100 MB store: the ruler starts with one window only"
        return
    }
    local large
    large=$(peak_memory "$E2E_OMBRIX_PID")
    e2e_assert_eq "$GOOD_X $GOOD_Y" "$X $Y" "100 MB store: the stored place"
    e2e_assert "100 MB store: at most 16 MB more memory than with a small store ($small kB, then $large kB)" \
        test $((large - small)) -lt 16384
    e2e_assert "100 MB store: Close ends the program" close_ruler
    e2e_assert "100 MB store: Close writes the program's keys alone" store_is_small
    local key stored="" want=""
    for key in "${UNIT_KEYS[@]}" X_L X_T "${OTHER_KEYS[@]}"; do
        want+="$key=${GOOD[$key]} "
        stored+="$key=$(e2e_store_value "$key") "
    done
    e2e_assert_eq "$want" "$stored" "100 MB store: every key of the program's is kept"
}

# RandR emptied of monitors (one set and taken away, the screen shrunk and
# grown back) still shows the whole screen: Color Spy reads it.
check_spy_without_monitors() {
    local rgb
    e2e_needs root-pixels "Color Spy without monitors" || return 0
    e2e_needs monitors "Color Spy without monitors" || return 0
    write_store empty && start_ruler && open_spy
    xrandr --setmonitor ombrix-test 100/10x100/10+0+0 none && xrandr --delmonitor ombrix-test
    xrandr --fb 640x480 2>/dev/null; xrandr --fb 1280x1024
    rgb="RGB # - $(e2e_pixel 150 260 | tr -d '#')"
    click_in "$SPY" "${SPY_START_BUTTON[@]}" && move_in "$SPY" "${SPY_BACKGROUND[@]}"
    e2e_move 150 260 && sleep 1 && press_enter_in_spy
    e2e_assert "$(xrandr --listmonitors | head -n 1): Color Spy reads the screen" \
        e2e_wait_until 5 clipboard_has_line "$rgb"
}

clipboard_has_line() {
    e2e_clipboard | tr -d '\r' | grep -qxF "$1"
}

# An 8-bit PseudoColor screen, which Qt cannot paint on, ends the start (the
# last check: DISPLAY stays on that screen).
check_eight_bit_screen() {
    xd_start_xvfb 640x480x8 "$E2E_TMP/xvfb8.log" || e2e_fail "an 8-bit Xvfb starts"
    e2e_assert_eq "ombrix: cannot draw on a screen of 8 bits a pixel (15 or more are needed)
status 1" "$(timeout 10 "$OMBRIX_BIN" 2>&1 >/dev/null || echo "status $?")" \
        "8-bit screen: one line says why, and status 1"
}

# ---- the store's directory --------------------------------------------------

check_missing_configuration_directory() {
    local saved=$XDG_CONFIG_HOME
    export XDG_CONFIG_HOME=$E2E_TMP/not/there/yet
    STORE=$(e2e_store_file)
    ruler_starts || e2e_fail "no configuration directory: the ruler starts with one window only"
    e2e_assert_eq "$DEFAULT_X $DEFAULT_Y" "$X $Y" "no configuration directory: default place"
    e2e_assert "no configuration directory: Close ends the program" close_ruler
    e2e_assert "no configuration directory: Close creates a valid store" store_is_valid
    export XDG_CONFIG_HOME=$saved
    STORE=$(e2e_store_file)
}

# Root writes through read-only permissions, so the store's directory is
# made a plain file: nothing can be written below it.
check_unwritable_configuration_directory() {
    rm -rf "$XDG_CONFIG_HOME/Ombrix"
    printf 'not a directory\n' >"$XDG_CONFIG_HOME/Ombrix"
    ruler_starts || e2e_fail "unwritable store: the ruler starts with one window only"
    e2e_assert_eq "$DEFAULT_X $DEFAULT_Y" "$X $Y" "unwritable store: default place"
    e2e_assert "unwritable store: Close still ends the program at once" close_ruler
    e2e_assert_eq "not a directory" "$(cat "$XDG_CONFIG_HOME/Ombrix")" \
        "unwritable store: the file in the directory's place is untouched"
    rm -f "$XDG_CONFIG_HOME/Ombrix"
    ruler_starts || e2e_fail "writable again: the ruler starts"
    e2e_assert "writable again: Close ends the program" close_ruler
    e2e_assert "writable again: Close writes a valid store" store_is_valid
}

check_store_deleted_while_running() {
    write_store empty
    ruler_starts || e2e_fail "store deleted: the ruler starts"
    rm -rf "$XDG_CONFIG_HOME/Ombrix"
    e2e_assert "store deleted: Close ends the program" close_ruler
    e2e_assert "store deleted: Close writes a valid store anew" store_is_valid
    e2e_assert_eq "$GOOD_X $GOOD_Y" "$X $Y" "store deleted: the ruler had the stored place"
    e2e_assert_eq "${GOOD[X_L]} ${GOOD[X_T]} False True" \
        "$(e2e_store_value X_L) $(e2e_store_value X_T) $(e2e_store_value Pix) $(e2e_store_value Points)" \
        "store deleted: the running ruler's state is written"
}

check_two_copies_closing_at_once() {
    write_store empty
    ruler_starts || e2e_fail "two copies: the first starts"
    local first=$E2E_OMBRIX_PID first_window=$WID
    ruler_starts || e2e_fail "two copies: the second starts"
    local second=$E2E_OMBRIX_PID second_window=$WID
    move_window "$second_window" 300 400
    wm_delete "$first_window" "$second_window"
    e2e_assert "two copies: both end" e2e_wait_exit "$first"
    e2e_assert "two copies: both end" e2e_wait_exit "$second"
    e2e_assert "two copies: the store is valid" store_is_valid
    e2e_assert_match '^(1500 3000|4500 6000)$' "$(e2e_store_value X_L) $(e2e_store_value X_T)" \
        "two copies: the store holds one copy's whole position"
}

# A kill at any moment of a saving exit leaves the store either wholly old or
# wholly new, never a broken file: the exit hands all its keys to the store
# at once and the file is replaced in one step. The store on disk is changed behind the running
# ruler so that every key's old text differs from the one it writes, and the
# kill is sent from a loop that watches for the exit's first write.
SAVE_ORDER=("${UNIT_KEYS[@]}" X_L X_T)
declare -A SAVED_NEW=([Pix]=True [Points]=False [Charac]=False [Inch]=False [Milli]=False
    [Centi]=False [Twips]=False [X_L]=4500 [X_T]=6000)

write_old_store() {
    {
        printf '[Presets]\n'
        printf '%s=True\n' Points Charac Inch Milli Centi Twips
        printf 'Pix=False\nX_L=9000\nX_T=9000\n'
    } >"$STORE.new"
    mv "$STORE.new" "$STORE"
}

# The keys in writing order as N (new text), O (old text) or ? (neither).
saved_pattern() {
    local key value pattern=""
    declare -A old=([Pix]=False [X_L]=9000 [X_T]=9000)
    for key in "${SAVE_ORDER[@]}"; do
        value=$(e2e_store_value "$key")
        if [[ $value == "${SAVED_NEW[$key]}" ]]; then
            pattern+=N
        elif [[ $value == "${old[$key]:-True}" ]]; then
            pattern+=O
        else
            pattern+="?"
        fi
    done
    echo "$pattern"
}

# kill_on_first_write PID SPINS: waits for the store to change, lets the
# program run on for SPINS turns of a shell loop, then kills it.
kill_on_first_write() {
    local pid=$1 spins=$2 i written=1
    for ((i = 0; i < 2000000; i++)); do
        [[ $STORE -nt $E2E_TMP/before-exit ]] && break
    done
    ((i < 2000000)) || written=0
    for ((i = 0; i < spins; i++)); do :; done
    kill -KILL "$pid" 2>/dev/null
    ((written))
}

check_kill_during_saving_exit() {
    local round pattern broken=0 seen=()
    for round in $(seq 0 11); do
        rm -f "$STORE" # a first run: "Pixels" alone ticked
        ruler_starts || {
            e2e_fail "kill round $round: the ruler starts"
            continue
        }
        move_window "$WID" 300 400
        ruler_read_geometry
        write_old_store
        touch -d '-1 second' "$E2E_TMP/before-exit"
        touch -d '-2 seconds' "$STORE"
        open_menu $RULER_FACE || continue
        xdotool key o
        kill_on_first_write "$E2E_OMBRIX_PID" $((round * round * 150)) ||
            e2e_fail "kill round $round: Close starts writing the store"
        e2e_wait_exit "$E2E_OMBRIX_PID"
        pattern=$(saved_pattern)
        seen+=("$pattern")
        [[ $pattern =~ ^(N{9}|O{9})$ ]] || broken=$((broken + 1))
        grep -qx '\[Presets\]' "$STORE" || broken=$((broken + 1))
    done
    e2e_assert_eq 0 "$broken" "a kill during a saving exit leaves the old store or the new one"
    echo "stores left by the kills, keys in writing order (N new, O old): ${seen[*]}"
}

# ---- shell calls from a directory named with shell syntax ---------------------

install_fake_viewer() {
    mkdir -p "$E2E_TMP/fakebin"
    cat >"$E2E_TMP/fakebin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$#" "\$@" >"$E2E_TMP/opened"
EOF
    chmod +x "$E2E_TMP/fakebin/xdg-open"
}

viewer_was_called() {
    [[ -s $E2E_TMP/opened ]]
}

check_help_from_hostile_directory() {
    local dir
    # shellcheck disable=SC2016  # the $( ) is meant literally
    dir="$E2E_TMP/"'my progs "q" '\''s'\'' $(touch x) `touch y`; touch z'
    mkdir -p "$dir"
    cp "$OMBRIX_BIN" "$dir/ombrix"
    cp "$OMBRIX_SOURCE_DIR/assets/Ombrix_Help.htm" "$dir/Ombrix_Help.htm"
    install_fake_viewer
    touch "$E2E_TMP/marker"
    write_store empty
    (
        cd "$E2E_TMP" || exit 1
        PATH=$E2E_TMP/fakebin:$PATH OMBRIX_BIN=$dir/ombrix e2e_start_ombrix
        echo "$E2E_OMBRIX_PID" >"$E2E_TMP/hostile.pid"
    )
    E2E_OMBRIX_PID=$(cat "$E2E_TMP/hostile.pid")
    XD_PIDS+=("$E2E_OMBRIX_PID")
    ruler_settles || e2e_fatal "the copied program starts"
    open_menu $RULER_FACE || e2e_fail "hostile directory: the menu opens"
    xdotool key h
    e2e_assert "hostile directory: Help calls the viewer" e2e_wait_until 10 viewer_was_called
    e2e_assert_eq "1|$dir/Ombrix_Help.htm" "$(paste -sd'|' "$E2E_TMP/opened")" \
        "hostile directory: the viewer gets the help page's path as one argument"
    sleep 0.5
    local made
    made=$(find "$E2E_TMP" "$HOME" /tmp "$PWD" -maxdepth 3 \( -name x -o -name y -o -name z \) \
        -newer "$E2E_TMP/marker" 2>/dev/null)
    e2e_assert_eq "" "$made" "hostile directory: nothing in the name was run"
}

e2e_start_desktop
measure_default_place
check_any_qt_platform
check_relative_config_home
check_no_home
check_closed_standard_streams
check_pipe_at_the_store
check_huge_store
check_missing_configuration_directory
check_unwritable_configuration_directory
check_store_deleted_while_running
check_two_copies_closing_at_once
check_kill_during_saving_exit
check_help_from_hostile_directory
check_spy_without_monitors
check_eight_bit_screen
