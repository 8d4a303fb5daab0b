#!/usr/bin/env bash
# Bad settings stores and hostile surroundings for the real program: every
# key holding texts that are not what the ruler writes, a store of random
# bytes, a configuration directory that is missing or cannot be written, the
# store deleted while the program runs, two copies saving at once, a kill in
# the middle of a saving exit, and a program directory whose name is full of
# shell syntax. Each time the ruler must start with the defaults for the bad
# keys alone, show no other window, and its next saving exit must write a
# store the next start reads back.
# shellcheck disable=SC2086  # the points split into X Y on purpose
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "$0")/ruler.sh"

# Keys the ruler does not read: it must start whatever they hold and leave
# them as they were.
OTHER_KEYS=(S_L S_T M_L M_T H1 H2 H3)
# A stored tick that does not convert leaves its entry as designed, unticked;
# only an absent Pix ticks "Pixels" (the default of the read).
declare -A DESIGN_TICK=([Pix]=False [Points]=False [Charac]=False [Inch]=False
    [Milli]=False [Centi]=False [Twips]=False)
# Good stored values that differ from every default, so a key that falls back
# to its default shows in what the next exit writes.
declare -A GOOD=([Pix]=False [Points]=True [Charac]=True [Inch]=True [Milli]=True
    [Centi]=True [Twips]=True [X_L]=1500 [X_T]=3000
    [S_L]=3000 [S_T]=6000 [M_L]=9000 [M_T]=10500 [H1]=10 [H2]=20 [H3]=30)
GOOD_X=100 # pixels, from X_L
GOOD_Y=200 # pixels, from X_T

BAD_NAMES=(empty garbage nan inf 1e40 minus-zero binary comma)
# A hand-edited value with an unclosed quote or a trailing backslash runs on
# into the lines below it in an INI file, taking the keys there with it, so
# these are only tried in every key at once.
SPILLING_NAMES=(open-quote backslash-end)
# The texts that the ruler's readers take although they are not what it
# writes: "1e40" and "-0" are numbers (true and false as ticks; "-0" is the
# edge 0, "1e40" no position at all).
declare -A BAD_TICK=([1e40]=True [minus-zero]=False)
declare -A BAD_EDGE=([minus-zero]=0)

# ---- the store --------------------------------------------------------------

STORE=$(e2e_store_file)

# 300 bytes: NUL and every other byte but line ends, in a fixed order so a
# failure can be repeated.
binary_text() {
    python3 -c 'import sys; sys.stdout.buffer.write(bytes(b for b in (i * 7 % 256 for i in range(320)) if b not in (10, 13))[:300])'
}

bad_text() {
    case $1 in
    empty) printf '' ;;
    garbage) printf 'zx!%%Q twelve' ;;
    nan) printf 'nan' ;;
    inf) printf 'inf' ;;
    1e40) printf '1e40' ;;
    minus-zero) printf -- '-0' ;;
    binary) binary_text ;;
    comma) printf '12,5' ;;
    open-quote) printf 'say "hi' ;;
    backslash-end) printf 'C:\134' ;;
    esac
}

# write_store BAD_NAME KEY...: [Presets] with the good value for every key,
# the listed keys holding the bad text (or left out, for BAD_NAME absent).
write_store() {
    local bad=$1 key
    shift
    mkdir -p "$(dirname "$STORE")"
    {
        printf '[Presets]\n'
        for key in "${UNIT_KEYS[@]}" X_L X_T "${OTHER_KEYS[@]}"; do
            [[ $bad == absent && " $* " == *" $key "* ]] && continue
            printf '%s=' "$key"
            if [[ " $* " == *" $key "* ]]; then
                bad_text "$bad"
            else
                printf '%s' "${GOOD[$key]}"
            fi
            printf '\n'
        done
    } >"$STORE"
}

truth_word() {
    [[ $1 == True || $1 == False ]]
}

edge_number() {
    [[ $1 =~ ^-?[0-9]+(\.[0-9]+)?$ ]]
}

# The store the ruler's saving exit leaves: a section, every unit as a truth
# word, both edges as numbers.
store_is_valid() {
    grep -qx '\[Presets\]' "$STORE" 2>/dev/null || return 1
    local key
    for key in "${UNIT_KEYS[@]}"; do
        truth_word "$(e2e_store_value "$key")" || return 1
    done
    edge_number "$(e2e_store_value X_L)" && edge_number "$(e2e_store_value X_T)"
}

