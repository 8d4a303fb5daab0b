#!/usr/bin/env bash
# Where no X display can be opened (no DISPLAY at all, one that does not
# answer, or a Wayland session without XWayland, whatever QT_QPA_PLATFORM
# says), the program says so in one line and leaves with an error instead of
# crashing. --help and --version need no display; an unknown option is
# refused with status 1. On a server that starts over whenever its last
# client leaves, the program starts every time. On a display, Qt's own
# options (-style, -reverse, -display, -platform) are taken as every Qt
# program takes them, and --help-all lists them.
# shellcheck disable=SC2119  # the helpers' arguments are optional
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"

# run_without_x ARGUMENTS VARIABLE=VALUE...: runs the program with those
# arguments (blank-separated words, or none) in that environment.
run_without_x() {
    local arguments=$1 status=0
    shift
    # A program that found no display to refuse would run on for ever.
    # shellcheck disable=SC2086  # the arguments are words
    timeout 20 env QT_QPA_PLATFORM= "$@" "$OMBRIX_BIN" $arguments \
        >"$E2E_TMP/out" 2>"$E2E_TMP/err" </dev/null || status=$?
    echo "$status"
}

for case in "DISPLAY=" "DISPLAY=:32767" "DISPLAY= WAYLAND_DISPLAY=wayland-0" \
    "DISPLAY= WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland" "DISPLAY= QT_QPA_PLATFORM=offscreen"; do
    # shellcheck disable=SC2086  # each case is a list of assignments
    status=$(run_without_x "" $case)
    e2e_assert_eq 1 "$status" "[$case] the program exits with status 1"
    e2e_assert_eq 1 "$(wc -l <"$E2E_TMP/err")" "[$case] it writes one line to stderr"
    e2e_assert_match "cannot open an X display" "$(cat "$E2E_TMP/err")" "[$case] the line says why"
    e2e_assert_eq 0 "$(wc -c <"$E2E_TMP/out")" "[$case] it writes nothing to stdout"
done

# The version the build was made with, as the About box shows it.
version=$(sed -n 's/^project(Ombrix VERSION \([0-9.]*\) .*/\1/p' "$OMBRIX_SOURCE_DIR/CMakeLists.txt")
[[ -n $version ]] || e2e_fatal "the project's version is found in CMakeLists.txt"
version_re=${version//./\\.}

# ARGUMENTS | STATUS | STDOUT | STDERR (regular expressions)
while IFS='|' read -r arguments status out err; do
    run=$(run_without_x "$arguments" DISPLAY= WAYLAND_DISPLAY=)
    e2e_assert_eq "$status" "$run" "[$arguments] the program exits with status $status"
    e2e_assert_match "$out" "$(cat "$E2E_TMP/out")" "[$arguments] what it writes to stdout"
    e2e_assert_match "$err" "$(cat "$E2E_TMP/err")" "[$arguments] what it writes to stderr"
done <<EOF
--help|0|^Usage: [^ ]*ombrix \[options\].*-v, --version +Displays version information|^$
-h|0|^Usage: [^ ]*ombrix \[options\]|^$
--version|0|^Ombrix $version_re$|^$
-v|0|^Ombrix $version_re$|^$
--measure|1|^$|^Ombrix: Unknown option 'measure'\.$
-x|1|^$|^Ombrix: Unknown option 'x'\.$
--help --bogus|1|^$|Unknown option 'bogus'
EOF

# Xvfb without -noreset starts over when its last client leaves: the
# program's own look for a display must not leave the server resetting just
# as Qt connects (two starts in six aborted). Nothing else connects until the
# program has had time to show its ruler.
window_shows() {
    e2e_wait_window "$1" >/dev/null
}

xd_start_server "$E2E_TMP/resetting.log" Xvfb -screen 0 640x480x24 -nolisten tcp ||
    e2e_fatal "a server that resets starts"
for start in 1 2 3 4 5 6; do
    e2e_start_ombrix
    sleep 2
    e2e_assert "resetting server, start $start: the ruler shows" window_shows "$E2E_OMBRIX_PID"
    xd_stop "$E2E_OMBRIX_PID"
done

# On a display Qt's own options are taken; -display alone names it.
while IFS='|' read -r environment arguments; do
    read -r -a words <<<"$environment"
    E2E_OMBRIX_ENV=("${words[@]}" QT_QPA_PLATFORM=xcb)
    # shellcheck disable=SC2086  # words
    e2e_start_ombrix $arguments
    e2e_assert "[$arguments] the ruler shows" window_shows "$E2E_OMBRIX_PID"
    xd_stop "$E2E_OMBRIX_PID"
done <<EOF
|-style Fusion
|-reverse
-u DISPLAY|-display $DISPLAY
QT_QPA_PLATFORM=wayland|-platform wayland
EOF

e2e_assert_match "--platform .*--reverse" "$(timeout 20 "$OMBRIX_BIN" --help-all)" \
    "--help-all on a display lists Qt's options"
e2e_assert_not "an unknown option is refused on a display too" timeout 20 "$OMBRIX_BIN" --bogus
