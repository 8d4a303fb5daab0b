# shellcheck shell=bash
# shellcheck disable=SC2034  # E2E_* results are read by the test scripts
# End-to-end harness, sourced by tests/e2e/test_*.sh.
#
# On being sourced it gives the script a private HOME and XDG directories and
# traps EXIT, INT and TERM so that everything it starts (Xvfb, the window
# manager, Ombrix, helpers) is stopped and the directories are removed however
# the script ends. The script then calls e2e_start_desktop, drives the program
# with the helpers below and those of the harness_*.sh files sourced here (the
# desktops, the windows and screen, pointer and keyboard, the clipboard, the
# settings file), and checks with the e2e_assert_* functions; a check the
# desktop cannot run is skipped for a named reason (e2e_needs, e2e_skip). At
# exit the harness prints "NAME: N passed, M failed" (and ", K skipped") and
# exits non-zero when a check failed, when the script broke off, or when no
# check ran at all; with E2E_SKIP_STATUS (ctest's SKIP_RETURN_CODE) when
# every check was skipped.
#
# ctest passes OMBRIX_BIN (the program) and OMBRIX_SOURCE_DIR.

E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/lib/xdesktop.sh
source "$E2E_HERE/../../scripts/lib/xdesktop.sh"
# The helpers, one file a concern.
# shellcheck source=tests/e2e/harness_desktops.sh
source "$E2E_HERE/harness_desktops.sh"
# shellcheck source=tests/e2e/harness_windows.sh
source "$E2E_HERE/harness_windows.sh"
# shellcheck source=tests/e2e/harness_input.sh
source "$E2E_HERE/harness_input.sh"
# shellcheck source=tests/e2e/harness_clipboard.sh
source "$E2E_HERE/harness_clipboard.sh"
# shellcheck source=tests/e2e/harness_store.sh
source "$E2E_HERE/harness_store.sh"

E2E_NAME=$(basename "$0" .sh)
E2E_PASSED=0
E2E_FAILED=0
E2E_SKIPPED=0
# The exit status ctest takes for a skipped test (SKIP_RETURN_CODE).
E2E_SKIP_STATUS=77
E2E_OMBRIX_PID=
# The environment the program starts in, as arguments of env(1): options
# such as -u NAME and -C DIR first, then NAME=VALUE.
E2E_OMBRIX_ENV=(QT_QPA_PLATFORM=xcb)
E2E_EXIT_STATUS=
E2E_PAUSE=$XD_POLL
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/ombrix-e2e.XXXXXX")
E2E_OMBRIX_LOG=$E2E_TMP/ombrix.log
# The X server whose pointer is the seat of a nested Wayland desktop.
E2E_SEAT_DISPLAY=

export HOME=$E2E_TMP/home
export XDG_CONFIG_HOME=$E2E_TMP/config
export XDG_DATA_HOME=$E2E_TMP/data
export XDG_CACHE_HOME=$E2E_TMP/cache
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Nothing of the caller's session may reach the program under test.
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_FONT_DPI
export LC_ALL=C.UTF-8

e2e_on_exit() {
    local status=$?
    # A second signal must not break off the cleanup half-way: that would
    # leave the desktop running. The cleanup itself is bounded.
    trap - EXIT
    trap '' INT TERM
    set +e
    xd_stop_all
    if ((E2E_FAILED > 0)) || ((status != 0)); then
        e2e_show_log "$E2E_OMBRIX_LOG"
    fi
    rm -rf "$E2E_TMP"
    local verdict=0
    if ((E2E_FAILED > 0)); then
        verdict=1
    elif ((status != 0)); then
        echo "$E2E_NAME broke off with status $status"
        verdict=$status
    elif ((E2E_PASSED == 0 && E2E_SKIPPED > 0)); then
        verdict=$E2E_SKIP_STATUS
    elif ((E2E_PASSED == 0)); then
        echo "$E2E_NAME ran no check"
        verdict=1
    fi
    # The summary is the last line, the one a reader of the log looks for.
    local skipped=
    ((E2E_SKIPPED == 0)) || skipped=", $E2E_SKIPPED skipped"
    echo "$E2E_NAME: $E2E_PASSED passed, $E2E_FAILED failed$skipped"
    exit "$verdict"
}
trap e2e_on_exit EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

e2e_show_log() {
    [[ -s $1 ]] || return 0
    echo "--- last lines of $(basename "$1") ---"
    tail -n 40 "$1"
}

