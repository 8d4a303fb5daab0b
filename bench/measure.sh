# shellcheck shell=bash
# The measurements of bench/run.sh, sourced by it: the program and its
# references started fresh and timed, their memory, wake-ups and shares of a
# core, idle and busy, and the instructions callgrind counts. Most leave their
# figures in files in $TMP, where run.sh's table reads them.

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

# Nanoseconds on a core, all threads.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%d\n", n }'
}

# busy_figures NAME ACTION COMMAND...: starts the program, waits for its
# window, runs ACTION (a function given the pid; "none" for nothing), then
# writes "percent_of_a_core wakeups_a_second" over BUSY seconds to
# $TMP/busy.NAME and ends the program.
busy_figures() {
    local name=$1 action=$2 out pid cpu_before cpu_after before after
    shift 2
    out=$(MAP_WAIT_KEEP=1 run_fresh "$BUILD/bench/map_wait" "$@" 2>>"$TMP/programs.log") || return 0
    pid=$(sed -n 2p <<<"$out")
    KEPT+=("$pid")
    sleep 1
    [[ $action == none ]] || "$action" "$pid" || say "$name: $action failed"
    sleep 1
    cpu_before=$(cpu_ns "$pid")
    before=$(voluntary_switches "$pid")
    sleep "$BUSY"
    cpu_after=$(cpu_ns "$pid")
    after=$(voluntary_switches "$pid")
    xdotool mouseup 1 2>/dev/null || true
    kill -TERM "$pid" 2>/dev/null || true
    awk -v c=$((cpu_after - cpu_before)) -v w=$((after - before)) -v s="$BUSY" \
        'BEGIN { printf "%.3f %.0f\n", c / (s * 1e9) * 100, w / s }' >"$TMP/busy.$name"
}

# Presses the left button on the thumb of the ruler's slider and holds it.
hold_thumb() {
    local window x y
    window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1)
    [[ -n $window ]] || return 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    x=$((X + 124)) y=$((Y + 59)) # the thumb's centre at the start length, 6000 twips
    xdotool mousemove "$x" "$y" mousedown 1
}

# move_pointer [SECONDS]: moves the pointer to and fro along the screen's
# bottom, clear of every window, for as long as the measurement lasts (or
# SECONDS) or until stop_pointer.
POINTER_MOVER=
move_pointer() {
    (
        local x end=$((SECONDS + ${1:-$((BUSY + 3))}))
        while ((SECONDS < end)); do
            for ((x = 600; x < 1200; x += 7)); do
                xdotool mousemove "$x" 980 2>/dev/null
                sleep 0.02
            done
        done
    ) &
    POINTER_MOVER=$!
    KEPT+=("$POINTER_MOVER")
}

stop_pointer() {
    [[ -z $POINTER_MOVER ]] || kill "$POINTER_MOVER" 2>/dev/null || true
    POINTER_MOVER=
}

# instructions NAME COMMAND...: the instructions callgrind counts where the
# command collects them, written to $TMP/instructions.NAME.
instructions() {
    local name=$1
    shift
    run_fresh valgrind --tool=callgrind --collect-atstart=no \
        --callgrind-out-file="$TMP/callgrind.$name" "$@" >>"$TMP/programs.log" 2>&1 || return 0
    awk '/^summary:/ { print $2 }' "$TMP/callgrind.$name" >"$TMP/instructions.$name"
}

# start_instructions NAME COMMAND...: instructions from exec to the first
# map request, written to $TMP/instructions.start.NAME; for the program also
# the share of them its settings store takes, in $TMP/store_share.
start_instructions() {
    local name=$1 file
    shift
    run_fresh timeout -s TERM 30 valgrind --tool=callgrind --dump-before=xcb_map_window \
        --callgrind-out-file="$TMP/cgstart.$name.%p" "$@" >>"$TMP/programs.log" 2>&1 || true
    local parts=("$TMP"/cgstart."$name".*.1)
    file=${parts[0]}
    [[ -e $file ]] || return 0
    awk '/^summary:/ { print $2 }' "$file" >"$TMP/instructions.start.$name"
    [[ $name == ombrix ]] || return 0
    callgrind_annotate --inclusive=yes --threshold=100 "$file" 2>/dev/null |
        awk -v total="$(cat "$TMP/instructions.start.$name")" \
            '/IniSettingsStore::getSettings/ { gsub(",", "", $1); if ($1 > n) n = $1 }
             END { if (n > 0) printf "%.2f\n", n / total * 100 }' >"$TMP/store_share"
}

