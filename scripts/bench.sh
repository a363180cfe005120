#!/usr/bin/env bash
# Builds the benchmarks (Release, build-bench/) and prints one table of how
# Tessaflow's costs grow with the list: start-up against a bare Qt window and
# a plain Qt launcher of the same files, load, save, drop, the show/hide key and
# `tessaflow --toggle` at 21, 1000 and 10 000 shortcuts, a Properties edit
# and its save at up to 10 000 shortcuts, large profiles, a keystroke with
# 2000 installed applications offered too, and the installed applications
# listed for the Add Applications window, and at 10 000 shortcuts in 20
# groups another group shown and a key finding across them.
# Offscreen, so it needs no display. RUNS=N sets the start-up runs (default 21).
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
runs=${RUNS:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
# Tessaflow keeps rendered icons in its cache folder: a private one, emptied
# before the first start of each size, so that start shows the cost of an
# empty cache and the runs after it the usual, warm one.
export XDG_CACHE_HOME=$work/cache

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# --- in-process ------------------------------------------------------------
echo "bench.sh: in-process benchmarks (Google Benchmark)..." >&2
"$bin/tessaflow_bench" --benchmark_format=csv --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true >"$work/inproc.csv" 2>"$work/inproc.err" ||
  { echo "bench.sh: the in-process benchmarks stopped:" >&2; grep -v '^QStandardPaths\|^qt\.\|propagateSizeHints' "$work/inproc.err" >&2; }
# Milliseconds of one benchmark: the median real time of its 3 repetitions.
ms() { awk -F, -v name="\"$1_median\"" '{ sub(/\/iterations:[0-9]+/, "", $1) } $1 == name { printf "%.1f", $3 }' "$work/inproc.csv"; }

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
peak_kib() { # PROGRAM DATA_DIR: the median peak resident memory of 3 runs, from /usr/bin/time -v
  local cmd
  case $1 in
    tessaflow) cmd=("$bin/bench_startup_tessaflow" "$work/run.ini") ;;
    plain) cmd=("$bin/bench_startup_plain" "$2/paths.txt") ;;
    themed) cmd=("$bin/bench_startup_plain" "$2/paths.txt" --theme-icons) ;;
    bare) cmd=("$bin/bench_startup_bare") ;;
  esac
  for _ in 1 2 3; do
    cp "$2/tsw.ini" "$work/run.ini"
    /usr/bin/time -v -o "$work/time.txt" "${cmd[@]}" >/dev/null 2>&1
    awk -F: '/Maximum resident set size/ { print $2 + 0 }' "$work/time.txt"
  done | median
}

declare -A start peak cold
for n in 21 1000; do
  echo "bench.sh: start-up with $n shortcuts, $runs runs of each program in turn..." >&2
  rm -rf "$XDG_CACHE_HOME"
  cold[$n]=$(tessaflow_once "$work/$n" | awk '{ print $1 }')
  : >"$work/tessaflow.$n"; : >"$work/plain.$n"; : >"$work/themed.$n"; : >"$work/bare.$n"
  for ((r = 0; r < runs; r++)); do
    tessaflow_once "$work/$n" | awk '{ print $1 }' >>"$work/tessaflow.$n"
    start_once "$bin/bench_startup_plain" "$work/$n/paths.txt" | awk '{ print $1 }' >>"$work/plain.$n"
    start_once "$bin/bench_startup_plain" "$work/$n/paths.txt" --theme-icons | awk '{ print $1 }' >>"$work/themed.$n"
    start_once "$bin/bench_startup_bare" | awk '{ print $1 }' >>"$work/bare.$n"
  done
  for p in tessaflow plain themed bare; do
    start[$p$n]=$(median <"$work/$p.$n")
    peak[$p$n]=$(peak_kib "$p" "$work/$n")
  done
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

# `tessaflow --toggle` handed to a running copy whose window is hidden, until
# that copy's list has painted: "<median_ms> <min_ms> <max_ms>" of 11 runs.
declare -A toggle
for n in 21 1000 10000; do
  echo "bench.sh: tessaflow --toggle with $n shortcuts..." >&2
  toggle[$n]=$("$bin/bench_toggle_handover" "$work/$n/tsw.ini" "$PWD/build-bench/tessaflow" 11 2>/dev/null | awk '{ print $1 }')
done

