#!/usr/bin/env bash
# "Show in Folder" asks the desktop's file manager (a stand-in on a private
# session bus) to show the shortcut's file selected, by its URI; for a web
# address the item is greyed out and nothing is asked.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 26 "show a shortcut's file in the file manager" "${1:-build-tests}"

# A session bus that activates nothing: no file manager installed here answers.
cat >"$tmp/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:dir=$tmp</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
CONF
dbus-daemon --config-file="$tmp/bus.conf" --nofork --nopidfile --print-address=3 3>"$tmp/bus" >"$tmp/bus.log" 2>&1 &
extra_pids+=($!)
wait_for 5 eval '[[ -s $tmp/bus ]]' || fail "dbus-daemon did not start: $(cat "$tmp/bus.log")"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$tmp/bus")
/usr/bin/python3 "$repo/tests/support/standin_filemanager.py" "$tmp/filemanager.log" 2>"$tmp/filemanager.err" &
extra_pids+=($!)
has_file_manager() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.FileManager1 2>/dev/null | grep -q 'boolean true'
}
wait_for 10 has_file_manager || fail "the stand-in file manager did not start: $(cat "$tmp/filemanager.err")"

make_file "report 1%.txt"
write_profile Arrange=0 SView=0 "0=$tmp/files/report 1%.txt|report|15|0" "1=http://example.org|example.org|1215|0"
start_window
uri=$(/usr/bin/python3 -c 'import pathlib, sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$tmp/files/report 1%.txt")

icon_point 0
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
open_popup "context menu" click 3
shot menu
xdotool key h
shown() { grep -qxF "ShowItems $uri|" "$tmp/filemanager.log" 2>/dev/null; }
wait_for 5 shown || fail "the file manager was asked: $(cat "$tmp/filemanager.log" 2>/dev/null) (expected $uri)"

# A web address: the item is greyed out, its key does nothing.
icon_point 1
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
open_popup "context menu" click 3
xdotool key h Escape
wait_for 3 no_popup || fail "the context menu did not close on Escape"
handled_input
(($(wc -l <"$tmp/filemanager.log") == 1)) || fail "the file manager was asked more than once: $(cat "$tmp/filemanager.log")"
ok "the file manager was asked to show $uri; nothing for a web address"
step_end
