#!/usr/bin/env bash
# What a screen reader finds of the real launcher over AT-SPI, in a private X
# session with its own session and accessibility buses: the window, the list
# named "Shortcuts" with its count, each shortcut's caption, role and target
# ("missing" for one that is gone), and its actions, of which "Open" opens it;
# what typing finds, and "no match" with the focus on the list; the options
# dialog and its key field; an Add URL refusal as the field's description;
# the Add Applications window, its filter and its rows; the Properties
# window's fields.
# Ends with "N passed, N failed".
#
#   bash tests/e2e/a11y.sh [BUILD_DIR]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
fail() { die "$*"; }
session_start a11y "${1:-build-tests}"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
[[ -x $launcher ]] || die "missing $launcher (run scripts/deps.sh: at-spi2-core)"
"$python" -c 'import pyatspi' 2>/dev/null || die "Debian's python3-pyatspi is needed (run scripts/deps.sh)"

dbus-daemon --session --nofork --print-address=3 3>"$tmp/bus" >"$tmp/bus.log" 2>&1 &
extra_pids+=($!)
wait_for 5 eval '[[ -s $tmp/bus ]]' || die "dbus-daemon did not start: $(cat "$tmp/bus.log")"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$tmp/bus")
"$launcher" --launch-immediately >"$tmp/at-spi.log" 2>&1 &
extra_pids+=($!)

# Two files, one of them gone, and a web address, with stored captions.
mkdir -p "$tmp/files"
echo x >"$tmp/files/report.txt"
printf '[Tessaflow]\r\nHotKey=Ctrl+Alt+K\r\n0=%s|Report|0|0\r\n1=%s|Old notes|0|0\r\n2=https://example.org/|example.org|0|0\r\n' \
  "$tmp/files/report.txt" "$tmp/files/notes.txt" >"$ini"

# One installed application, for the Add Applications window.
mkdir -p "$tmp/share/applications"
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=Stand-in Writer' 'GenericName=Word Processor' \
  'Exec=/bin/true' >"$tmp/share/applications/writer.desktop"
export XDG_DATA_DIRS=$tmp/share

record_opener

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
launch
wait_for 10 started || die "the launcher did not start: $(tail -n 5 "$tmp/tessaflow.log")"
listed() { "$python" "$repo/tests/e2e/atspi.py" "$app_pid" >"$tmp/atspi.out" 2>"$tmp/atspi.err"; }
wait_for 10 listed || true
expected="window: Tessaflow by tessaflow.org - v1.1.0
list: Shortcuts|list|3 shortcuts
item: Report|list item|$tmp/files/report.txt
item: Old notes|list item|$tmp/files/notes.txt / This file or folder is missing.
item: example.org|list item|https://example.org/"
if [[ $(cat "$tmp/atspi.out") == "$expected" ]]; then
  pass
  say "ok - AT-SPI lists the window, the list and its three shortcuts"
else
  failed "AT-SPI gave: $(cat "$tmp/atspi.out" "$tmp/atspi.err")"
fi

# Typing finds shortcuts: the list says how many match, then that none does.
find_window
xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool type --delay 40 rep
described() { listed && grep -qxF "list: Shortcuts|list|$1" "$tmp/atspi.out"; }
# (Icons placed by hand: the others stay in their places, faded.)
if wait_for 10 described "1 of 3 shortcuts match"; then
  pass
  say "ok - typing \"rep\": the list says 1 of 3 shortcuts match"
else
  failed "while typing, AT-SPI gave: $(tr "\n" "#" <"$tmp/atspi.out") $(cat "$tmp/atspi.err")"
fi
# A screen reader reads a new description only of what has its focus: with
# no match left, the list takes it from the shortcut that was current.
"$python" "$repo/tests/e2e/atspi.py" "$app_pid" focus 10 >"$tmp/focus.out" 2>&1 &
focus_watch=$!
wait_for 10 grep -qx ready "$tmp/focus.out" || true
xdotool type --delay 40 zz
if wait_for 10 described "No shortcut matches “repzz”"; then
  pass
  say "ok - no match is told"
else
  failed "with no match, AT-SPI gave: $(cat "$tmp/atspi.out" "$tmp/atspi.err")"
