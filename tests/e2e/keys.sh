#!/usr/bin/env bash
# The keyboard way in, on the real launcher in an X session: the show/hide
# key from the profile brings the window from the tray and sends it back,
# with Num Lock off and on; `tessaflow --toggle` does the same through the
# running copy; typing finds a shortcut and Enter opens the best match;
# Alt+2 opens the second; Escape hides; a key that another X client holds is
# reported and the launcher still runs; a keyboard layout change keeps the
# key on its name.
#
#   bash tests/e2e/keys.sh [BUILD_DIR]
#
# Screenshots go to $E2E_SHOTS (default BUILD_DIR/e2e-shots), as keys-*.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
session_start keys "${1:-build-tests}"

holder_bin=""
for candidate in "${1:-build-tests}/tests/e2e/tessaflow_keyholder" "$repo/${1:-build-tests}/tests/e2e/tessaflow_keyholder"; do
  [[ -x $candidate ]] && holder_bin=$candidate
done
[[ -x $holder_bin ]] || die "no tessaflow_keyholder in the build folder"
shots=${E2E_SHOTS:-${1:-build-tests}/e2e-shots}
mkdir -p "$shots"
holder_pid=''
trap 'status=$?; stop "$holder_pid"; (exit $status); session_cleanup' EXIT

# The desktop opener: one line per call.
mkdir -p "$tmp/bin" "$tmp/files"
cat >"$tmp/bin/xdg-open" <<EOF2
#!/bin/sh
printf '%s\n' "\$*" >>$(printf '%q' "$tmp/opened.log")
EOF2
chmod +x "$tmp/bin/xdg-open"
export PATH=$tmp/bin:$PATH
: >"$tmp/opened.log"

files=("budget.ods" "my report.txt" "notes.md" "report 2024.pdf")
{
  printf '[Tessaflow]\r\nArrange=1\r\nSView=0\r\nHotKey=Ctrl+Alt+K\r\n'
  for i in "${!files[@]}"; do
    touch "$tmp/files/${files[i]}"
    printf '%d=%s|%s|0|0\r\n' "$i" "$tmp/files/${files[i]}" "${files[i]}"
  done
} >"$ini"

shot() { import -window root "$shots/keys-$1.png" 2>/dev/null || true; }
check() { # check WHAT COMMAND...
  local what=$1
  shift
  if wait_for 3 "$@"; then pass; else failed "$what"; shot "failed-$passed"; fi
}
mapped() { xwininfo -id "$win" 2>/dev/null | grep -q 'Map State: IsViewable'; }
hidden() { ! mapped; }
# The window manager's active window, and the launcher has taken the focus
# (the keys that follow must reach it, not whatever had it before).
active() { mapped && [[ $(xdotool getactivewindow 2>/dev/null) == "$win" ]] && sleep 0.2; }
opened() { grep -qxF "$1" "$tmp/opened.log"; }
key() { xdotool key "$@"; }

launch
wait_for 10 started || die "the launcher did not start: $(tail -n 5 "$tmp/tessaflow.log")"
find_window
xdotool windowactivate "$win" 2>/dev/null || true
check "the window is active at start" active

for lock in off on; do
  [[ $lock == on ]] && xdotool key Num_Lock
  key ctrl+alt+k
  check "Num Lock $lock: the key sends the active window to the tray" hidden
  key ctrl+alt+k
  check "Num Lock $lock: the key brings it back from the tray, active" active
  [[ $lock == on ]] && xdotool key Num_Lock
done

"$app" --toggle >>"$tmp/tessaflow.log" 2>&1 || failed "--toggle ended with status $?"
check "--toggle hides the active window" hidden
"$app" --toggle >>"$tmp/tessaflow.log" 2>&1 || failed "--toggle ended with status $?"
check "--toggle shows it again, active" active

xdotool type --delay 40 rep
sleep 0.3
shot typed-rep
key Return
check "rep then Enter opens the best match" opened "$tmp/files/report 2024.pdf"
check "shown by --toggle, it goes away once a shortcut is open" hidden

key ctrl+alt+k
check "the key shows it for Alt+2" active
key alt+2
check "Alt+2 opens the second shortcut" opened "$tmp/files/my report.txt"
check "and it goes away again" hidden

key ctrl+alt+k
check "the key shows it for Escape" active
key Escape
check "Escape with nothing typed hides it" hidden

# Called by the key, it goes when another window takes the focus; brought
# back by a second start, it stays.
other_bin=$build/tests/e2e/tessaflow_droptarget
"$other_bin" --timeout 120 >"$tmp/other.log" 2>&1 &
other_pid=$!
wait_for 10 eval '[[ -n $(xdotool search --onlyvisible --name "^Tessaflow drop target$" 2>/dev/null) ]]' ||
  die "the other window did not start: $(cat "$tmp/other.log")"
other=$(xdotool search --onlyvisible --name '^Tessaflow drop target$' | head -n 1)
other_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$other" ]]; }
xdotool windowactivate "$other" 2>/dev/null || true
wait_for 5 other_active || failed "the other window did not take the focus at start"
key ctrl+alt+k
check "the key shows it over the other window" active
xdotool windowactivate "$other" 2>/dev/null || true
check "called by the key, it goes away when another window takes the focus" hidden
"$app" >>"$tmp/tessaflow.log" 2>&1 || failed "a second start ended with status $?"
check "a second start brings it back" active
xdotool windowactivate "$other" 2>/dev/null || true
wait_for 3 other_active || failed "the other window did not take the focus"
check "brought back by a second start, it stays when another window takes the focus" mapped
stop "$other_pid"

stop "$app_pid"
app_pid=''
check "the key is kept in the profile" grep -q $'^HotKey=Ctrl+Alt+K\r$' "$ini"

# A layout change keeps the key on its name: under a German layout Z sits
# where Y was, and Ctrl+Alt+Z must follow it.
sed -i 's/^HotKey=.*/HotKey=Ctrl+Alt+Z\r/' "$ini"
setxkbmap us
mv "$tmp/tessaflow.log" "$tmp/tessaflow-us.log"
launch
wait_for 10 started || die "the launcher did not start for the layout change: $(tail -n 5 "$tmp/tessaflow.log")"
find_window
xdotool windowactivate "$win" 2>/dev/null || true
check "US layout: the window is active" active
key ctrl+alt+z
check "US layout: Ctrl+Alt+Z sends it away" hidden
setxkbmap de
sleep 0.3
key ctrl+alt+z
check "German layout: Ctrl+Alt+Z still brings it back" active
key ctrl+alt+z
check "German layout: and sends it away" hidden
setxkbmap us
stop "$app_pid"
app_pid=''
mv "$tmp/tessaflow.log" "$tmp/tessaflow-layout.log"

# Another client holds Ctrl+Alt+J: the launcher says so and runs on.
"$holder_bin" >"$tmp/holder.log" 2>&1 &
holder_pid=$!
wait_for 5 grep -q held "$tmp/holder.log" || die "the key holder did not start: $(cat "$tmp/holder.log")"
sed -i 's/^HotKey=.*/HotKey=Ctrl+Alt+J\r/' "$ini"
launch
wait_for 10 started || die "the launcher did not start with a held key: $(tail -n 5 "$tmp/tessaflow.log")"
check "a held key is reported on standard error" \
  grep -qF 'Ctrl+Alt+J is already used by another program, so it cannot show and hide Tessaflow.' "$tmp/tessaflow.log"
check "the launcher runs on" alive "$app_pid"
check "the report is made once" test "$(grep -c 'already used' "$tmp/tessaflow.log")" -eq 1
shot held-key
stop "$app_pid"
app_pid=''

session_end
