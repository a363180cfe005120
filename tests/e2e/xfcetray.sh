#!/usr/bin/env bash
# The tray menu in a real panel: xfce4-panel with its systray plugin (its own
# StatusNotifierWatcher, menus drawn by libdbusmenu-gtk3, clicks sent as
# EventGroup) under xfwm4, in a private X session with a private session bus
# and private XDG folders. The icon is right-clicked with the pointer, the
# panel's menu is driven with the keyboard (GTK menus give no positions of
# their entries): Start at Login writes the login entry, Restore brings back
# the window hidden in the panel, Exit ends the launcher with status 0.
# Skipped (status 77) when xfce4-panel or xfwm4 is not installed: they are
# not among the suite's required packages. Ends with "N passed, N failed".
#
#   bash tests/e2e/xfcetray.sh [BUILD_DIR]
set -euo pipefail
for tool in xfce4-panel xfwm4 dbus-daemon; do
  command -v "$tool" >/dev/null 2>&1 || { echo "xfcetray: skipped, $tool is not installed"; exit 77; }
done
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
session_start xfcetray "${1:-build-tests}"

# within SECONDS COMMAND...: as wait_for, but by the clock: on a busy
# machine each look at a window is slow, and a count of tries waits minutes.
within() {
  local end=$((${EPOCHREALTIME/./} + $1 * 1000000))
  shift
  until "$@"; do
    ((${EPOCHREALTIME/./} < end)) || return 1
    sleep 0.05
  done
}
# xfwm4 and the panel instead of openbox and trayer.
xfce_session_bus

# A panel along the top holding only the tray.
channel=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
mkdir -p "$channel"
cat >"$channel/xfce4-panel.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="30"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
EOF

bus_get() { gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus --method "$@" 2>/dev/null; }
# pid_of NAME: the process that owns a bus name (services the bus started itself).
pid_of() { bus_get org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | sed -n 's/^(uint32 \([0-9]*\),)$/\1/p'; }
watcher_get() {
  gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
    --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1" 2>/dev/null
}
xfwm4 --compositor=off >"$tmp/xfwm4.log" 2>&1 &
wm_pid=$!
wm_is_xfwm4() {
  local id
  id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '{print $NF}')
  [[ -n $id ]] && xprop -id "$id" _NET_WM_NAME 2>/dev/null | grep -qi xfwm4
}
within 10 wm_is_xfwm4 || die "xfwm4 did not start: $(tail -n 5 "$tmp/xfwm4.log")"
xfce4-panel >"$tmp/panel.log" 2>&1 &
panel_pid=$!
extra_pids+=("$panel_pid")
within 20 eval 'watcher_get IsStatusNotifierHostRegistered | grep -q true' ||
  die "xfce4-panel's tray did not come up: $(tail -n 5 "$tmp/panel.log")"
# The tray plugin runs in a wrapper process, the settings in xfconfd: both ours to stop.
for service in org.kde.StatusNotifierWatcher org.xfce.Xfconf; do
  pid=$(pid_of "$service")
  [[ -z $pid ]] || extra_pids+=("$pid")
done
menu_pid=$(pid_of org.kde.StatusNotifierWatcher)

check() {
  local what=$1
  shift
  if "$@"; then pass; say "ok - $what"; else failed "$what"; fi
}
wm_state() { xprop -id "$win" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'; }
state_is() { [[ $(wm_state) == "$1" ]]; }
hidden() { xwininfo -id "$win" 2>/dev/null | grep -q IsUnMapped; }
# The panel's pop-up menu: a viewable pop-up menu window of the tray plugin.
menu_up() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$menu_pid" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_POPUP_MENU && return 0
  done
  return 1
}
# choose N: right-clicks the icon, then picks the menu's N-th entry (the
# separator not counted) with the keyboard.
choose() {
  local n=$1
  within 3 eval '! menu_up' || true
  xdotool mousemove --window "$panel" 12 15 click 3
  # Unseen, a menu may still be up and hold the pointer and keyboard.
  within 5 menu_up || { xdotool key Escape; return 1; }
  sleep 0.2 # GTK takes keys once the menu has grabbed the keyboard
  xdotool key --repeat "$n" --delay 50 Down
  xdotool key Return
}

launch
within 10 started || die "the launcher did not start: $(tail -n 5 "$tmp/tessaflow.log")"
find_window
item=org.kde.StatusNotifierItem-$app_pid-1
check "the panel lists the launcher's item" within 10 eval 'watcher_get RegisteredStatusNotifierItems | grep -q "$item"'
panel=$(xdotool search --onlyvisible --pid "$panel_pid" 2>/dev/null | head -n 1)
[[ -n $panel ]] || die "no panel window"

login_entry=$XDG_CONFIG_HOME/autostart/tessaflow.desktop
check "the panel's menu opens on a right click" choose 2
check "Start at Login from the panel's menu writes the login entry" within 5 eval '[[ -f $login_entry ]]'

xdotool windowminimize "$win"
check "minimising hides the window to the panel" within 5 hidden
choose 1 || failed "the panel's menu did not open again"
check "Restore from the panel's menu brings the window back" within 5 state_is Normal
timeout 5 import -window root "$tmp/xfce-tray.png" 2>/dev/null || true

# Restore, Start at Login, Earlier Versions, then (past the line) Exit.
choose 4 || failed "the panel's menu did not open for Exit"
ended() { [[ $(ps -o stat= -p "$app_pid" 2>/dev/null) == @(Z*|) ]]; }
if within 5 ended; then
  status=0
  wait "$app_pid" || status=$?
  app_pid=''
  check "Exit from the panel's menu ends the launcher with status 0 ($status)" eval '((status == 0))'
else
  failed "Exit from the panel's menu left the launcher running"
fi
session_end
