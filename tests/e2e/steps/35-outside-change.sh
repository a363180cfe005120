#!/usr/bin/env bash
# Another program replaces tsw.ini atomically (a new file renamed over it, as
# sync tools write) with one shortcut more: within 2 s the window shows it
# (Alt+3 opens it), and a shortcut a second start adds is saved beside it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 35 "a profile replaced by another program shows in the window" "${1:-build-tests}"

for f in alpha beta gamma delta; do make_file "$f.txt"; done
a="$tmp/files/alpha.txt|alpha.txt" b="$tmp/files/beta.txt|beta.txt" c="$tmp/files/gamma.txt|gamma.txt"
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=2 SView=0 "0=$a||" "1=$b||"
start_window
xdotool windowactivate --sync "$win" 2>/dev/null || true

printf '%s\n' '[Tessaflow]' Top=1950 Left=2085 Height=5025 Width=6480 Arrange=2 SView=0 \
  "0=$a||" "1=$b||" "2=$c||" >"$tmp/app/.tsw.ini.incoming"
theirs=$(cat "$tmp/app/.tsw.ini.incoming")
mv "$tmp/app/.tsw.ini.incoming" "$ini"
t0=$(date +%s%N)
# Alt+3 opens the third shortcut once there is one: pressed until it does.
opened() { [[ -s $open_log ]]; }
while ! opened && (($(date +%s%N) - t0 < 2000000000)); do
  xdotool key alt+3
  sleep 0.1
done
shown_ms=$((($(date +%s%N) - t0) / 1000000))
opened || fail "Alt+3 opened nothing within 2 s of the profile being replaced"
[[ $(head -n 1 "$open_log") == "argc=1 [$tmp/files/gamma.txt]" ]] ||
  fail "Alt+3 opened \"$(cat "$open_log")\", not gamma.txt"
# Nothing changed here: their file stays as they wrote it.
[[ $(cat "$ini") == "$theirs" ]] || fail "the merge rewrote a profile it had nothing to add to"
say "gamma.txt shown $shown_ms ms after the profile was replaced"
shot merged

second_status=0
(cd "$tmp/files" && exec timeout 20 "$app" delta.txt) >"$tmp/second.log" 2>&1 || second_status=$?
((second_status == 0)) || fail "the second start ended with status $second_status: $(cat "$tmp/second.log")"
saved() { entries_are "0=$a" "1=$b" "2=$c" "3=$tmp/files/delta.txt|delta.txt"; }
wait_for 5 saved || fail "the profile does not hold their gamma.txt and the added delta.txt: $(entries | tr '\n' ' ')"
kept=$(find "$tmp/app" -maxdepth 1 -name 'tsw.ini.bak*' | wc -l)
((kept == 0)) || fail "a version was kept though nothing was lost: $(ls "$tmp/app")"
ok "the replaced profile's gamma.txt showed in $shown_ms ms; delta.txt from a second start was saved beside it"
step_end
