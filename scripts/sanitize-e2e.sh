#!/usr/bin/env bash
# The end-to-end suite on the program built with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-sanitize). A memory error or undefined
# behaviour stops the program, so the script that drives it fails; every
# report is also written under build-sanitize/reports, and any report fails
# the run. Leaks are not looked for: Qt keeps much until the very end, and the
# program's ends at once skip the leak check anyway. Arguments go to ctest
# (-R e2e_test_hardening, say).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh --all
cmake -S . -B build-sanitize -G Ninja -DOMBRIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-sanitize
reports=$PWD/build-sanitize/reports
rm -rf "$reports"
mkdir -p "$reports"
status=0
ASAN_OPTIONS=detect_leaks=0:log_path=$reports/asan \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan \
    ctest --test-dir build-sanitize -L e2e -j2 --output-on-failure "$@" || status=1
if compgen -G "$reports/*" >/dev/null; then
    echo "sanitize-e2e: the sanitizers reported, in $reports:"
    head -n 60 "$reports"/*
    status=1
fi
exit "$status"