fi
wait "$focus_watch" || true
focus_line=$(grep -v '^ready$' "$tmp/focus.out" || true)
# (Read when the event arrives: after the first or the second "z".)
if [[ $focus_line == "focus: Shortcuts|list|No shortcut matches “repz”" ||
  $focus_line == "focus: Shortcuts|list|No shortcut matches “repzz”" ]]; then
  pass
  say "ok - with no match the list takes the screen reader's focus, and its description is read"
else
  failed "with no match, the focus went to: $focus_line"
fi
xdotool key Escape

# Each shortcut can be opened by its action, first among them (the default),
# and still selected by Toggle.
if wait_for 10 described "3 shortcuts" &&
  "$python" "$repo/tests/e2e/atspi.py" "$app_pid" actions 0 >"$tmp/actions.out" 2>&1 &&
  [[ $(head -n 1 "$tmp/actions.out") == "action: Press|Opens the shortcut" ]] && grep -q '^action: Toggle|' "$tmp/actions.out"; then
  pass
  say "ok - a shortcut's actions are Open and Toggle"
else
  failed "the first shortcut's actions: $(tr "\n" "#" <"$tmp/actions.out")"
fi
opened() { [[ -s $open_log ]]; }
if "$python" "$repo/tests/e2e/atspi.py" "$app_pid" do 0 Press 2>"$tmp/do.err" && wait_for 10 opened &&
  [[ $(cat "$open_log") == "argc=1 [$tmp/files/report.txt]" ]]; then
  pass
  say "ok - its Open action opened $tmp/files/report.txt"
else
  failed "the Open action: $(cat "$tmp/do.err"), the opener got: $(cat "$open_log" 2>/dev/null)"
fi

wait_for 5 find_tray_icon || fail "no tray icon of class tessaflow inside trayer's panel"
# The options dialog: a dialog, and the key field named by its label, with
# the key as its text.
open_options
"$python" "$repo/tests/e2e/atspi.py" "$app_pid" window "Tessaflow - Options" >"$tmp/options.out" 2>&1 || true
if grep -qx "dialog: Tessaflow - Options" "$tmp/options.out" &&
  grep -qE '^text: Show/hide key:\|[^|]*\|Ctrl\+Alt\+K$' "$tmp/options.out" &&
  grep -qx 'push button: Clear the key||' "$tmp/options.out"; then
  pass
  say "ok - the options are a dialog; the key field is named \"Show/hide key:\" and reads Ctrl+Alt+K"
else
  failed "the options dialog over AT-SPI: $(tr '\n' '#' <"$tmp/options.out")"
fi
xdotool key Escape
wait_for 5 gone_titled "$app_pid" "Tessaflow - Options" || fail "the options dialog did not close on Escape"

# An Add URL refusal is the field's description, which is read with it.
open_popup "context menu" mousemove --window "$win" 330 200 click 3
xdotool key a
find_titled 5 "$app_pid" "Tessaflow - Add URL" || fail "no prompt titled \"Tessaflow - Add URL\""
xdotool windowactivate --sync "$found" 2>/dev/null || true
xdotool type --delay 20 'not a url at all'
xdotool key Return
reason="This is not a web address: it has blanks and no scheme such as https://."
refusal_read() {
  "$python" "$repo/tests/e2e/atspi.py" "$app_pid" window "Tessaflow - Add URL" >"$tmp/prompt.out" 2>&1 &&
    grep -qxF "text: Please enter the URL /  / $reason|$reason|not a url at all" "$tmp/prompt.out"
}
if wait_for 10 refusal_read; then
  pass
  say "ok - an Add URL refusal is the field's description, read with the field"
else
  failed "the refused Add URL prompt over AT-SPI: $(tr '\n' '#' <"$tmp/prompt.out")"
fi
xdotool key Escape
wait_for 5 gone_titled "$app_pid" "Tessaflow - Add URL" || fail "the Add URL prompt did not close on Escape"