# ---- checks -----------------------------------------------------------------

e2e_pass() {
    E2E_PASSED=$((E2E_PASSED + 1))
    echo "ok: $1"
}

# e2e_skip MSG: a check that cannot run here, and why.
e2e_skip() {
    E2E_SKIPPED=$((E2E_SKIPPED + 1))
    echo "skip: $1"
}

# e2e_fail MSG: records a failed check and goes on; returns 1.
e2e_fail() {
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL: $1"
    if [[ -n ${OMBRIX_E2E_ARTIFACTS:-} && -n $XD_DISPLAY ]]; then
        mkdir -p "$OMBRIX_E2E_ARTIFACTS"
        local shot=$OMBRIX_E2E_ARTIFACTS/$E2E_NAME-fail$E2E_FAILED.png
        import -window root "$shot" 2>/dev/null && echo "      screenshot: $shot"
    fi
    return 1
}

# e2e_fatal MSG: records a failed check and ends the script.
e2e_fatal() {
    e2e_fail "$1"
    exit 1
}

# e2e_assert_eq EXPECTED ACTUAL MSG
e2e_assert_eq() {
    if [[ $1 == "$2" ]]; then
        e2e_pass "$3"
    else
        e2e_fail "$3: expected '$1', got '$2'"
    fi
}

# e2e_assert_match REGEX ACTUAL MSG
e2e_assert_match() {
    if [[ $2 =~ $1 ]]; then
        e2e_pass "$3"
    else
        e2e_fail "$3: '$2' does not match /$1/"
    fi
}

# e2e_assert MSG COMMAND [ARG...]: passes when COMMAND succeeds.
e2e_assert() {
    local msg=$1
    shift
    if "$@"; then
        e2e_pass "$msg"
    else
        e2e_fail "$msg"
    fi
}

# e2e_assert_not MSG COMMAND [ARG...]: passes when COMMAND fails.
e2e_assert_not() {
    local msg=$1
    shift
    if "$@"; then
        e2e_fail "$msg"
    else
        e2e_pass "$msg"
    fi
}

# ---- program ----------------------------------------------------------------

# e2e_spawn COMMAND [ARG...]: starts a helper program on the desktop; its pid
# is in XD_LAST_PID and it is stopped at exit like everything else.
e2e_spawn() {
    xd_spawn "$E2E_TMP/spawned.log" "$@"
}

# e2e_start_ombrix [ARG...]: starts "$OMBRIX_BIN" in the environment
# E2E_OMBRIX_ENV (the xcb platform) in the background; its pid is in
# E2E_OMBRIX_PID, its output in E2E_OMBRIX_LOG.
e2e_start_ombrix() {
    [[ -x ${OMBRIX_BIN:-} ]] || e2e_fatal "OMBRIX_BIN names the program (is '${OMBRIX_BIN:-}')"
    xd_spawn "$E2E_OMBRIX_LOG" env "${E2E_OMBRIX_ENV[@]}" "$OMBRIX_BIN" "$@"
    E2E_OMBRIX_PID=$XD_LAST_PID
}

# e2e_wait_window PID|NAME_REGEX [TIMEOUT=10]: prints the id of the first
# viewable window of that process (a number) or with a title matching the
# regular expression (xdotool matches without regard to case).
e2e_wait_window() {
    local what=$1 timeout=${2:-10}
    if [[ $what =~ ^[0-9]+$ ]]; then
        xd_wait_window "$timeout" --pid "$what"
    else
        xd_wait_window "$timeout" --name "$what"
    fi
}

# e2e_windows PID: ids of all viewable windows of the process, one a line.
e2e_windows() {
    xd_visible_windows --pid "$1"
}

# e2e_wait_exit PID [TIMEOUT=10]: waits until the process has ended; sets
# E2E_EXIT_STATUS to its exit status. Fails if it is still running.
e2e_wait_exit() {
    local pid=$1 timeout=${2:-10}
    xd_wait_until "$timeout" e2e_gone "$pid" || return 1
    E2E_EXIT_STATUS=0
    xd_reap "$pid" || E2E_EXIT_STATUS=$?
}

e2e_gone() {
    ! xd_alive "$1"
}

# e2e_wait_until TIMEOUT COMMAND [ARG...]: polls COMMAND until it succeeds.
e2e_wait_until() {
    xd_wait_until "$@"
}

e2e_pause() {
    sleep "$E2E_PAUSE"
}
