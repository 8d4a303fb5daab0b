#!/usr/bin/env bash
# Bad settings stores for Color Spy and Color Mixer in the real program:
# their keys holding texts they never write, all at once and one at a time.
# They must place themselves and store their colour exactly as with those
# keys absent, and leave the ruler's keys valid.
# shellcheck disable=SC2086  # the points split into X Y on purpose
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"
# shellcheck source=tests/e2e/ruler.sh
source "$(dirname "$0")/ruler.sh"
# shellcheck source=tests/e2e/hardening.sh
source "$(dirname "$0")/hardening.sh"

# ---- Color Spy and Color Mixer ---------------------------------------------

# open_tool LETTER TITLE: Utilities, then the entry with that access key, from
# the ruler's menu; prints "x y" of the tool's window once it shows.
open_tool() {
    xdotool windowraise "$WID"
    local wid x y
    wid=$(utilities_window "$1" "^$2\$") || return 1
    read -r x y _ < <(e2e_settled_geometry "$wid")
    echo "$x $y"
}

# tools_run [SIGNAL]: starts the ruler, opens Color Spy and Color Mixer, and
# closes the ruler through the window manager, which unloads the tools (the
# Mixer then stores its colour). Sets TOOLS to "ruler spy mixer" places and
# the stored colour, or fails. With SIGNAL the ruler copies first (COPIED),
# the store is deleted, and the signal closes.
TOOLS=
tools_run() {
    local spy mixer
    ruler_starts || { echo "tools_run: no ruler" && return 1; }
    [[ -z ${1:-} ]] || { copy_readouts $RULER_FACE && COPIED=$(e2e_clipboard_hex) && [[ -n $COPIED ]]; } ||
        { echo "tools_run: nothing copied" && return 1; }
    spy=$(open_tool s "Color Spy") || { echo "tools_run: no Color Spy" && return 1; }
    mixer=$(open_tool m "Color Mixer") || { echo "tools_run: no Color Mixer" && return 1; }
    if [[ -n ${1:-} ]]; then
        rm -f "$STORE" && kill -s "$1" "$E2E_OMBRIX_PID"
    else
        # Asked again while the ruler is there: on a loaded machine a first
        # request can come while the menu that opened the Mixer still closes.
        e2e_wm_close "$WID"
    fi
    e2e_wait_exit "$E2E_OMBRIX_PID" || { echo "tools_run: the program goes on" && return 1; }
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

# Signals close as the desktop does, into a store deleted meanwhile, and the
# copy stays (env undoes the SIGINT a shell ignores for background programs).
check_signals_close_as_the_desktop() {
    local signal
    E2E_OMBRIX_ENV=(--default-signal=INT QT_QPA_PLATFORM=xcb)
    for signal in TERM INT; do # HUP takes the same path as TERM
        write_store empty && TOOLS=
        tools_run "$signal" || e2e_fail "SIG$signal: the windows open, and the signal ends them"
        e2e_assert_eq "ruler 100 200 spy 200 400 mixer 600 700 colour 10 20 30 status 0" \
            "$TOOLS status $E2E_EXIT_STATUS" "SIG$signal: every window stores its place and colour"
        e2e_assert "SIG$signal: the copy stays" e2e_wait_until 5 e2e_clipboard_holds "$COPIED"
    done
    E2E_OMBRIX_ENV=(QT_QPA_PLATFORM=xcb)
}

e2e_start_desktop
check_signals_close_as_the_desktop
check_tools_take_good_keys
e2e_needs_all same-first-place "the tools' first places with bad keys, compared with those without"
check_tools_with_bad_keys
