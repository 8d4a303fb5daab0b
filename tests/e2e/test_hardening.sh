#!/usr/bin/env bash
# Bad settings stores for the real program: every key holding texts that are
# not what the ruler writes, one key at a time and all at once, and a store
# of random bytes. Each time the ruler must start with the defaults for the
# bad keys alone, show no other window, and its next saving exit must write
# a store the next start reads back.
# shellcheck disable=SC2086  # the points split into X Y on purpose
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "$0")/ruler.sh"
# shellcheck source=tests/e2e/hardening.sh
source "$(dirname "$0")/hardening.sh"

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
    # The window manager keeps the ruler out of the desktop's panels (GNOME
    # Shell's top bar): it stands no higher or further left than the work area.
    want_x=$((want_x > AREA_X ? want_x : AREA_X))
    want_y=$((want_y > AREA_Y ? want_y : AREA_Y))
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

e2e_start_desktop
# The work area's corner, 0 0 where the window manager names none.
read -r AREA_X AREA_Y _ < <(xprop -root -notype _NET_WORKAREA | grep -o '[0-9, ]*$' | tr -d ,)
measure_default_place
check_each_bad_text_in_every_key
check_one_bad_key_among_good_ones
check_random_store