# tick_shares FILE CALLS: where the changing tick and its repaint spend their
# instructions (callgrind's inclusive counts, a tick's share), on one line.
tick_shares() {
    local file=$1 calls=$2
    [[ -e $file ]] || return 0
    callgrind_annotate --inclusive=yes --threshold=100 "$file" 2>/dev/null | awk -v calls="$calls" '
        BEGIN {
            n = split("Form1::Timer1_Timer()|Form1::paintEvent(|SliderPopup::paintEvent(|" \
                      "ReadoutBox::paintEvent(|QSlider::paintEvent(|chameleonButton::paintEvent(",
                      parts, "|")
            split("the call|painting the window itself (background, face, bars, title and caption " \
                  "pictures)|the pop-up|the two readouts|the slider|the two nudge buttons", labels, "|")
        }
        /PROGRAM TOTALS/ { total = $1; gsub(",", "", total) }
        /^ *[0-9,]+ / {
            count = $1; gsub(",", "", count)
            for (i = 1; i <= n; i++)
                if (index($0, parts[i]) && count + 0 > cost[i] + 0) cost[i] = count
        }
        END {
            if (total == 0) exit
            for (i = 1; i <= n; i++) {
                printf "%s %.1f k; ", labels[i], cost[i] / calls / 1000
                spent += cost[i]
            }
            printf "the rest, Qt repainting and flushing the two windows and handling the X " \
                   "server\047s notices, %.1f k.\n", (total - spent) / calls / 1000
        }'
}

# follow_figures NAME KIND COMMAND...: on a desktop of its own (Xvfb and
# openbox), starts the program, holds the left button where KIND grabs it
# (ombrix: the slider's thumb; bare: the window's middle; kruler: its right
# end) and lets bench/follow_watch drag it for BUSY seconds. Appends
# "median_us p95_us percent_of_a_core length_per_pixel damage_per_size" to
# $TMP/follow.NAME; the share of a core is the program's, the X server's and
# the window manager's together over the drag.
follow_figures() {
    local name=$1 kind=$2
    shift 2
    (
        trap xd_stop_all EXIT
        xd_start_xvfb 1280x1024x24 "$TMP/xvfb.$name.log" || exit 1
        xd_start_openbox "$TMP/openbox.$name.log" || exit 1
        local out pid window x y before after figures i
        out=$(MAP_WAIT_KEEP=1 run_fresh "$BUILD/bench/map_wait" "$@" 2>>"$TMP/programs.log") ||
            exit 1
        pid=$(sed -n 2p <<<"$out")
        for ((i = 0; i < 40; i++)); do
            window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
            [[ -z $window ]] || break
            sleep 0.25
        done
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$window")"
        case $kind in
        ombrix) x=$((X + 124)) y=$((Y + 59)) ;; # the thumb at the start length
        bare) x=$((X + WIDTH / 2)) y=$((Y + HEIGHT / 2)) ;;
        kruler) x=$((X + WIDTH - 4)) y=$((Y + HEIGHT / 2)) ;;
        esac
        before=$(($(cpu_ns "$pid") + $(cpu_ns "$XD_XVFB_PID") + $(cpu_ns "$XD_WM_PID")))
        figures=$("$BUILD/bench/follow_watch" "$window" "$x" "$y" "$BUSY") || exit 1
        after=$(($(cpu_ns "$pid") + $(cpu_ns "$XD_XVFB_PID") + $(cpu_ns "$XD_WM_PID")))
        kill -TERM "$pid" 2>/dev/null || true
        awk -v c=$((after - before)) -v s="$BUSY" '
            { v[$1] = $2 }
            END { printf "%s %s %.2f %s %s\n", v["latency_median_us"], v["latency_p95_us"],
                         c / (s * 1e9) * 100, v["length_per_pixel"], v["damage_per_size"] }' \
            <<<"$figures" >>"$TMP/follow.$name"
    ) || say "$name: the follow could not be measured"
}

# follow_median NAME COLUMN: the median over the rounds of one column of
# $TMP/follow.NAME.
follow_median() {
    [[ -s $TMP/follow.$1 ]] || return 0
    awk -v c="$2" '{ print $c }' "$TMP/follow.$1" | median
}
