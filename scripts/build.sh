#!/usr/bin/env bash
# Configures and builds Remitto in build/ (or the folder given).
#   scripts/build.sh [DIR [--target NAME]... [-- CMAKE_OPTIONS...]]
# Without "--", every argument after DIR is a CMake option.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
targets=()
while [ $# -gt 0 ] && [ "$1" = "--target" ]; do
  targets+=(--target "$2")
  shift 2
done
[ "${1:-}" = "--" ] && shift
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