# ---- the program ------------------------------------------------------------

# The first run's place: where the window manager puts the ruler when no
# position is stored.
DEFAULT_X=
DEFAULT_Y=
measure_default_place() {
    rm -rf "$XDG_CONFIG_HOME/Ombrix"
    ruler_starts || e2e_fatal "a first run shows the ruler"
    DEFAULT_X=$X
    DEFAULT_Y=$Y
    close_ruler || e2e_fatal "a first run ends by Close"
    e2e_pass "first run at the window manager's place ($DEFAULT_X,$DEFAULT_Y)"
}

expected_tick() {
    local key=$1 bad=$2
    shift 2
    if [[ " $* " != *" $key "* ]]; then
        echo "${GOOD[$key]}"
    else
        echo "${BAD_TICK[$bad]:-${DESIGN_TICK[$key]}}"
    fi
}

# expected_edge GOOD_PIXELS DEFAULT_PIXELS KEY BAD KEY...
expected_edge() {
    local good=$1 default=$2 key=$3 bad=$4
    shift 4
    if [[ " $* " != *" $key "* ]]; then
        echo "$good"
    else
        echo "${BAD_EDGE[$bad]:-$default}"
    fi
}

# run_case LABEL BAD KEY...: the store holds BAD in the listed keys; the ruler
# must take the good keys, default the bad ones, show nothing else, and write
# a valid store on Close.
run_case() {
    local label=$1 bad=$2
    shift 2
    write_store "$bad" "$@"
    ruler_starts || {
        e2e_fail "$label: the ruler starts with one window only"
        return
    }
    local want_x want_y
    want_x=$(expected_edge "$GOOD_X" "$DEFAULT_X" X_L "$bad" "$@")
    want_y=$(expected_edge "$GOOD_Y" "$DEFAULT_Y" X_T "$bad" "$@")
    local got="$X $Y"
    close_ruler || {
        e2e_fail "$label: Close ends the program"
        return
    }
    local want_ticks="" got_ticks="" key
    for key in "${UNIT_KEYS[@]}"; do
        want_ticks+="$key=$(expected_tick "$key" "$bad" "$@") "
        got_ticks+="$key=$(e2e_store_value "$key") "
    done
    e2e_assert_eq "$want_x $want_y" "$got" "$label: position"
    e2e_assert_eq "$want_ticks" "$got_ticks" "$label: unit ticks written back"
    e2e_assert "$label: Close writes a valid store" store_is_valid
}

# wm_delete WID...: WM_DELETE_WINDOW to every window in one go, as a window
# manager's close sends it, through Xlib from Python's ctypes.
wm_delete() {
    python3 - "$@" <<'EOF'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5), ("pad", ctypes.c_char * 96)]
d = x.XOpenDisplay(None)
protocols = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
delete = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
for wid in sys.argv[1:]:
    e = ClientMessage(type=33, window=int(wid), message_type=protocols, format=32)
    e.l[0], e.l[1] = delete, 0
    x.XSendEvent(d, int(wid), 0, 0, ctypes.byref(e))
x.XFlush(d)
EOF
}

# ---- Color Spy and Color Mixer ---------------------------------------------

# open_tool LETTER TITLE: Utilities, then the entry with that access key, from
# the ruler's menu; prints "x y" of the tool's window once it shows.
open_tool() {
    xdotool windowraise "$WID"
    utilities_command "$1" || return 1
    local wid x y
    wid=$(e2e_wait_window "^$2\$") || return 1
    read -r x y _ < <(e2e_geometry "$wid")
    echo "$x $y"
}

# tools_run: starts the ruler, opens Color Spy and Color Mixer, and closes the
# ruler through the window manager's protocol, which unloads the tools (the
# Mixer then stores its colour). Sets TOOLS to "ruler spy mixer" places and
# the stored colour, or fails.
TOOLS=
tools_run() {
    local spy mixer
    ruler_starts || return 1
    spy=$(open_tool s "Color Spy") || return 1
    mixer=$(open_tool m "Color Mixer") || return 1
    wm_delete "$WID"
    e2e_wait_exit "$E2E_OMBRIX_PID" || return 1
    TOOLS="ruler $X $Y spy $spy mixer $mixer colour $(e2e_store_value H1) $(e2e_store_value H2) $(e2e_store_value H3)"
}

