#!/usr/bin/env bash
# Installs what is missing, builds Ombrix and starts it. On a machine with an
# X display it runs there; on one without, it runs on a private Xvfb display
# long enough to save a screenshot of it, and stops everything it started.
# It builds the program and its help page only; scripts/test.sh builds the
# tests and benchmarks too.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh --run
cmake -S . -B build -G Ninja
cmake --build build --target ombrix

program=$PWD/build/src/ombrix
screenshot=$PWD/build/ombrix-screenshot.png

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    echo "run: starting Ombrix on display $DISPLAY"
    QT_QPA_PLATFORM=xcb exec "$program"
fi

# shellcheck source=scripts/lib/xdesktop.sh
source scripts/lib/xdesktop.sh
logs=$(mktemp -d "${TMPDIR:-/tmp}/ombrix-run.XXXXXX")
stop_desktop() {
    set +e
    xd_stop_all
    rm -rf "$logs"
}
trap stop_desktop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

echo "run: no X display here; starting a private Xvfb display with openbox"
xd_start_xvfb 1280x800x24 "$logs/xvfb.log" || { cat "$logs/xvfb.log"; exit 1; }
xd_start_openbox "$logs/openbox.log" || { cat "$logs/openbox.log"; exit 1; }
xd_spawn "$logs/ombrix.log" env QT_QPA_PLATFORM=xcb "$program"
if ! xd_wait_window 20 --pid "$XD_LAST_PID" >/dev/null; then
    echo "run: Ombrix showed no window on $DISPLAY; its output:" >&2
    cat "$logs/ombrix.log" >&2
    exit 1
fi
# Give the first paint time to reach the screen.
sleep 1
import -window root "$screenshot"
echo "run: Ombrix ran on $DISPLAY; screenshot saved to $screenshot"
