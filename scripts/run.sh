#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF
cmake --build "$root/build-release" -j"$(nproc)"
exec "$root/build-release/program/velmora"
