# shellcheck shell=bash
# A private X desktop: an Xvfb server on a display number nobody else uses,
# a window manager on it (openbox, i3, kwin_x11, mutter, muffin, marco,
# xfwm4), or a Wayland desktop whose XWayland the programs use (weston nested
# in Xvfb; mutter, GNOME Shell and kwin_wayland headless), and the programs
# started on it. Every process
# is started in a process group of its own and remembered, so that
# xd_stop_all can end it together with anything it started in turn.
#
# Process ids come round again quickly on a busy machine (pid_max may be
# 32768), so a remembered pid is only trusted while the process that has it
# started at the moment ours did: a signal or a wait for an ended process
# would otherwise reach whatever has its number now, a parallel test's
# window manager or a newer child of this shell that runs for minutes.
#
# Sourced by scripts/run.sh, bench/run.sh and tests/e2e/harness.sh; it
# sources the window managers' and Wayland desktops' starters in turn, from
# xdesktop_desktops.sh beside it. The caller installs the traps that call
# xd_stop_all. The functions also work under set -e.

XD_PIDS=()
# pid -> the process's start time (in clock ticks after boot).
declare -A XD_STARTED=()
XD_LAST_PID=
XD_DISPLAY=
# The X server's pid, Xvfb's or Xorg's.
XD_XVFB_PID=
XD_WM_PID=
# The buses the desktop needs, stopped after the window manager.
XD_BUS_PIDS=()
XD_XWAYLAND_DISPLAY=
XD_DISPLAY_MIN=${XD_DISPLAY_MIN:-100}
XD_DISPLAY_MAX=${XD_DISPLAY_MAX:-999}
# Every wait below polls at this interval; window managers also need about
# this long between synthetic input steps.
XD_POLL=0.05

# shellcheck source=scripts/lib/xdesktop_desktops.sh
source "$(dirname "${BASH_SOURCE[0]}")/xdesktop_desktops.sh"

xd_display_in_use() {
    [[ -e /tmp/.X$1-lock || -e /tmp/.X11-unix/X$1 ]]
}

# Prints a display number with neither a lock file nor a socket. Tests run in
# parallel, so the scan starts at a random place; a number taken by someone
# else between the scan and the server's start is handled by xd_start_xvfb.
xd_pick_display() {
    local span=$((XD_DISPLAY_MAX - XD_DISPLAY_MIN + 1)) start i n
    start=$(((RANDOM * 32768 + RANDOM + $$) % span))
    for ((i = 0; i < span; i++)); do
        n=$((XD_DISPLAY_MIN + (start + i) % span))
        if ! xd_display_in_use "$n"; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

# xd_spawn [--stdin FILE] LOG COMMAND [ARG...]
# Starts COMMAND in the background as the leader of a new process group (its
# pid is the group id), appending its output to LOG. Sets XD_LAST_PID.
xd_spawn() {
    local input=/dev/null
    if [[ $1 == --stdin ]]; then
        input=$2
        shift 2
    fi
    local log=$1
    shift
    setsid "$@" <"$input" >>"$log" 2>&1 &
    XD_LAST_PID=$!
    XD_PIDS+=("$XD_LAST_PID")
    # The start time is that of the fork, kept through the exec; a process
    # that has ended before it could be read is never taken for ours again.
    XD_STARTED[$XD_LAST_PID]=gone
    xd_read_stat "$XD_LAST_PID" && XD_STARTED[$XD_LAST_PID]=$XD_STAT_START
    # Until setsid has run, the group does not exist and a signal sent to the
    # new process can still be swallowed by the shell's own handlers: a stop
    # right after the start would miss it.
    local i
    for ((i = 0; i < 500; i++)); do
        xd_leads_group "$XD_LAST_PID" && return 0
        sleep 0.01
    done
}

# xd_read_stat PID: sets XD_STAT_STATE, XD_STAT_GROUP and XD_STAT_START from
# /proc; fails when there is no such process.
xd_read_stat() {
    local stat fields
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    # After the command name: state, parent, process group, ... start time.
    read -ra fields <<<"${stat##*) }"
    XD_STAT_STATE=${fields[0]}
    XD_STAT_GROUP=${fields[2]}
    XD_STAT_START=${fields[19]}
}

# True when PID leads its process group, or has already gone.
xd_leads_group() {
    xd_read_stat "$1" || return 0
    [[ $XD_STAT_GROUP == "$1" ]]
}

# xd_is_ours PID: true while the number still belongs to the process we
# started, a zombie included; a pid we did not start is taken as it is.
xd_is_ours() {
    xd_read_stat "$1" || return 1
    [[ -z ${XD_STARTED[$1]:-} || $XD_STAT_START == "${XD_STARTED[$1]}" ]]
}

# True while our process runs (a zombie has ended).
xd_alive() {
    xd_is_ours "$1" && [[ $XD_STAT_STATE != Z ]]
}

# A group's id stays taken while any member is left, so a group named after
# one of our leaders that is gone itself can only hold what it started.
xd_group_ours() {
    if xd_read_stat "$1"; then
        xd_is_ours "$1" && [[ $XD_STAT_GROUP == "$1" ]]
    else
        kill -0 -- "-$1" 2>/dev/null
    fi
}

xd_group_alive() {
    xd_group_ours "$1" && kill -0 -- "-$1" 2>/dev/null
}

# xd_signal SIGNAL PID: to our process and its group, if they are still ours.
xd_signal() {
    if xd_group_ours "$2"; then
        kill "-$1" -- "-$2" 2>/dev/null
    fi
    if xd_is_ours "$2"; then
        kill "-$1" "$2" 2>/dev/null
    fi
    return 0
}

# xd_wait_until TIMEOUT_SECONDS COMMAND [ARG...]: polls COMMAND until it
# succeeds; fails when the time is up.
xd_wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep "$XD_POLL"
    done
}