colour_is_valid() {
    local key value
    for key in H1 H2 H3; do
        value=$(e2e_store_value "$key")
        [[ $value =~ ^[0-9]+$ ]] && ((value <= 255)) || return 1
    done
}

# tools_case LABEL BAD KEY...: the tools with BAD in the listed keys place
# themselves and store their colour exactly as with those keys absent.
tools_case() {
    local label=$1 bad=$2 reference
    shift 2
    write_store absent "$@"
    tools_run || {
        e2e_fail "$label: reference run with the keys absent"
        return
    }
    reference=$TOOLS
    write_store "$bad" "$@"
    tools_run || {
        e2e_fail "$label: the ruler, Color Spy and Color Mixer open and close"
        return
    }
    e2e_assert_eq "$reference" "$TOOLS" "$label: the tools as with the keys absent"
    e2e_assert "$label: the unloading writes a valid colour" colour_is_valid
    e2e_assert "$label: the ruler's keys are valid" store_is_valid
}

check_tools_with_bad_keys() {
    local bad key i=0
    for bad in empty garbage nan binary open-quote; do
        tools_case "tools, all keys $bad" "$bad" "${UNIT_KEYS[@]}" X_L X_T "${OTHER_KEYS[@]}"
    done
    for key in "${OTHER_KEYS[@]}"; do
        bad=${BAD_NAMES[i % ${#BAD_NAMES[@]}]}
        i=$((i + 1))
        tools_case "tools, $key $bad" "$bad" "$key"
    done
}

# The good keys do reach the tools: a check that the cases above compare
# something.
check_tools_take_good_keys() {
    write_store empty
    tools_run || e2e_fail "tools with a good store open and close"
    e2e_assert_eq "ruler 100 200 spy 200 400 mixer 600 700 colour 10 20 30" "$TOOLS" \
        "tools with a good store: stored places and colour"
}

# ---- cases ------------------------------------------------------------------

check_each_bad_text_in_every_key() {
    local bad
    for bad in "${BAD_NAMES[@]}" "${SPILLING_NAMES[@]}"; do
        run_case "all keys $bad" "$bad" "${UNIT_KEYS[@]}" X_L X_T "${OTHER_KEYS[@]}"
    done
}

check_one_bad_key_among_good_ones() {
    local i=0 key bad
    for key in "${UNIT_KEYS[@]}" X_L X_T "${OTHER_KEYS[@]}"; do
        bad=${BAD_NAMES[i % ${#BAD_NAMES[@]}]}
        i=$((i + 1))
        run_case "$key $bad, others good" "$bad" "$key"
    done
}

check_random_store() {
    mkdir -p "$(dirname "$STORE")"
    head -c 4096 /dev/urandom >"$STORE"
    ruler_starts || e2e_fail "random store: the ruler starts with one window only"
    e2e_assert_eq "$DEFAULT_X $DEFAULT_Y" "$X $Y" "random store: default place"
    e2e_assert "random store: Close ends the program" close_ruler
    e2e_assert "random store: Close writes a valid store" store_is_valid
    e2e_assert_eq "True False" "$(e2e_store_value Pix) $(e2e_store_value Points)" \
        "random store: the default ticks are written"
    reads_back_store
}

# The next start takes what the last exit wrote.
reads_back_store() {
    e2e_store_put X_L 4500
    e2e_store_put X_T 1500
    ruler_starts || e2e_fail "the written store: the ruler starts"
    e2e_assert_eq "300 100" "$X $Y" "the written store is read back"
    close_ruler || e2e_fail "the written store: Close"
}

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
    xdotool windowmove "$second_window" 300 400
    e2e_wait_geometry "$second_window" "300 400 400 84" || e2e_fail "two copies: the second moves"
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
        xdotool windowmove "$WID" 300 400
        e2e_wait_geometry "$WID" "300 400 400 84"
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
check_each_bad_text_in_every_key
check_one_bad_key_among_good_ones
check_random_store
check_missing_configuration_directory
check_unwritable_configuration_directory
check_store_deleted_while_running
check_tools_take_good_keys
check_tools_with_bad_keys
check_two_copies_closing_at_once
check_kill_during_saving_exit
check_help_from_hostile_directory