# --- the table -------------------------------------------------------------
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
# "met" or "MISSED": VALUE OP LIMIT (a missing value is missed).
verdict() { [[ -n $1 ]] && awk -v v="$1" -v l="$3" -v op="$2" 'BEGIN { ok = op == "<" ? v < l : v <= l; exit !ok }' && echo met || echo MISSED; }
echo
echo "Start-up to the list's first paint: whole process, offscreen, Release, median of $runs runs taken in turn;"
echo "peak resident memory (MiB) from /usr/bin/time -v, median of 3."
echo
echo "| shortcuts | Tessaflow | plain Qt launcher | ratio | plain launcher, theme icons | ratio | bare Qt window | peak memory: Tessaflow / plain / theme icons / bare | memory ratio to plain | Tessaflow, first start (empty icon cache) |"
echo "|---|---|---|---|---|---|---|---|---|---|"
for n in 21 1000; do
  echo "| $n | ${start[tessaflow$n]} ms | ${start[plain$n]} ms | $(ratio "${start[tessaflow$n]}" "${start[plain$n]}")× |" \
       "${start[themed$n]} ms | $(ratio "${start[tessaflow$n]}" "${start[themed$n]}")× | ${start[bare$n]} ms |" \
       "$(mib "${peak[tessaflow$n]}") / $(mib "${peak[plain$n]}") / $(mib "${peak[themed$n]}") / $(mib "${peak[bare$n]}") |" \
       "$(ratio "${peak[tessaflow$n]}" "${peak[plain$n]}")× | ${cold[$n]} ms |"