xd_forget() {
    local pid=$1 kept=() p
    for p in "${XD_PIDS[@]}"; do
        [[ $p == "$pid" ]] || kept+=("$p")
    done
    XD_PIDS=("${kept[@]}")
}

# xd_reap PID: collects the exit status of our child once it has ended,
# waiting at most five seconds for that; a wait on a number that has moved
# on to another child would last as long as that child. Returns the status,
# 255 when there is none to collect.
xd_reap() {
    local deadline=$((SECONDS + 5))
    while xd_alive "$1"; do
        ((SECONDS < deadline)) || return 255
        sleep "$XD_POLL"
    done
    # Gone from /proc means the shell has collected it already and keeps the
    # status; a number in use again by another process is not waited on.
    if xd_read_stat "$1" && ! xd_is_ours "$1"; then
        return 255
    fi
    wait "$1" 2>/dev/null
}

# Ends the process groups given: TERM first, KILL for whatever is still
# there after three seconds; then reaps the leaders. Every step is bounded,
# however loaded the machine.
xd_stop_groups() {
    local pid live=() deadline pending
    for pid in "$@"; do
        if xd_group_ours "$pid" || xd_is_ours "$pid"; then
            live+=("$pid")
            xd_signal TERM "$pid"
        else
            xd_forget "$pid"
        fi
    done
    deadline=$((SECONDS + 3))
    while ((${#live[@]} > 0 && SECONDS < deadline)); do
        pending=0
        for pid in "${live[@]}"; do
            if xd_group_alive "$pid" || xd_alive "$pid"; then
                pending=1
            fi
        done
        ((pending)) || break
        sleep "$XD_POLL"
    done
    for pid in "${live[@]}"; do
        xd_signal KILL "$pid"
    done
    for pid in "${live[@]}"; do
        xd_reap "$pid" || true
        xd_forget "$pid"
    done
}

xd_stop() {
    xd_stop_groups "$1"
}

# A server that was killed cannot remove its lock files and sockets; remove
# those that still name our server (Xvfb, Xorg or mutter, which holds its
# XWayland's displays), so the numbers are free again.
xd_remove_stale_locks() {
    local lock owner n
    [[ -n $1 ]] || return 0
    for lock in /tmp/.X*-lock; do
        owner=$(tr -d ' \n\0' 2>/dev/null <"$lock") || continue
        [[ $owner == "$1" ]] || continue
        n=${lock#/tmp/.X}
        n=${n%-lock}
        rm -f "$lock" "/tmp/.X11-unix/X$n"
    done
}

# Stops the clients first, then the window manager's and the server's groups,
# so that nothing is left when the caller exits.
xd_stop_all() {
    local clients=() p i
    for ((i = ${#XD_PIDS[@]} - 1; i >= 0; i--)); do
        p=${XD_PIDS[i]}
        [[ $p == "$XD_XVFB_PID" || $p == "$XD_WM_PID" || " ${XD_BUS_PIDS[*]} " == *" $p "* ]] ||
            clients+=("$p")
    done
    ((${#clients[@]} == 0)) || xd_stop_groups "${clients[@]}"
    if [[ -n $XD_WM_PID ]]; then
        xd_stop_groups "$XD_WM_PID"
        xd_remove_stale_locks "$XD_WM_PID"
    fi
    ((${#XD_BUS_PIDS[@]} == 0)) || xd_stop_groups "${XD_BUS_PIDS[@]}"
    if [[ -n $XD_XVFB_PID ]]; then
        xd_stop_groups "$XD_XVFB_PID"
        xd_remove_stale_locks "$XD_XVFB_PID"
    fi
    XD_WM_PID=
    XD_BUS_PIDS=()
    XD_XVFB_PID=
    XD_DISPLAY=
}

xd_server_ready() {
    local n=$1 pid=$2 owner
    xd_alive "$pid" || return 2
    owner=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")
    [[ $owner == "$pid" ]] && xdpyinfo -display ":$n" >/dev/null 2>&1
}

# Waits until the server PID owns display N and answers; fails as soon as the
# server has gone (it lost the display number to another one).
xd_wait_server() {
    local n=$1 pid=$2 deadline=$((SECONDS + 10)) status
    while ((SECONDS < deadline)); do
        if xd_server_ready "$n" "$pid"; then
            return 0
        else
            status=$?
        fi
        ((status != 2)) || return 1
        sleep "$XD_POLL"
    done
    return 1
}

# xd_start_server LOG COMMAND [ARG...]: starts the X server "COMMAND :N ARG..."
# on a free display N. Exports DISPLAY.
xd_start_server() {
    local log=$1 attempt n pid
    shift
    for ((attempt = 0; attempt < 20; attempt++)); do
        n=$(xd_pick_display) || break
        xd_spawn "$log" "$1" ":$n" "${@:2}"
        pid=$XD_LAST_PID
        if xd_wait_server "$n" "$pid"; then
            XD_DISPLAY=:$n
            XD_XVFB_PID=$pid
            export DISPLAY=$XD_DISPLAY
            return 0
        fi
        xd_stop "$pid"
    done
    echo "xdesktop: $1 did not start on any free display" >&2
    return 1
}

# xd_start_xvfb SCREEN LOG: SCREEN is WxH or WxHxDEPTH. Exports DISPLAY.
xd_start_xvfb() {
    local screen=$1
    [[ $screen =~ ^[0-9]+x[0-9]+$ ]] && screen+=x24
    xd_start_server "$2" Xvfb -screen 0 "$screen" -nolisten tcp -noreset
}

# xd_start_xorg_dummy CONFIG LOG: Xorg with the video driver "dummy", whose
# outputs xrandr can lay out as monitors side by side, as Xvfb's one output
# cannot. The server's own log is LOG.server. Exports DISPLAY.
xd_start_xorg_dummy() {
    xd_start_server "$2" Xorg -config "$1" -logfile "$2.server" -nolisten tcp -noreset
}

# xd_layout_dummy_monitors GEOMETRY...: each WxH+X+Y lays out the next
# output of the dummy driver, a trailing * makes it primary; without one no
# output is primary. The outputs past the last stay off.
xd_layout_dummy_monitors() {
    local args=() index=0 monitor primary=0 mode
    for monitor in "$@"; do
        mode=${monitor%%+*}
        xrandr --addmode "DUMMY$index" "$mode" 2>/dev/null
        args+=(--output "DUMMY$index" --mode "$mode" --pos "$(echo "${monitor#*+}" |
            tr -d '*' | tr + x)")
        if [[ $monitor == *'*' ]]; then
            args+=(--primary)
            primary=1
        fi
        index=$((index + 1))
    done
    xrandr "${args[@]}" || return 1
    ((primary)) || xrandr --noprimary
}

# xd_visible_windows --pid PID | --name REGEX: ids of the viewable windows
# that match, one a line.
xd_visible_windows() {
    xdotool search --onlyvisible "$@" 2>/dev/null
}

xd_has_visible_window() {
    [[ -n $(xd_visible_windows "$@") ]]
}

# xd_wait_window TIMEOUT --pid PID | --name REGEX: prints the first viewable
# window that matches, waiting up to TIMEOUT seconds for it.
xd_wait_window() {
    local timeout=$1
    shift
    xd_wait_until "$timeout" xd_has_visible_window "$@" || return 1
    xd_visible_windows "$@" | head -n 1
}
