#!/usr/bin/env bash
# Builds the benchmarks (Release, build-bench/) and prints one table of how
# Tessaflow's costs grow with the list: start-up against a bare Qt window and
# a plain Qt launcher of the same files, load, save, drop, and large profiles.
# Offscreen, so it needs no display. RUNS=N sets the start-up runs (default 11).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/deps.sh
# GNU time for the peak memory of each program.
if [[ ! -x /usr/bin/time ]]; then
  if ((EUID == 0)); then as_root=(); else as_root=(sudo); fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q time
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DTESSAFLOW_TESTS=OFF -DTESSAFLOW_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j2 >/dev/null

bin=$PWD/build-bench/bench
runs=${RUNS:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# --- in-process ------------------------------------------------------------
echo "bench.sh: in-process benchmarks (Google Benchmark)..." >&2
"$bin/tessaflow_bench" --benchmark_format=csv >"$work/inproc.csv" 2>"$work/inproc.err" ||
  { echo "bench.sh: the in-process benchmarks stopped:" >&2; grep -v '^QStandardPaths\|^qt\.\|propagateSizeHints' "$work/inproc.err" >&2; }
# Milliseconds of one benchmark (its real time).
ms() { awk -F, -v name="\"$1\"" '{ sub(/\/iterations:[0-9]+/, "", $1) } $1 == name { printf "%.1f", $3 }' "$work/inproc.csv"; }

# --- whole process ---------------------------------------------------------
for n in 21 1000 10000; do
  mkdir -p "$work/$n"
  "$bin/bench_data" "$work/$n" "$n"
done
mkdir -p "$work/big"
"$bin/bench_data" "$work/big" 21 1000000

# One start of a program: "<start_ms> <exit_ms> <maxrss_kib>".
start_once() { "$bin/bench_startup_runner" "$@"; }
tessaflow_once() { # DATA_DIR [--exit]
  cp "$1/tsw.ini" "$work/run.ini"
  start_once "$bin/bench_startup_tessaflow" "$work/run.ini" "${@:2}"
}
peak_kib() { # the median peak resident memory of 3 runs, from /usr/bin/time -v
  for _ in 1 2 3; do
    [[ $1 == tessaflow ]] && cp "$2/tsw.ini" "$work/run.ini"
    case $1 in
      tessaflow) /usr/bin/time -v -o "$work/time.txt" "$bin/bench_startup_tessaflow" "$work/run.ini" >/dev/null 2>&1 ;;
      plain) /usr/bin/time -v -o "$work/time.txt" "$bin/bench_startup_plain" "$2/paths.txt" >/dev/null 2>&1 ;;
      bare) /usr/bin/time -v -o "$work/time.txt" "$bin/bench_startup_bare" >/dev/null 2>&1 ;;
    esac
    awk -F: '/Maximum resident set size/ { print $2 + 0 }' "$work/time.txt"
  done | median
}

declare -A start peak
for n in 21 1000; do
  echo "bench.sh: start-up with $n shortcuts, $runs runs of each program in turn..." >&2
  : >"$work/t.$n" ; : >"$work/p.$n" ; : >"$work/b.$n"
  for ((r = 0; r < runs; r++)); do
    tessaflow_once "$work/$n" | awk '{ print $1 }' >>"$work/t.$n"
    start_once "$bin/bench_startup_plain" "$work/$n/paths.txt" | awk '{ print $1 }' >>"$work/p.$n"
    start_once "$bin/bench_startup_bare" | awk '{ print $1 }' >>"$work/b.$n"
  done
  start[t$n]=$(median <"$work/t.$n"); start[p$n]=$(median <"$work/p.$n"); start[b$n]=$(median <"$work/b.$n")
  peak[t$n]=$(peak_kib tessaflow "$work/$n"); peak[p$n]=$(peak_kib plain "$work/$n"); peak[b$n]=$(peak_kib bare)
done

echo "bench.sh: 10 000 shortcuts and 1 000 000 other keys..." >&2
start10k=$(for _ in 1 2 3 4 5; do tessaflow_once "$work/10000" | awk '{ print $1 }'; done | median)
: >"$work/big.start"; : >"$work/big.exit"
# A run that has not ended after a minute counts as not finishing.
for _ in 1 2 3; do
  cp "$work/big/tsw.ini" "$work/run.ini"
  if read -r s e _ < <(timeout -s KILL 60 "$bin/bench_startup_runner" "$bin/bench_startup_tessaflow" "$work/run.ini" --exit); then
    echo "$s" >>"$work/big.start"; echo "$e" >>"$work/big.exit"
  fi
done
bigStart=$(median <"$work/big.start"); bigExit=$(median <"$work/big.exit")
bigStart=${bigStart:-"> 60000"}; bigExit=${bigExit:-"> 60000"}

# --- the table -------------------------------------------------------------
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
echo
echo "Start-up to the list's first paint (whole process, offscreen, Release; median of $runs runs in turn; peak memory median of 3):"
echo
echo "| shortcuts | Tessaflow | plain Qt launcher | bare Qt window | Tessaflow / plain | peak memory Tessaflow / plain / bare | memory ratio |"
echo "|---|---|---|---|---|---|---|"
for n in 21 1000; do
  echo "| $n | ${start[t$n]} ms | ${start[p$n]} ms | ${start[b$n]} ms | $(ratio "${start[t$n]}" "${start[p$n]}")× |" \
       "$(mib "${peak[t$n]}") / $(mib "${peak[p$n]}") / $(mib "${peak[b$n]}") | $(ratio "${peak[t$n]}" "${peak[p$n]}")× |"
done
echo
echo "In process (Google Benchmark, real time):"
echo
echo "| operation | 21 | 1000 | 4000 | 10 000 | 4000 / 1000 |"
echo "|---|---|---|---|---|---|"
row() { # label benchmark sizes...
  local label=$1 name=$2 line="| $1"
  for n in 21 1000 4000 10000; do
    v=$(ms "$name/$n"); line+=" | ${v:+$v ms}"
  done
  a=$(ms "$name/1000"); b=$(ms "$name/4000")
  [[ -n $a && -n $b ]] && line+=" | $(ratio "$b" "$a")× |" || line+=" | |"
  echo "$line"
}
row "Load_Config + first layout" LoadProfile
row "Save_Config" SaveProfile
row "drop onto the window, save included" DropFiles
row "the same file added n times" AddSameFile
row "delete one, save included" DeleteOne
row "views and arrangements switched (6 layouts)" SwitchViews
echo
echo "Large profiles (whole process):"
echo
echo "| case | start-up | exit (save included) | save |"
echo "|---|---|---|---|"
echo "| 10 000 shortcuts | $start10k ms | | $(ms SaveProfile/10000) ms |"
echo "| 21 shortcuts + 1 000 000 keys in another section | $bigStart ms | $bigExit ms | |"
