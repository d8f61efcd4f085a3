#!/usr/bin/env bash
# Installs what is missing, builds Remitto and runs every test headless: the
# whole tree and its suite, the suite once more under the address and
# undefined-behaviour sanitizers, and each fuzz target for a fixed number of
# inputs. Ends with the time of each stage (wall clock and CPU of the stage's
# processes). ccache is not needed: a fresh machine has none, and the build
# precompiles the Qt headers instead (when ccache is the compiler launcher
# that is left to the cache).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

stages=()
stage_start=0
stage_cpu=0
times_file="$(mktemp)"
cpu_seconds() {  # user + system seconds of every finished child so far
  times > "$times_file"  # in this shell: a subshell would not see the children
  tail -1 "$times_file" | awk 'function sec(t,  m) { m = t; sub(/m.*/, "", m); sub(/^[0-9]+m/, "", t); sub(/s$/, "", t); return m * 60 + t }
                               { printf "%.1f", sec($1) + sec($2) }'
}
begin() {
  stage_name="$1"
  stage_start="$(date +%s.%N)"
  cpu_seconds > "$times_file.cpu"
  stage_cpu="$(cat "$times_file.cpu")"
  echo "== $stage_name"
}
end() {
  local now cpu
  now="$(date +%s.%N)"
  cpu_seconds > "$times_file.cpu"
  cpu="$(cat "$times_file.cpu")"
  stages+=("$(awk -v n="$stage_name" -v a="$stage_start" -v b="$now" -v c="$stage_cpu" -v d="$cpu" \
               'BEGIN { printf "%-12s %8.0f s %10.0f s", n, b - a, d - c }')")
  stage_name=""
}
report() {
  local rc=$?
  [ -n "${stage_name:-}" ] && end
  echo
  echo "Stage          wall      CPU (user+sys)"
  printf '%s\n' "${stages[@]}"
  [ "$rc" -eq 0 ] || echo "(stopped by a failure, exit $rc)"
  rm -f "$times_file" "$times_file.cpu"
}
trap report EXIT

begin install
scripts/install-deps.sh
end

runtime="$(mktemp -d)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
export QT_QPA_PLATFORM=offscreen

# The programs built here only run the tests: line tables (-g1) are debug
# information enough for a stack trace, and much quicker to write than -g.
release_flags="-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"

begin build
scripts/build.sh build -- "$release_flags"
end
begin tests
(cd build && ctest --output-on-failure -j"$jobs")
end

# The same suite under the sanitizers: only the test programs are built there
# (-O0: optimizing instrumented code costs more than it saves), and each test
# program runs once rather than once per test case.
begin "asan build"
scripts/build.sh build-asan --target remitto_tests -- -DREMITTO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g1" -DREMITTO_TEST_PER_PROGRAM=ON
end
begin "asan tests"
(cd build-asan && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j"$jobs")
end

# Each fuzz target for a short fixed number of inputs (clang, core sources only).
begin "fuzz build"
scripts/build.sh build-fuzz --target fuzz -- "$release_flags" -DCMAKE_CXX_COMPILER=clang++ -DREMITTO_FUZZ=ON \
  -DREMITTO_BUILD_TESTS=OFF
end
begin "fuzz run"
(cd build-fuzz && ctest --output-on-failure -j"$jobs")
end
