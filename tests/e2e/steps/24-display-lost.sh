#!/usr/bin/env bash
# The X server goes away under the running launcher (options dialog open, a
# view chosen in it, the window moved): the profile keeps the shortcuts, the
# window's last frame and the view; the running-copy socket is gone; and a
# start on a new X server runs without a word on standard error.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 24 "the X server goes away" "${1:-build-tests}"

make_file alpha.txt
make_file beta.txt
expected=("0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org" "2=$tmp/files/beta.txt|beta.txt")
write_profile Top=3615 Left=4170 Height=3855 Width=5220 Arrange=1 SView=0 "${expected[0]}|15|15" "${expected[1]}|15|315"
start_window
# A shortcut handed over by a second start: saved as it comes.
timeout 20 "$app" "$tmp/files/beta.txt" >"$tmp/second.log" 2>&1 || fail "the second start failed: $(cat "$tmp/second.log")"
wait_for 5 entries_are "${expected[@]}" || fail "beta.txt was not added: $(entries | tr '\n' ' ')"
# The window brought forward by that start has settled before it is moved.
handled_input
place_window 170 130 460 330
sleep 0.3
frame_at_loss=$(frame_of "$win")
# Small Icons chosen in the dialog, which is still open when the display goes.
open_options
xdotool windowactivate --sync "$found" 2>/dev/null || true
xdotool key alt+v Home Down
sleep 0.3
socket=$(find "$XDG_RUNTIME_DIR" -maxdepth 2 -type s -name 'tessaflow-*' | head -n 1)
[[ -n $socket ]] || fail "no running-copy socket under $XDG_RUNTIME_DIR"
log_from=$(($(wc -l <"$tmp/tessaflow.log") + 1))

kill -KILL "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=''
app_done() { ! alive "$app_pid"; }
wait_for 10 app_done || fail "the launcher is still running 10 s after the X server went away"
app_status=0
wait "$app_pid" || app_status=$?
app_pid=''
((app_status < 128)) || fail "the launcher was killed by signal $((app_status - 128)) when the display went away"
entries_are "${expected[@]}" || fail "shortcuts after the loss: $(entries | tr '\n' ' ')"
read -r fx fy fw fh <<<"$frame_at_loss"
key_is Left $((fx * 15)) && key_is Top $((fy * 15)) && key_is Width $((fw * 15)) && key_is Height $((fh * 15)) ||
  fail "the last frame ($frame_at_loss) was not saved: $(profile | grep -E '^(Top|Left|Width|Height)=' | tr '\n' ' ')"
key_is SView 1 || fail "the view chosen in the open dialog was not saved: $(profile | grep -i '^SView=' || echo none)"
[[ ! -e $socket ]] || fail "the running-copy socket $socket was left behind"
ok "display gone: status $app_status, shortcuts, frame $frame_at_loss and SView=1 saved, socket removed"

# A new X server: the next start goes on quietly where the last one ended.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$tmp/display2" >>"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for 10 eval '[[ -s $tmp/display2 ]]' || fail "the second Xvfb did not start"
export DISPLAY=":$(head -n 1 "$tmp/display2")"
sed -n "$log_from,\$p" "$tmp/tessaflow.log" >"$tmp/loss.log"
log_from=$(($(wc -l <"$tmp/tessaflow.log") + 1))
launch
wait_for 10 started || fail "the launcher did not start on the new X server"
[[ -S $socket ]] || fail "the new start does not listen on $socket"
end_by_sigterm
new_lines=$(sed -n "$log_from,\$p" "$tmp/tessaflow.log")
[[ -z $new_lines ]] || fail "the next start complained: $new_lines"
entries_are "${expected[@]}" || fail "shortcuts after the next start: $(entries | tr '\n' ' ')"
ok "the next start ran and ended quietly (the lost run said: $(tr '\n' ' ' <"$tmp/loss.log"))"
step_end
