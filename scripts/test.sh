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
(cd "$build" && ctest --output-on-failure -j2)

if [[ -f tests/e2e/run.sh ]]; then
  bash tests/e2e/run.sh "$build"
fi
# Signals at start-up and kills during saves, on the real program.
bash tests/e2e/signals.sh "$build"
bash tests/e2e/crash.sh "$build"
# The tray over D-Bus coming late and coming back; screen readers over AT-SPI.
bash tests/e2e/tray.sh "$build"
bash tests/e2e/a11y.sh "$build"
# A Wayland session (weston on a private Xvfb): start, hand-over, --toggle,
# SIGTERM, the stored position.
bash tests/e2e/wayland.sh "$build"
# The show/hide key, --toggle and typing to find, on the real program.
bash tests/e2e/keys.sh "$build"

if ((fuzz_seconds > 0)); then
  ./scripts/fuzz.sh "$fuzz_seconds"
fi
