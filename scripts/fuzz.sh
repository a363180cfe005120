#!/usr/bin/env bash
# Builds the libFuzzer target (clang, AddressSanitizer, UBSan) in build-fuzz/
# and runs it for SECONDS (default 60) on the seed corpus in fuzz/corpus/,
# with the profile dictionary. New inputs go to build-fuzz/corpus/, crashes to
# build-fuzz/ as crash-*; exits non-zero when the target fails.
#
#   ./scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-60}

./scripts/deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTESSAFLOW_TESTS=OFF -DTESSAFLOW_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2 --target tessaflow_fuzz_profile
mkdir -p build-fuzz/corpus
# One job; libFuzzer's own limit per input keeps a slow case from hiding.
(cd build-fuzz && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ./fuzz/tessaflow_fuzz_profile -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -dict=../fuzz/profile.dict corpus ../fuzz/corpus)
