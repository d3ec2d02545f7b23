#!/usr/bin/env bash
# Builds the program and runs every test, headless (Qt's offscreen platform).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" test
cmake -S "$root" -B "$root/build" -DVELMORA_TESTS=ON
cmake --build "$root/build" -j"$(nproc)"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
