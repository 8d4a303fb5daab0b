#!/usr/bin/env bash
# Installs what is missing, builds Ombrix and runs the whole test suite (unit
# tests on Qt's offscreen platform, end-to-end tests on private Xvfb
# displays), after checking the code's format and the scripts
# (scripts/check-style.sh).
#
# In CI (CI=true), or when asked with --sanitize and/or --fuzz, it first
# builds in build-sanitize with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the unit tests there, and builds and runs the libFuzzer targets for
# a bounded time (fuzz/run.sh). Exits non-zero when any of these fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

sanitize=false
fuzz=false
if [[ ${CI:-} == true ]]; then
    sanitize=true
    fuzz=true
fi
for argument in "$@"; do
    case $argument in
    --sanitize) sanitize=true ;;
    --fuzz) fuzz=true ;;
    *)
        echo "usage: $0 [--sanitize] [--fuzz]" >&2
        exit 2
        ;;
    esac
done

bash scripts/install-deps.sh --all
status=0
bash scripts/check-style.sh || status=1
if $sanitize; then
    echo "test: unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake -S . -B build-sanitize -G Ninja -DOMBRIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    cmake --build build-sanitize
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir build-sanitize -L unit --output-on-failure || status=1
fi
if $fuzz; then
    FUZZ_SECONDS=${FUZZ_SECONDS:-30} bash fuzz/run.sh || status=1
fi

# The whole suite comes last, so that its summary closes the output.
cmake -S . -B build -G Ninja
cmake --build build
ctest --test-dir build --output-on-failure || status=$?
exit "$status"
