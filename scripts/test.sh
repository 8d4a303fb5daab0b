#!/usr/bin/env bash
# Installs what is missing, builds Ombrix and runs the whole test suite (unit
# tests on Qt's offscreen platform, end-to-end tests on private Xvfb
# displays). Exits with ctest's status.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build
exec ctest --test-dir build --output-on-failure
