#!/usr/bin/env bash
# Installs what is missing, builds Remitto and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
runtime="$(mktemp -d)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
cd build
ctest --output-on-failure -j"$(nproc)"

# The same suite once more under the address and undefined-behaviour sanitizers.
cd ..
scripts/build.sh build-asan -DREMITTO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cd build-asan
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j"$(nproc)"
