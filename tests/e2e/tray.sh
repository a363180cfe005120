#!/usr/bin/env bash
# The tray coming late and coming back, in a private X session with a private
# session bus: a stand-in StatusNotifierWatcher (snwatcher.py) started after
# the launcher is told of its item, again after it restarts, and its menu
# works as a host draws it (the whole dbusmenu interface, clicks sent as
# EventGroup as libdbusmenu hosts send them, check marks announced as they
# change, Exit at the end); while there is
# no tray at all, minimising leaves the window minimised; a window hidden in
# a tray that goes comes back minimised; an X11 tray started last embeds the
# icon. Ends with "N passed, N failed".
#
#   bash tests/e2e/tray.sh [BUILD_DIR]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
session_start tray "${1:-build-tests}"
python=/usr/bin/python3
snwatcher=$repo/tests/e2e/snwatcher.py
"$python" -c 'import dbus, gi' 2>/dev/null || die "Debian's python3-dbus and python3-gi are needed (run scripts/deps.sh)"

# No X11 tray to begin with: trayer comes last.
stop "$tray_pid"
tray_pid=''
dbus-daemon --session --nofork --print-address=3 3>"$tmp/bus" >"$tmp/bus.log" 2>&1 &
extra_pids+=($!)
wait_for 5 eval '[[ -s $tmp/bus ]]' || die "dbus-daemon did not start: $(cat "$tmp/bus.log")"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$tmp/bus")

watcher_pid=''
start_watcher() {
  : >"$tmp/watcher.log"
  "$python" "$snwatcher" watch "$tmp/watcher.log" 2>>"$tmp/watcher.err" &
  watcher_pid=$!
  extra_pids+=("$watcher_pid")
  wait_for 10 grep -q '^ready$' "$tmp/watcher.log" || die "the stand-in watcher did not start: $(cat "$tmp/watcher.err")"
}
stop_watcher() { stop "$watcher_pid"; watcher_pid=''; }

# WM_STATE of the main window: Normal, Iconic, or nothing once withdrawn (in the tray).
wm_state() { xprop -id "$win" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'; }
state_is() { [[ $(wm_state) == "$1" ]]; }
hidden() { [[ -z $(wm_state) ]] && xwininfo -id "$win" 2>/dev/null | grep -q IsUnMapped; }
registered() { grep -qx "registered $item" "$tmp/watcher.log"; }
# check NAME COMMAND...: one check, counted.
check() {
  local what=$1
  shift
  if "$@"; then pass; say "ok - $what"; else failed "$what"; fi
}

launch
wait_for 10 started || die "the launcher did not start: $(tail -n 5 "$tmp/tessaflow.log")"
find_window
item=org.kde.StatusNotifierItem-$app_pid-1

# 1. Neither a watcher nor an X11 tray: minimised, the window stays reachable.
xdotool windowminimize "$win"
wait_for 5 state_is Iconic || true
sleep 0.3
check "without any tray, minimising leaves the window minimised ($(wm_state))" state_is Iconic
xdotool windowactivate "$win" 2>/dev/null || xdotool windowmap "$win"
wait_for 5 state_is Normal || die "the window did not come back from minimised"

# 2. A watcher that comes after the launcher is told of its item.
start_watcher
check "a watcher started after the launcher got RegisterStatusNotifierItem($item)" wait_for 5 registered
shown=$("$python" "$snwatcher" show "$item" 2>&1 || true)
expected_icon='Id=tessaflow Title=Tessaflow Status=Active ItemIsMenu=False ToolTip=Tessaflow IconPixmap=16x16:1024 22x22:1936 32x32:4096'
check "the item describes itself: $shown" eval '[[ $shown == "$expected_icon"* ]]'

# 3. Minimising hides to that tray; its Activate brings the window back.
xdotool windowminimize "$win"
check "minimising hides the window to the D-Bus tray" wait_for 5 hidden
"$python" "$snwatcher" call "$item" Activate
check "Activate brings the window back" wait_for 5 state_is Normal

# 4. ContextMenu pops up the tray menu.
menu_up() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP || return 0
  done
  return 1
}
"$python" "$snwatcher" call "$item" ContextMenu
check "ContextMenu pops up the tray menu" wait_for 5 menu_up
xdotool key Escape
wait_for 3 eval '! menu_up' || true

