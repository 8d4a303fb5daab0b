#!/usr/bin/env bash
# Builds the program and the benchmarks (release build in build-bench, or
# $OMBRIX_BENCH_BUILD_DIR), runs them on a private Xvfb with openbox and
# prints a markdown table on stdout. Every figure is set against a reference
# measured in the same run: a bare Qt window (bench_bare_window), KRuler (a
# ruler of the same kind, installed with apt-get when missing) or what the
# benchmark binary measures beside it.
#
#   OMBRIX_BENCH_STARTS   starts per program for the start-up median (15)
#   OMBRIX_BENCH_IDLE     seconds over which idle wake-ups are counted (10)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ROOT=$PWD
BUILD=${OMBRIX_BENCH_BUILD_DIR:-$ROOT/build-bench}
STARTS=${OMBRIX_BENCH_STARTS:-15}
IDLE=${OMBRIX_BENCH_IDLE:-10}

# shellcheck source=scripts/lib/xdesktop.sh
source "$ROOT/scripts/lib/xdesktop.sh"

TMP=$(mktemp -d "${TMPDIR:-/tmp}/ombrix-bench.XXXXXX")
KEPT=()
cleanup() {
    set +e # the stopping helpers expect failed kills of what already ended
    local pid
    for pid in "${KEPT[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    xd_stop_all
    rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

say() { echo "bench: $*" >&2; }

# ---- build and competitor ---------------------------------------------------

build() {
    say "building in $BUILD"
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$TMP/cmake.log" 2>&1 ||
        { cat "$TMP/cmake.log" >&2; exit 1; }
    local targets=(ombrix map_wait) source
    for source in "$ROOT"/bench/bench_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
    cmake --build "$BUILD" --target "${targets[@]}" >"$TMP/build.log" 2>&1 ||
        { tail -n 40 "$TMP/build.log" >&2; exit 1; }
}

ensure_kruler() {
    command -v kruler >/dev/null && return 0
    say "installing kruler"
    local as_root=()
    ((EUID == 0)) || as_root=(sudo)
    if "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        kruler >"$TMP/apt.log" 2>&1 ||
        { "${as_root[@]}" apt-get update >>"$TMP/apt.log" 2>&1 &&
            "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y \
                --no-install-recommends kruler >>"$TMP/apt.log" 2>&1; }; then
        return 0
    fi
    say "kruler could not be installed; its columns stay empty"
    return 1
}

# ---- measurements -----------------------------------------------------------

# Every program starts with an empty settings store of its own, so each start
# is a first start and nothing of the user's is read or written.
run_fresh() {
    local config
    config=$(mktemp -d "$TMP/config.XXXXXX")
    env XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb "$@"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# start_up NAME COMMAND...: appends one start-up time in microseconds to
# $TMP/start.NAME; a start that mapped no window is left out and counted.
start_up() {
    local name=$1 micros
    shift
    if micros=$(run_fresh "$BUILD/bench/map_wait" "$@" 2>>"$TMP/programs.log"); then
        echo "$micros" >>"$TMP/start.$name"
    else
        say "$name: a start showed no window"
    fi
}

# RSS in kB and voluntary context switches of all threads.
rss_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

voluntary_switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches:/ { n += $2 } END { print n + 0 }'
}

# idle_figures NAME COMMAND...: starts the program, waits for its window,
# writes "rss_kb wakeups" to $TMP/idle.NAME.
idle_figures() {
    local name=$1 out pid rss before after
    shift
    out=$(MAP_WAIT_KEEP=1 run_fresh "$BUILD/bench/map_wait" "$@" 2>>"$TMP/programs.log") || return 0
    pid=$(sed -n 2p <<<"$out")
    KEPT+=("$pid")
    sleep 2
    rss=$(rss_kb "$pid")
    before=$(voluntary_switches "$pid")
    sleep "$IDLE"
    after=$(voluntary_switches "$pid")
    kill -TERM "$pid" 2>/dev/null || true
    echo "$rss $((after - before))" >"$TMP/idle.$name"
}

# ---- table ------------------------------------------------------------------

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b == 0) print "—"; else printf "%.2f×", a / b }'
}

ms() {
    awk -v us="$1" 'BEGIN { if (us == "") print "—"; else printf "%.1f ms", us / 1000 }'
}

mib() {
    awk -v kb="$1" 'BEGIN { if (kb == "") print "—"; else printf "%.1f MiB", kb / 1024 }'
}

value_of() {
    awk -v key="$1" '$1 == key { print $2 }' "$2" 2>/dev/null
}

