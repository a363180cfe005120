#!/usr/bin/env bash
# Builds Tessaflow with its tests in build-tests/ and runs them all; exits
# non-zero when anything fails. Needs no display: unit tests use the offscreen
# platform, and the end-to-end script brings its own X server.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/deps.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSAFLOW_TESTS=ON >/dev/null
cmake --build build-tests -j2
(cd build-tests && ctest --output-on-failure -j2)

if [[ -f tests/e2e/run.sh ]]; then
  bash tests/e2e/run.sh
fi
# Signals at start-up and kills during saves, on the real program.
bash tests/e2e/signals.sh
bash tests/e2e/crash.sh