# 5. The menu a host draws itself: its whole interface, its entries, a click
# on Start at Login (the check mark follows, and the host is told), Restore.
menu_now() { "$python" "$snwatcher" menu "$item" 2>&1 | tr '\n' '|'; }
click() { "$python" "$snwatcher" click "$item" "$1" 2>>"$tmp/watcher.err"; }
interface=$("$python" "$snwatcher" interface "$item" 2>&1 | tr '\n' ';') || true
check "the menu object lists the whole dbusmenu interface${interface:+: }$interface" eval '[[ -z $interface ]]'
xdotool windowminimize "$win"
wait_for 5 hidden || die "the window was not hidden before the menu"
check "the item offers the tray menu: $(menu_now)" eval '[[ $(menu_now) == "_Restore|[ ] Start at _Login|Earlier _Versions…|-|_Exit|" ]]'
: >"$tmp/updates.log"
"$python" "$snwatcher" listen "$item" "$tmp/updates.log" 2>>"$tmp/watcher.err" &
extra_pids+=($!)
wait_for 10 grep -q '^listening$' "$tmp/updates.log" || die "could not listen to the menu: $(cat "$tmp/watcher.err")"
login_entry=$XDG_CONFIG_HOME/autostart/tessaflow.desktop
check "EventGroup on Start at Login is taken" click 'Start at _Login'
check "Start at Login from that menu writes the login entry" wait_for 5 eval '[[ -f $login_entry ]]'
check "the host is told of the check mark: $(tr '\n' ';' <"$tmp/updates.log")" \
  wait_for 5 grep -qx '2 toggle-state=1' "$tmp/updates.log"
check "the check mark follows: $(menu_now)" eval '[[ $(menu_now) == "_Restore|[x] Start at _Login|Earlier _Versions…|-|_Exit|" ]]'
click 'Start at _Login' || failed "the second EventGroup on Start at Login was refused"
wait_for 5 eval '[[ ! -e $login_entry ]]' || failed "the second click did not remove the login entry"
check "the host is told the mark went" wait_for 5 grep -qx '2 toggle-state=0' "$tmp/updates.log"
check "EventGroup on Restore is taken" click _Restore
check "Restore from that menu brings the window back" wait_for 5 state_is Normal

# 6. The watcher goes while the window is hidden: it comes back (minimised,
# where the window manager honours that).
xdotool windowminimize "$win"
wait_for 5 hidden || die "the window was not hidden before the watcher went"
stop_watcher
check "a window hidden in a tray that went is mapped again" wait_for 5 eval '[[ -n $(wm_state) ]]'

# 7. The watcher comes back: told of the item again, which works as before.
start_watcher
check "a restarted watcher is told of the item again" wait_for 5 registered
xdotool windowactivate "$win" 2>/dev/null || xdotool windowmap "$win"
wait_for 5 state_is Normal || die "the window did not come back from minimised"
xdotool windowminimize "$win"
check "minimising hides to the restarted tray" wait_for 5 hidden
"$python" "$snwatcher" call "$item" Activate
check "its Activate brings the window back" wait_for 5 state_is Normal

# 8. No watcher any more; an X11 tray started last embeds the icon.
stop_watcher
trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 >"$tmp/trayer.log" 2>&1 &
tray_pid=$!
embedded() {
  local w
  for w in $(xdotool search --class '^tessaflow$' 2>/dev/null); do
    [[ $w == "$win" ]] && continue
    xwininfo -id "$w" 2>/dev/null | grep -q IsViewable && xwininfo -tree -id "$w" | grep -q 'Parent window id' &&
      (($(xwininfo -id "$w" | awk '/Width:/ {print $2}') <= 32)) && return 0
  done
  return 1
}
check "an X11 tray started after the watcher went embeds the icon" wait_for 5 embedded
xdotool windowminimize "$win"
check "minimising hides to the X11 tray" wait_for 5 hidden
import -window root "$tmp/tray-late.png" 2>/dev/null || true
[[ -z ${TRAY_SHOT:-} ]] || cp "$tmp/tray-late.png" "$TRAY_SHOT"

# 9. Exit from the menu a host draws (the item stays on the bus while the
# X11 tray shows the icon) ends the launcher.
# Ended: gone, or a zombie not yet reaped.
ended() { [[ $(ps -o stat= -p "$app_pid" 2>/dev/null) == @(Z*|) ]]; }
check "EventGroup on Exit is taken" click _Exit
status=0
wait_for 5 ended || failed "Exit from the tray menu left the launcher running"
kill -TERM "$app_pid" 2>/dev/null || true
wait "$app_pid" || status=$?
app_pid=''
check "Exit from the tray menu ends the launcher with status 0 ($status)" eval '((status == 0))'
check "QtDBus exported every member: $(grep -m 1 'Skipped' "$tmp/tessaflow.log")" \
  eval '! grep -q "Skipped method\|Skipped signal" "$tmp/tessaflow.log"'
session_end
