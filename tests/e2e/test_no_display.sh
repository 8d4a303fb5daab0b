#!/usr/bin/env bash
# Where no X display can be opened (no DISPLAY at all, one that does not
# answer, or a Wayland session without XWayland), the program says so in one
# line and leaves with an error instead of crashing.
# shellcheck source=tests/e2e/harness.sh
source "$(dirname "$0")/harness.sh"

# run_without_x VARIABLE=VALUE...: runs the program in that environment.
run_without_x() {
    local status=0
    env "$@" QT_QPA_PLATFORM= "$OMBRIX_BIN" >"$E2E_TMP/out" 2>"$E2E_TMP/err" </dev/null || status=$?
    echo "$status"
}

for case in "DISPLAY=" "DISPLAY=:32767" "DISPLAY= WAYLAND_DISPLAY=wayland-0"; do
    # shellcheck disable=SC2086  # each case is a list of assignments
    status=$(run_without_x $case)
    e2e_assert_eq 1 "$status" "[$case] the program exits with status 1"
    e2e_assert_eq 1 "$(wc -l <"$E2E_TMP/err")" "[$case] it writes one line to stderr"
    e2e_assert_match "cannot open an X display" "$(cat "$E2E_TMP/err")" "[$case] the line says why"
    e2e_assert_eq 0 "$(wc -c <"$E2E_TMP/out")" "[$case] it writes nothing to stdout"
done
