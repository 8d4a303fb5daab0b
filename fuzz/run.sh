#!/usr/bin/env bash
# Builds each fuzz/fuzz_*.cpp with clang as a libFuzzer target under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs it for a bounded
# time (FUZZ_SECONDS, 30 by default) from a small seed corpus. Installs clang
# and its run-time library with apt-get when they are missing. Exits non-zero
# when a target does not build or finds a fault; the crashing input is kept
# in build-fuzz/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ROOT=$PWD
OUT=$ROOT/build-fuzz
SECONDS_EACH=${FUZZ_SECONDS:-30}
CXX=${FUZZ_CXX:-clang++}

# The code under test, compiled into every target.
SOURCES=(src/settings/SettingConversions.cpp src/button/AccessKey.cpp)

can_build_fuzzers() {
    command -v "$CXX" >/dev/null || return 1
    printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }\n' |
        "$CXX" -x c++ -fsanitize=fuzzer - -o "$OUT/probe" 2>/dev/null
}

install_clang() {
    local as_root=()
    ((EUID == 0)) || as_root=(sudo)
    echo "fuzz: installing clang and libclang-rt-14-dev"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update >/dev/null
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends clang libclang-rt-14-dev >/dev/null
}

seed() {
    local dir=$1 name=$2
    mkdir -p "$dir"
    case $name in
    fuzz_setting_conversions)
        local text i=0
        for text in True false 1500 -45 0.1 1e40 -0 nan inf ' 7 ' 12,5 '+.5e-3' 32767.5 -32768.5; do
            printf '%s' "$text" >"$dir/seed$i"
            i=$((i + 1))
        done
        ;;
    fuzz_access_key)
        local text i=0
        for text in '&Help' 'Cl&ose' '&&x&y' 'a&&&b' '&' 'x&' '&&&&'; do
            printf '%s' "$text" >"$dir/seed$i"
            i=$((i + 1))
        done
        ;;
    esac
}

mkdir -p "$OUT"
can_build_fuzzers || install_clang
can_build_fuzzers || {
    echo "fuzz: $CXX cannot build libFuzzer targets here" >&2
    exit 1
}

read -r -a qt_flags <<<"$(pkg-config --cflags --libs Qt6Core)"
status=0
for target in fuzz/fuzz_*.cpp; do
    name=$(basename "$target" .cpp)
    echo "fuzz: building $name"
    "$CXX" -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined -Isrc "$target" "${SOURCES[@]}" "${qt_flags[@]}" \
        -o "$OUT/$name"
    corpus=$OUT/corpus/$name
    seed "$corpus" "$name"
    echo "fuzz: running $name for ${SECONDS_EACH}s"
    if ! (cd "$OUT" && "./$name" -max_total_time="$SECONDS_EACH" -max_len=512 \
        -print_final_stats=1 "$corpus" >"$OUT/$name.log" 2>&1); then
        echo "fuzz: $name found a fault:" >&2
        tail -n 40 "$OUT/$name.log" >&2
        status=1
        continue
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$OUT/$name.log" | sed "s/^/fuzz: $name: /"
done
exit "$status"
