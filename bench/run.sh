#!/usr/bin/env bash
# Builds the program and the benchmarks (release build in build-bench, or
# $OMBRIX_BENCH_BUILD_DIR), runs them on a private Xvfb with openbox and
# prints a markdown table on stdout. Every figure is set against a reference
# measured in the same run: a bare Qt window (bench_bare_window), KRuler (a
# ruler of the same kind, installed with apt-get when missing) or what the
# benchmark binary measures beside it. Instruction counts come from
# valgrind's callgrind (installed with apt-get when missing): unlike times,
# they do not change with the load of a shared machine.
#
#   OMBRIX_BENCH_STARTS   starts per program for the start-up median (15)
#   OMBRIX_BENCH_IDLE     seconds over which idle wake-ups are counted (10)
#   OMBRIX_BENCH_BUSY     seconds over which a held thumb, a drag and a
#                         capture are measured (5)
#   OMBRIX_BENCH_ROUNDS   interleaved rounds of the follow, each program on a
#                         desktop of its own (5)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ROOT=$PWD
BUILD=${OMBRIX_BENCH_BUILD_DIR:-$ROOT/build-bench}
STARTS=${OMBRIX_BENCH_STARTS:-15}
IDLE=${OMBRIX_BENCH_IDLE:-10}
BUSY=${OMBRIX_BENCH_BUSY:-5}
ROUNDS=${OMBRIX_BENCH_ROUNDS:-5}

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

# shellcheck source=bench/measure.sh
source "$ROOT/bench/measure.sh"

# ---- build and competitor ---------------------------------------------------

build() {
    say "building in $BUILD"
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$TMP/cmake.log" 2>&1 ||
        { cat "$TMP/cmake.log" >&2; exit 1; }
    local targets=(ombrix map_wait follow_watch) source
    for source in "$ROOT"/bench/bench_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
    cmake --build "$BUILD" --target "${targets[@]}" >"$TMP/build.log" 2>&1 ||
        { tail -n 40 "$TMP/build.log" >&2; exit 1; }
}

# ensure_tool COMMAND PACKAGE: installs PACKAGE with apt-get when COMMAND is missing.
ensure_tool() {
    command -v "$1" >/dev/null && return 0
    say "installing $2"
    local as_root=()
    ((EUID == 0)) || as_root=(sudo)
    if "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "$2" >"$TMP/apt.log" 2>&1 ||
        { "${as_root[@]}" apt-get update >>"$TMP/apt.log" 2>&1 &&
            "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y \
                --no-install-recommends "$2" >>"$TMP/apt.log" 2>&1; }; then
        return 0
    fi
    say "$2 could not be installed; its figures stay empty"
    return 1
}

# ---- table ------------------------------------------------------------------

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b == 0) print "—"; else printf "%.2f×", a / b }'
}

ms() {
    awk -v us="$1" 'BEGIN { if (us == "") print "—"; else printf "%.1f ms", us / 1000 }'
}

count() {
    awk -v n="$1" 'BEGIN { if (n == "") print "—"; else if (n >= 1e6) printf "%.1f M", n / 1e6; else if (n >= 1e3) printf "%.1f k", n / 1e3; else printf "%d", n }'
}

per_call() {
    awk -v n="$1" -v c="$2" 'BEGIN { if (n == "") print ""; else printf "%.0f\n", n / c }'
}

mib() {
    awk -v kb="$1" 'BEGIN { if (kb == "") print "—"; else printf "%.1f MiB", kb / 1024 }'
}

value_of() {
    awk -v key="$1" '$1 == key { print $2 }' "$2" 2>/dev/null
}

# row MEASURE OMBRIX REFERENCE OMBRIX_NUMBER REFERENCE_NUMBER GOAL
row() {
    echo "| $1 | $2 | $3 | $(ratio "$4" "$5") | $6 |"
}

