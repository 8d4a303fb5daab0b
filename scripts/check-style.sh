#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of
# it, or when shellcheck finds anything in the scripts and the end-to-end
# tests. scripts/test.sh runs it; it changes no file.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1

status=0
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "check-style: clang-format would change the files above; run clang-format -i on them" >&2
    status=1
fi
mapfile -t scripts < <(git ls-files 'scripts/*.sh' 'scripts/lib/*.sh' 'tests/e2e/*.sh' 'bench/*.sh' 'fuzz/*.sh' '.ci/run')
if ! shellcheck -x "${scripts[@]}"; then
    echo "check-style: shellcheck found the above" >&2
    status=1
fi
((status == 0)) && echo "check-style: ${#sources[@]} C++ files formatted, ${#scripts[@]} scripts clean"
exit "$status"
