# shellcheck shell=bash
# shellcheck disable=SC2034  # the tables are read by the test scripts
# Helpers for the hardening tests, sourced after harness.sh and ruler.sh:
# stores written with good and bad texts in chosen keys, the check that a
# saving exit wrote a valid store, the first run's place, and the window
# manager's close sent to several windows at once.

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
    e2e_needs_all same-first-place "the rest of $E2E_NAME, which compares places with the first run's"
    rm -rf "$XDG_CONFIG_HOME/Ombrix"
    ruler_starts || e2e_fatal "a first run shows the ruler"
    DEFAULT_X=$X
    DEFAULT_Y=$Y
    close_ruler || e2e_fatal "a first run ends by Close"
    e2e_pass "first run at the window manager's place ($DEFAULT_X,$DEFAULT_Y)"
}

# wm_delete WID...: WM_DELETE_WINDOW to every window in one go, as a window
# manager's close sends it.
wm_delete() {
    e2e_xlib delete "$@"
}