main() {
    build
    local kruler=()
    ensure_kruler && kruler=(kruler)
    xd_start_xvfb 1280x1024x24 "$TMP/xvfb.log" || exit 1
    xd_start_openbox "$TMP/openbox.log" || exit 1
    export XDG_RUNTIME_DIR=$TMP/runtime
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

    local ombrix=("$BUILD/src/ombrix") bare=("$BUILD/bench/bench_bare_window") i
    local text=("$BUILD/bench/bench_bare_window" --text)
    say "start-up, $STARTS starts each"
    for ((i = 0; i < STARTS; i++)); do
        start_up ombrix "${ombrix[@]}"
        start_up bare "${bare[@]}"
        start_up text "${text[@]}"
        ((${#kruler[@]} == 0)) || start_up kruler "${kruler[@]}"
    done
    say "memory and idle wake-ups over ${IDLE} s"
    idle_figures ombrix "${ombrix[@]}"
    idle_figures bare "${bare[@]}"
    idle_figures text "${text[@]}"
    ((${#kruler[@]} == 0)) || idle_figures kruler "${kruler[@]}"

    say "per-call benchmarks"
    local bench
    for bench in bench_ruler_tick bench_button_redraw bench_colour_tick; do
        if [[ -x $BUILD/bench/$bench ]]; then
            run_fresh "$BUILD/bench/$bench" >>"$TMP/calls" 2>>"$TMP/programs.log" ||
                say "$bench failed"
        fi
    done

    local s_ombrix s_bare s_text s_kruler
    s_ombrix=$(median <"$TMP/start.ombrix" || true)
    s_bare=$(median <"$TMP/start.bare" || true)
    s_text=$(median <"$TMP/start.text" || true)
    s_kruler=$(median <"$TMP/start.kruler" 2>/dev/null || true)
    local m_ombrix w_ombrix m_bare w_bare m_text w_text m_kruler w_kruler
    read -r m_ombrix w_ombrix <"$TMP/idle.ombrix" || true
    read -r m_bare w_bare <"$TMP/idle.bare" || true
    read -r m_text w_text <"$TMP/idle.text" || true
    read -r m_kruler w_kruler <"$TMP/idle.kruler" 2>/dev/null || true

    echo "| Measure | Ombrix | Reference | Ratio | Goal |"
    echo "|---|---|---|---|---|"
    echo "| Start-up to first mapped window (median of $STARTS) | $(ms "$s_ombrix") | bare Qt window $(ms "$s_bare") | $(ratio "$s_ombrix" "$s_bare") | ≤ 1.2× |"
    echo "| Start-up to first mapped window (median of $STARTS) | $(ms "$s_ombrix") | bare Qt window with one line of text $(ms "$s_text") | $(ratio "$s_ombrix" "$s_text") | |"
    echo "| Start-up to first mapped window (median of $STARTS) | $(ms "$s_ombrix") | KRuler $(ms "$s_kruler") | $(ratio "$s_ombrix" "$s_kruler") | < 0.5× |"
    echo "| Resident memory 2 s after start | $(mib "$m_ombrix") | bare Qt window $(mib "$m_bare") | $(ratio "$m_ombrix" "$m_bare") | |"
    echo "| Resident memory 2 s after start | $(mib "$m_ombrix") | bare Qt window with text $(mib "$m_text") | $(ratio "$m_ombrix" "$m_text") | |"
    echo "| Resident memory 2 s after start | $(mib "$m_ombrix") | KRuler $(mib "$m_kruler") | $(ratio "$m_ombrix" "$m_kruler") | |"
    echo "| Idle wake-ups in ${IDLE} s (voluntary context switches, all threads) | ${w_ombrix:-—} | bare Qt window ${w_bare:-—}; with text ${w_text:-—}; KRuler ${w_kruler:-—} | | 0 |"

    local tick bare_resize
    tick=$(value_of ruler_tick_us "$TMP/calls")
    bare_resize=$(value_of bare_resize_us "$TMP/calls")
    [[ -z $tick ]] ||
        echo "| One \`Timer1_Timer\` tick (resize, layout, readouts) | $tick µs | bare resize of the same window $bare_resize µs | $(ratio "$tick" "$bare_resize") | |"
    local redraw
    redraw=$(value_of redraw_style3_73x23_us "$TMP/calls")
    [[ -z $redraw ]] ||
        echo "| chameleonButton redraw, style 3, 73×23 | $redraw µs | one \`Timer1_Timer\` tick ${tick:-—} µs | $(ratio "$redraw" "$tick") | |"
    local pixel round_trip spy
    pixel=$(value_of pixel_read_us "$TMP/calls")
    round_trip=$(value_of x_round_trip_us "$TMP/calls")
    spy=$(value_of spy_tick_us "$TMP/calls")
    [[ -z $pixel ]] ||
        echo "| Screen pixel read | $pixel µs | X round trip $round_trip µs | $(ratio "$pixel" "$round_trip") | |"
    [[ -z $spy ]] ||
        echo "| Color Spy tick | $spy µs | X round trip $round_trip µs | $(ratio "$spy" "$round_trip") | |"

    echo
    echo "Machine: $(nproc) cores, $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo);" \
        "$(dpkg-query -W -f='Xvfb ${Version}' xvfb 2>/dev/null || echo Xvfb) at 1280×1024×24 with openbox;" \
        "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || qtpaths6 --qt-version 2>/dev/null || echo 6);" \
        "$(date -u +%Y-%m-%d)."
}

main