main() {
    build
    local kruler=() callgrind=1
    ensure_tool kruler kruler && kruler=(kruler)
    ensure_tool valgrind valgrind || callgrind=0

    local ombrix=("$BUILD/src/ombrix") bare=("$BUILD/bench/bench_bare_window") i factor
    say "the follow of a held thumb, $ROUNDS rounds of ${BUSY} s each"
    for ((i = 0; i < ROUNDS; i++)); do
        follow_figures ombrix ombrix "${ombrix[@]}"
        # The bare window grows by as much a pixel of pointer as the ruler did.
        factor=$(follow_median ombrix 4)
        follow_figures bare bare "${bare[@]}" --follow "${factor:-5.5}"
        ((${#kruler[@]} == 0)) || follow_figures kruler kruler "${kruler[@]}"
    done

    xd_start_xvfb 1280x1024x24 "$TMP/xvfb.log" || exit 1
    xd_start_openbox "$TMP/openbox.log" || exit 1
    export XDG_RUNTIME_DIR=$TMP/runtime
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

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

    say "a held thumb and a capture with the pointer moving, ${BUSY} s each"
    busy_figures held hold_thumb "${ombrix[@]}"
    busy_figures timer1 none "${bare[@]}" --timer 1
    move_pointer
    busy_figures capture none "$BUILD/bench/bench_colour_tick" --capture
    stop_pointer
    move_pointer
    busy_figures timer100 none "${bare[@]}" --timer 100
    stop_pointer

    say "per-call benchmarks"
    local bench
    for bench in bench_ruler_tick bench_button_redraw bench_colour_tick; do
        if [[ -x $BUILD/bench/$bench ]]; then
            run_fresh "$BUILD/bench/$bench" >>"$TMP/calls" 2>>"$TMP/programs.log" ||
                say "$bench failed"
        fi
    done

    local calls=300 kind
    if ((callgrind)); then
        say "instruction counts with callgrind"
        for kind in tick-still tick tick-repaint step popup-repaint bare-resize bare-repaint; do
            instructions "$kind" "$BUILD/bench/bench_ruler_tick" --instructions "$kind" "$calls"
        done
        instructions spy-still "$BUILD/bench/bench_colour_tick" --instructions 100
        move_pointer 120
        instructions spy-moving "$BUILD/bench/bench_colour_tick" --instructions 100
        stop_pointer
        start_instructions ombrix "${ombrix[@]}"
        start_instructions text "${text[@]}"
    fi

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
    local c_held k_held c_timer1 k_timer1 c_capture k_capture c_timer100 k_timer100
    read -r c_held k_held <"$TMP/busy.held" || true
    read -r c_timer1 k_timer1 <"$TMP/busy.timer1" || true
    read -r c_capture k_capture <"$TMP/busy.capture" || true
    read -r c_timer100 k_timer100 <"$TMP/busy.timer100" || true
    local i_still i_tick i_tick_paint i_step i_popup i_bare i_bare_paint i_start i_start_text
    local i_spy_still i_spy_moving
    i_still=$(per_call "$(cat "$TMP/instructions.tick-still" 2>/dev/null)" "$calls")
    i_tick=$(per_call "$(cat "$TMP/instructions.tick" 2>/dev/null)" "$calls")
    i_tick_paint=$(per_call "$(cat "$TMP/instructions.tick-repaint" 2>/dev/null)" "$calls")
    i_step=$(per_call "$(cat "$TMP/instructions.step" 2>/dev/null)" "$calls")
    i_popup=$(per_call "$(cat "$TMP/instructions.popup-repaint" 2>/dev/null)" "$calls")
    i_bare=$(per_call "$(cat "$TMP/instructions.bare-resize" 2>/dev/null)" "$calls")
    i_bare_paint=$(per_call "$(cat "$TMP/instructions.bare-repaint" 2>/dev/null)" "$calls")
    i_spy_still=$(per_call "$(cat "$TMP/instructions.spy-still" 2>/dev/null)" 100)
    i_spy_moving=$(per_call "$(cat "$TMP/instructions.spy-moving" 2>/dev/null)" 100)
    i_start=$(cat "$TMP/instructions.start.ombrix" 2>/dev/null || true)
    i_start_text=$(cat "$TMP/instructions.start.text" 2>/dev/null || true)
    local tick bare_resize redraw pixel round_trip qt_round_trip spy
    tick=$(value_of ruler_tick_us "$TMP/calls")
    bare_resize=$(value_of bare_resize_us "$TMP/calls")
    redraw=$(value_of redraw_style3_73x23_us "$TMP/calls")
    pixel=$(value_of pixel_read_us "$TMP/calls")
    round_trip=$(value_of x_round_trip_us "$TMP/calls")
    qt_round_trip=$(value_of qt_round_trip_us "$TMP/calls")
    spy=$(value_of spy_tick_us "$TMP/calls")

    local f_med f_p95 f_cpu f_len f_dmg b_med b_p95 b_cpu b_dmg k_med k_p95 k_cpu
    f_med=$(follow_median ombrix 1) f_p95=$(follow_median ombrix 2) f_cpu=$(follow_median ombrix 3)
    f_len=$(follow_median ombrix 4) f_dmg=$(follow_median ombrix 5)
    b_med=$(follow_median bare 1) b_p95=$(follow_median bare 2) b_cpu=$(follow_median bare 3)
    b_dmg=$(follow_median bare 5)
    k_med=$(follow_median kruler 1) k_p95=$(follow_median kruler 2) k_cpu=$(follow_median kruler 3)
    local bare_follow="bare Qt window resized by the same amounts"
    local kruler_follow="KRuler dragging its end (1:1)"
    ((${#kruler[@]})) || kruler_follow="KRuler (not installed: no figure)"

    local starts="Start-up to first mapped window (median of $STARTS)"
    local follow="Held thumb moved 2 px every 16 ms for ${BUSY} s (${f_len:-—} px of length a px, median of $ROUNDS rounds)"
    echo "| Measure | Ombrix | Reference | Ratio | Goal |"
    echo "|---|---|---|---|---|"
    row "$follow: latency median, motion to the new size on screen" "$(ms "$f_med")" \
        "$bare_follow $(ms "$b_med")" "$f_med" "$b_med" "≤ 1.15×"
    row "$follow: latency median" "$(ms "$f_med")" "$kruler_follow $(ms "$k_med")" "$f_med" "$k_med" ""
    row "$follow: latency 95th percentile" "$(ms "$f_p95")" "$bare_follow $(ms "$b_p95")" \
        "$f_p95" "$b_p95" "≤ 1.3×"
    row "$follow: latency 95th percentile" "$(ms "$f_p95")" "$kruler_follow $(ms "$k_p95")" \
        "$f_p95" "$k_p95" ""
    row "$follow: share of a core, program + X server + window manager" "${f_cpu:-—} %" \
        "$bare_follow ${b_cpu:-—} %" "$f_cpu" "$b_cpu" "≤ 1.15×"
    row "$follow: share of a core, program + X server + window manager" "${f_cpu:-—} %" \
        "$kruler_follow ${k_cpu:-—} %" "$f_cpu" "$k_cpu" ""
    row "$starts" "$(ms "$s_ombrix")" "bare Qt window $(ms "$s_bare")" "$s_ombrix" "$s_bare" ""
    row "$starts" "$(ms "$s_ombrix")" "bare Qt window with one line of text $(ms "$s_text")" \
        "$s_ombrix" "$s_text" "≤ 1.1×"
    row "$starts" "$(ms "$s_ombrix")" "KRuler $(ms "$s_kruler")" "$s_ombrix" "$s_kruler" "≤ 0.35×"
    row "Resident memory 2 s after start" "$(mib "$m_ombrix")" "bare Qt window $(mib "$m_bare")" \
        "$m_ombrix" "$m_bare" ""
    row "Resident memory 2 s after start" "$(mib "$m_ombrix")" \
        "bare Qt window with text $(mib "$m_text")" "$m_ombrix" "$m_text" "≤ 1.15×"
    row "Resident memory 2 s after start" "$(mib "$m_ombrix")" "KRuler $(mib "$m_kruler")" \
        "$m_ombrix" "$m_kruler" ""
    row "Idle wake-ups in ${IDLE} s (voluntary context switches, all threads)" "${w_ombrix:-—}" \
        "bare Qt window with text ${w_text:-—}" "$w_ombrix" "$w_text" "0"
    row "Idle wake-ups in ${IDLE} s" "${w_ombrix:-—}" "bare Qt window ${w_bare:-—}" "$w_ombrix" \
        "$w_bare" ""
    row "Idle wake-ups in ${IDLE} s" "${w_ombrix:-—}" "KRuler ${w_kruler:-—}" "$w_ombrix" \
        "$w_kruler" ""
    row "Slider thumb held still ${BUSY} s: share of a core" "${c_held:-—} %" \
        "bare Qt window with a 1 ms timer ${c_timer1:-—} %" "$c_held" "$c_timer1" "≤ 1 %"
    row "Slider thumb held still ${BUSY} s: wake-ups a second" "${k_held:-—}" \
        "bare Qt window with a 1 ms timer ${k_timer1:-—}" "$k_held" "$k_timer1" ""
    row "Color Spy capturing, pointer moving, ${BUSY} s: share of a core" "${c_capture:-—} %" \
        "bare Qt window with a 100 ms timer ${c_timer100:-—} %" "$c_capture" "$c_timer100" "≤ 0.5 %"
    row "Color Spy capturing, pointer moving: wake-ups a second" "${k_capture:-—}" \
        "bare Qt window with a 100 ms timer ${k_timer100:-—}" "$k_capture" "$k_timer100" ""

    echo
    echo "Diagnostics, not goals: what single calls cost, to find where the figures above go."
    echo
    echo "| Measure | Ombrix | Reference | Ratio |"
    echo "|---|---|---|---|"
    diag() { echo "| $1 | $2 | $3 | $(ratio "$4" "$5") |"; }
    diag "Damage rectangles a new size brings, in the follow" "${f_dmg:-—}" \
        "$bare_follow ${b_dmg:-—}" "$f_dmg" "$b_dmg"
    diag "Instructions from exec to the first map request (callgrind)" "$(count "$i_start")" \
        "bare Qt window with one line of text $(count "$i_start_text")" "$i_start" "$i_start_text"
    diag "\`Timer1_Timer\` with nothing new, instructions (callgrind)" "$(count "$i_still")" \
        "a tick that changes the length $(count "$i_tick")" "$i_still" "$i_tick"
    diag "\`Timer1_Timer\` that changes the length, instructions (callgrind)" "$(count "$i_tick")" \
        "bare resize of a window with the ruler's face $(count "$i_bare")" "$i_tick" "$i_bare"
    diag "The same tick and the repaint it causes, instructions (callgrind)" \
        "$(count "$i_tick_paint")" "bare resize and repaint of that window $(count "$i_bare_paint")" \
        "$i_tick_paint" "$i_bare_paint"
    diag "A real step of a held thumb, moved 2 px by XTEST: the pointer's motion, the slider's change, the size asked, the pop-up moved, the window manager's configure, the repaint and the round trips, instructions (callgrind)" \
        "$(count "$i_step")" "bare resize and repaint $(count "$i_bare_paint")" "$i_step" "$i_bare_paint"
    diag "The slider's pop-up alone, shown with a new length at a new place and repainted, instructions (callgrind)" \
        "$(count "$i_popup")" "the tick and its repaint $(count "$i_tick_paint")" "$i_popup" \
        "$i_tick_paint"
    diag "One \`Timer1_Timer\` that changes the length (median time)" "${tick:-—} µs" \
        "bare resize of that window ${bare_resize:-—} µs" "$tick" "$bare_resize"
    diag "chameleonButton redraw, style 3, 73×23" "${redraw:-—} µs" \
        "one \`Timer1_Timer\` tick ${tick:-—} µs" "$redraw" "$tick"
    diag "Screen pixel read (one GetImage on the sampler's own connection)" "${pixel:-—} µs" \
        "one GetInputFocus round trip on Qt's connection ${qt_round_trip:-—} µs" \
        "$pixel" "$qt_round_trip"
    diag "Screen pixel read (one GetImage on the sampler's own connection)" "${pixel:-—} µs" \
        "one GetInputFocus round trip on a connection of the bench's own, the floor ${round_trip:-—} µs" \
        "$pixel" "$round_trip"
    diag "Color Spy tick with the pointer moving and the repaint of the readouts it changes, instructions (callgrind)" \
        "$(count "$i_spy_moving")" "a tick with the pointer still, which repaints nothing $(count "$i_spy_still")" \
        "$i_spy_moving" "$i_spy_still"
    diag "Color Spy tick" "${spy:-—} µs" \
        "one GetInputFocus round trip on a connection of the bench's own ${round_trip:-—} µs" \
        "$spy" "$round_trip"

    echo
    local shares
    shares=$(tick_shares "$TMP/callgrind.tick-repaint" "$calls")
    [[ -z $shares ]] || echo "Where the changing tick and its repaint go, instructions a tick: $shares"
    [[ ! -s $TMP/store_share ]] ||
        echo "The settings store's reading takes $(cat "$TMP/store_share") % of the instructions before the first map."
    echo "Machine: $(nproc) cores, $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo);" \
        "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end of the run;" \
        "$(dpkg-query -W -f='Xvfb ${Version}' xvfb 2>/dev/null || echo Xvfb) at 1280×1024×24 with openbox;" \
        "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || qtpaths6 --qt-version 2>/dev/null || echo 6);" \
        "$(date -u +%Y-%m-%d)."
}

main
