#!/usr/bin/env bash
# Builds Tessaflow (Release, no tests) and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSAFLOW_TESTS=OFF >/dev/null
cmake --build build
exec build/tessaflow "$@"
