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

# Each fuzz target for a short fixed number of inputs (clang, core sources only).
cd ..
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DREMITTO_FUZZ=ON -DREMITTO_BUILD_TESTS=OFF > build-fuzz.configure.log 2>&1 \
  || { cat build-fuzz.configure.log; exit 1; }
cmake --build build-fuzz -j"$(nproc)" --target fuzz
cd build-fuzz
ctest --output-on-failure
