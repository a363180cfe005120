#!/usr/bin/env bash
# Builds Tessaflow with its tests in build-tests/ and runs them all; exits
# non-zero when anything fails. Needs no display: unit tests use the offscreen
# platform, and the end-to-end scripts bring their own X server, session bus
# or Wayland compositor.
#
#   ./scripts/test.sh [--sanitize] [--fuzz[=SECONDS]]
#
# --sanitize  the same suite built with AddressSanitizer and UBSan, in
#             build-sanitize/; any report fails the run.
# --fuzz=N    run the fuzz target for N seconds at the end (default 60;
#             --fuzz=0 skips it).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=build-tests
cmake_flags=()
fuzz_seconds=60
for arg in "$@"; do
  case $arg in
    --sanitize)
      build=build-sanitize
      cmake_flags=(-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer")
      # Leaks inside the system's libraries are theirs, not ours.
      export ASAN_OPTIONS=detect_leaks=1
      export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
      export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
      ;;
    --fuzz) fuzz_seconds=60 ;;
    --fuzz=*) fuzz_seconds=${arg#--fuzz=} ;;
    *) echo "usage: $0 [--sanitize] [--fuzz[=SECONDS]]" >&2; exit 2 ;;
  esac
done

./scripts/deps.sh
# The benchmarks are built too (not run), so they keep compiling as the code changes.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSAFLOW_TESTS=ON -DTESSAFLOW_BENCHMARKS=ON \
  "${cmake_flags[@]}" >/dev/null
cmake --build "$build" -j2
# Unit tests and the end-to-end checks (label e2e: each step of
# tests/e2e/steps/, the signals, kills, tray, screen reader, Wayland and key
# scripts; one at a time, each in its own X session) in one run.
(cd "$build" && ctest --output-on-failure -j2)

if ((fuzz_seconds > 0)); then
  ./scripts/fuzz.sh "$fuzz_seconds"
fi