done
echo
echo "In process (Google Benchmark, real time, median of 3 repetitions):"
echo
echo "| operation | 21 | 1000 | 4000 | 10 000 | 4000 / 1000 |"
echo "|---|---|---|---|---|---|"
row() { # LABEL BENCHMARK [ARGUMENT AFTER n]
  local line="| $1" v a b
  for n in 21 1000 4000 10000; do
    v=$(ms "$2/$n${3:-}"); line+=" | ${v:+$v ms}"
  done
  a=$(ms "$2/1000${3:-}"); b=$(ms "$2/4000${3:-}")
  if [[ -n $a && -n $b ]]; then line+=" | $(ratio "$b" "$a")× |"; else line+=" | |"; fi
  echo "$line"
}
row "Load_Config + first layout" LoadProfile
row "Save_Config" SaveProfile
row "a drop of n files onto the window, its save included" DropFiles
row "the same file added n times" AddSameFile
row "delete one, save included" DeleteOne
row "one Properties edit applied, save included" PropertiesSave
row "views and arrangements switched (6 layouts)" SwitchViews
row "the show/hide key: from the tray to the list's first paint" ShowFromTray
row "the plain Qt launcher: its hidden window shown to the first paint" PlainShowHidden
row "the first key typed to the filtered list's paint, arranged automatically" FirstKeystroke /1
row "the first key typed to the list's paint, placed by hand (others faded)" FirstKeystroke /0
row "one more key narrowing the filter to the list's paint" NarrowingKeystroke
row "the same with 2000 applications offered too, arranged automatically" KeystrokeWithApplications /1
row "the same with 2000 applications offered too, placed by hand" KeystrokeWithApplications /0
row "a key in a second word typed (\"txt file\" to \"txt file1\") to the list's paint" MultiWordKeystroke
row "a key that slips (\"fli\" to \"flie\": only close matches) to the list's paint" TypoKeystroke
row "Add Applications: n desktop entries listed, sorted and folded" ListApplications
row "another of 20 groups shown, laid out and painted, placed by hand" SwitchGroup /0
row "another of 20 groups shown, laid out and painted, arranged automatically" SwitchGroup /1
row "a key finding across 20 groups to the list's paint, placed by hand" GroupKeystroke /0
row "a key finding across 20 groups to the list's paint, arranged automatically" GroupKeystroke /1
echo
echo "\`tessaflow --toggle\` while the window is hidden: from the start of that process to the running copy's"
echo "list painted (whole processes, offscreen, median of 11 presses 0.3 s apart, so"
echo "each show has looked at its targets again before the next press):"
echo
echo "| shortcuts | 21 | 1000 | 10 000 |"
echo "|---|---|---|---|"
echo "| \`--toggle\` to the first paint | ${toggle[21]:-failed} ms | ${toggle[1000]:-failed} ms | ${toggle[10000]:-failed} ms |"
echo
echo "Large profiles (whole process; a run that has not ended after 60 s counts as not finishing):"
echo
echo "| case | start-up | exit, its save included |"
echo "|---|---|---|"
echo "| 10 000 shortcuts | $start10k ms | |"
echo "| 21 shortcuts after 1 000 000 keys of another section | ${bigStart:-not finished} ms | ${bigExit:-not finished} ms |"
echo
r1000=$(ratio "${start[tessaflow1000]}" "${start[plain1000]}"); r21=$(ratio "${start[tessaflow21]}" "${start[plain21]}")
m1000=$(ratio "${peak[tessaflow1000]}" "${peak[plain1000]}")
ld=$(ratio "$(ms LoadProfile/4000)" "$(ms LoadProfile/1000)"); sv=$(ratio "$(ms SaveProfile/4000)" "$(ms SaveProfile/1000)")
dr=$(ratio "$(ms DropFiles/4000)" "$(ms DropFiles/1000)")
echo "Targets:"
echo
echo "| target | figure | |"
echo "|---|---|---|"
echo "| start-up, 1000 shortcuts ≤ 1.0× the plain launcher | ${r1000}× | $(verdict "$r1000" "<=" 1.0) |"
echo "| start-up, 21 shortcuts ≤ 1.0× the plain launcher | ${r21}× | $(verdict "$r21" "<=" 1.0) |"
echo "| peak memory, 1000 shortcuts ≤ 1.1× the plain launcher | ${m1000}× | $(verdict "$m1000" "<=" 1.1) |"
echo "| start-up, 10 000 shortcuts < 1 s | $start10k ms | $(verdict "$start10k" "<" 1000) |"
echo "| Save_Config, 10 000 shortcuts < 100 ms | $(ms SaveProfile/10000) ms | $(verdict "$(ms SaveProfile/10000)" "<" 100) |"
echo "| a Properties edit, its save included, 10 000 shortcuts < 100 ms | $(ms PropertiesSave/10000) ms | $(verdict "$(ms PropertiesSave/10000)" "<" 100) |"
echo "| 1 000 000 other keys: start < 3 s | ${bigStart:-not finished} ms | $(verdict "$bigStart" "<" 3000) |"
echo "| 1 000 000 other keys: exit < 3 s | ${bigExit:-not finished} ms | $(verdict "$bigExit" "<" 3000) |"
echo "| a drop of 4000 files, its save included < 300 ms | $(ms DropFiles/4000) ms | $(verdict "$(ms DropFiles/4000)" "<" 300) |"
echo "| Save_Config, 4000 shortcuts < 30 ms | $(ms SaveProfile/4000) ms | $(verdict "$(ms SaveProfile/4000)" "<" 30) |"
tray=$(ms ShowFromTray/1000)
typed=$(printf '%s\n' "$(ms FirstKeystroke/10000/1)" "$(ms FirstKeystroke/10000/0)" "$(ms NarrowingKeystroke/10000)" "$(ms MultiWordKeystroke/10000)" "$(ms TypoKeystroke/10000)" | sort -g | tail -1)
echo "| the show/hide key to the first paint from the tray, 1000 shortcuts < 30 ms | $tray ms (plain Qt launcher: $(ms PlainShowHidden/1000) ms) | $(verdict "$tray" "<" 30) |"
summon=$(ms ShowFromTray/10000)
echo "| the show/hide key to the first paint from the tray, 10 000 shortcuts < 16 ms | $summon ms | $(verdict "$summon" "<" 16) |"
slowest=$(printf '%s\n' "${toggle[21]}" "${toggle[1000]}" "${toggle[10000]}" | sort -g | tail -1)
echo "| \`--toggle\` to the first paint, any size < 30 ms | $slowest ms | $(verdict "$slowest" "<" 30) |"
echo "| a keystroke to the filtered list's paint, 10 000 shortcuts < 16 ms | $typed ms | $(verdict "$typed" "<" 16) |"
offered=$(printf '%s\n' "$(ms KeystrokeWithApplications/10000/1)" "$(ms KeystrokeWithApplications/10000/0)" | sort -g | tail -1)
echo "| a keystroke with 2000 applications offered too, 10 000 shortcuts < 16 ms | $offered ms | $(verdict "$offered" "<" 16) |"
apps=$(ms ListApplications/2000)
echo "| Add Applications: 2000 desktop entries listed < 150 ms | $apps ms | $(verdict "$apps" "<" 150) |"
switched=$(printf '%s\n' "$(ms SwitchGroup/10000/0)" "$(ms SwitchGroup/10000/1)" | sort -g | tail -1)
echo "| another group shown and laid out, 10 000 shortcuts in 20 groups < 16 ms | $switched ms | $(verdict "$switched" "<" 16) |"
across=$(printf '%s\n' "$(ms GroupKeystroke/10000/0)" "$(ms GroupKeystroke/10000/1)" | sort -g | tail -1)
echo "| a keystroke finding across 20 groups, 10 000 shortcuts < 16 ms | $across ms | $(verdict "$across" "<" 16) |"
echo "| 4000 / 1000: load, save, drop ≤ 5 | $ld× / $sv× / $dr× | $(verdict "$(printf '%s\n' "$ld" "$sv" "$dr" | sort -g | tail -1)" "<=" 5) |"