# The Add Applications window: a dialog whose filter is named by its label,
# and a list of applications named by their names, the kind as description.
open_popup "context menu" mousemove --window "$win" 330 200 click 3
xdotool key c
find_titled 5 "$app_pid" "Tessaflow - Add Applications" || fail "no window titled \"Tessaflow - Add Applications\""
applications_read() {
  "$python" "$repo/tests/e2e/atspi.py" "$app_pid" window "Tessaflow - Add Applications" >"$tmp/apps.out" 2>&1 &&
    grep -qx "dialog: Tessaflow - Add Applications" "$tmp/apps.out" &&
    grep -qE '^text: Find:\|' "$tmp/apps.out" &&
    grep -qE '^list: Applications\|' "$tmp/apps.out" &&
    grep -qE '^list item: Stand-in Writer\|Word Processor\|' "$tmp/apps.out"
}
if wait_for 10 applications_read; then
  pass
  say "ok - Add Applications is a dialog; its filter is named \"Find:\" and each application by its name and kind"
else
  failed "the Add Applications window over AT-SPI: $(tr '\n' '#' <"$tmp/apps.out")"
fi
xdotool key Escape
wait_for 5 gone_titled "$app_pid" "Tessaflow - Add Applications" || fail "the Add Applications window did not close on Escape"

# The Properties window: each field named by its label.
xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool key Home alt+Return
find_titled 5 "$app_pid" "Tessaflow - Properties" || fail "no window titled \"Tessaflow - Properties\""
properties_read() {
  "$python" "$repo/tests/e2e/atspi.py" "$app_pid" window "Tessaflow - Properties" >"$tmp/properties.out" 2>&1 &&
    grep -qx "dialog: Tessaflow - Properties" "$tmp/properties.out" &&
    grep -qE '^text: Caption:\|[^|]*\|Report$' "$tmp/properties.out" &&
    grep -qE "^text: Target:\|[^|]*\|$tmp/files/report.txt\$" "$tmp/properties.out" &&
    grep -qE '^text: Icon:\|' "$tmp/properties.out" &&
    grep -qE '^text: Comment:\|' "$tmp/properties.out" &&
    grep -qE '^push button: Reset the icon to automatic\|' "$tmp/properties.out"
}
if wait_for 10 properties_read; then
  pass
  say "ok - Properties is a dialog; caption, target, icon and comment are named by their labels"
else
  failed "the Properties window over AT-SPI: $(tr '\n' '#' <"$tmp/properties.out")"
fi
xdotool key Escape
wait_for 5 gone_titled "$app_pid" "Tessaflow - Properties" || fail "the Properties window did not close on Escape"

end_by_sigterm

# Groups: the tabs are page tabs named after their groups, the first one
# "Shortcuts" until renamed; Ctrl+PgDown shows the other group's shortcuts.
printf '[Tessaflow]\r\nGroups=|Work\r\n0=%s|Report|0|0\r\n1=https://example.org/|example.org|0|0|group=Work\r\n' \
  "$tmp/files/report.txt" >"$ini"
launch
wait_for 10 started || die "the launcher did not start again: $(tail -n 5 "$tmp/tessaflow.log")"
tabs_read() {
  "$python" "$repo/tests/e2e/atspi.py" "$app_pid" window "Tessaflow by tessaflow.org - v1.1.0" >"$tmp/tabs.out" 2>&1 &&
    grep -qE '^page tab list: ' "$tmp/tabs.out" &&
    grep -qx 'page tab: Shortcuts||' "$tmp/tabs.out" &&
    grep -qx 'page tab: Work||' "$tmp/tabs.out"
}
if wait_for 10 tabs_read; then
  pass
  say "ok - the groups are page tabs \"Shortcuts\" and \"Work\" in a page tab list"
else
  failed "the group tabs over AT-SPI: $(tr '\n' '#' <"$tmp/tabs.out")"
fi
find_window
xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool key ctrl+Next
work_listed() { listed && grep -qxF "item: example.org|list item|https://example.org/" "$tmp/atspi.out" && ! grep -q "item: Report" "$tmp/atspi.out"; }
if wait_for 10 work_listed; then
  pass
  say "ok - Ctrl+PgDown: the list holds the group \"Work\"'s shortcut alone"
else
  failed "after Ctrl+PgDown AT-SPI gave: $(tr '\n' '#' <"$tmp/atspi.out")"
fi
end_by_sigterm
session_end
