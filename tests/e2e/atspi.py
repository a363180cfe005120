#!/usr/bin/python3
"""Lists what a screen reader finds of the running launcher over AT-SPI:
the application, its window, the list named "Shortcuts" and its items.

  atspi.py PID     prints "window: NAME", "list: NAME|ROLE|DESCRIPTION" and
                   one "item: NAME|ROLE|DESCRIPTION" line per shortcut
                   (line breaks in a description shown as " / ")
  atspi.py PID actions N
                   prints the actions of shortcut N (from 0), one
                   "action: NAME|DESCRIPTION" line each, in their order
                   (Qt 6.4 answers no localized names over AT-SPI)
  atspi.py PID do N NAME
                   does shortcut N's action NAME, as a screen reader's
                   user would

  atspi.py PID window TITLE
                   prints the window of that title as "ROLE: NAME", then
                   each control in it that has a name, description or
                   text as "ROLE: NAME|DESCRIPTION|TEXT"
  atspi.py PID focus SECONDS
                   prints "ready", then waits for the first object of
                   process PID that takes a screen reader's focus and
                   prints it as "focus: NAME|ROLE|DESCRIPTION" (status 1
                   when none does within SECONDS)

Runs with Debian's own python3 (python3-pyatspi).
"""
import sys

import pyatspi


def line(kind, node):
    description = node.description.replace('\n', ' / ')
    return '%s: %s|%s|%s' % (kind, node.name, node.getRoleName(), description)


def find_list(node, depth=0):
    if node.getRole() == pyatspi.ROLE_LIST and node.name == 'Shortcuts':
        return node
    if depth > 8:
        return None
    for child in node:
        if child is not None:
            found = find_list(child, depth + 1)
            if found:
                return found
    return None


def item_actions(item):
    action = item.queryAction()
    return [(action.getName(i), action.getDescription(i)) for i in range(action.nActions)]


def wait_for_focus(pid, seconds):
    from gi.repository import GLib
    found = []

    def on_focus(event):
        if event.detail1 != 1 or event.source is None:
            return
        try:
            if event.source.get_process_id() != pid:
                return
        except Exception:
            return
        found.append(line('focus', event.source))
        pyatspi.Registry.stop()

    def give_up():
        pyatspi.Registry.stop()
        return False

    pyatspi.Registry.registerEventListener(on_focus, 'object:state-changed:focused')
    GLib.timeout_add(int(seconds * 1000), give_up)
    # Told once the listener is registered, so the caller acts only then.
    GLib.idle_add(lambda: print('ready', flush=True) and False)
    pyatspi.Registry.start()
    if not found:
        print('no focus change within %s s' % seconds, file=sys.stderr)
        return 1
    print(found[0])
    return 0


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ''


def dump(node, depth=0):
    if depth > 12:
        return
    for child in node:
        if child is None:
            continue
        name, description, text = (value.replace('\n', ' / ') for value in (child.name, child.description, text_of(child)))
        if name or description or text:
            print('%s: %s|%s|%s' % (child.getRoleName(), name, description, text))
        dump(child, depth + 1)


def show_window(pid, title):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.get_process_id() != pid:
            continue
        for window in app:
            if window is not None and window.name == title:
                print('%s: %s' % (window.getRoleName(), window.name))
                dump(window)
                return 0
    print('no window titled %r for process %d' % (title, pid), file=sys.stderr)
    return 1


def main(pid, command=None, row=None, name=None):
    if command == 'focus':
        return wait_for_focus(pid, row)
    if command == 'window':
        return show_window(pid, row)
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.get_process_id() != pid:
            continue
        for window in app:
            if window is None or window.getRole() != pyatspi.ROLE_FRAME:
                continue
            shortcuts = find_list(window)
            if shortcuts is None:
                continue
            if command == 'actions':
                for action in item_actions(shortcuts[row]):
                    print('action: %s|%s' % action)
                return 0
            if command == 'do':
                names = [action[0] for action in item_actions(shortcuts[row])]
                if name not in names:
                    print('shortcut %d has no action %r: %r' % (row, name, names), file=sys.stderr)
                    return 1
                return 0 if shortcuts[row].queryAction().doAction(names.index(name)) else 1
            print('window: %s' % window.name)
            print(line('list', shortcuts))
            for item in shortcuts:
                print(line('item', item))
            return 0
    print('no window with a list named Shortcuts for process %d' % pid, file=sys.stderr)
    return 1


if __name__ == '__main__':
    args = sys.argv[1:]
    third = args[2] if len(args) > 2 else None
    if third is not None and (len(args) < 2 or args[1] != 'window'):
        third = int(third)
    sys.exit(main(int(args[0]), args[1] if len(args) > 1 else None, third, args[3] if len(args) > 3 else None))
