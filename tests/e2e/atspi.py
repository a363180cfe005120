#!/usr/bin/python3
"""Lists what a screen reader finds of the running launcher over AT-SPI:
the application, its window, the list named "Shortcuts" and its items.

  atspi.py PID     prints "window: NAME", "list: NAME|ROLE|DESCRIPTION" and
                   one "item: NAME|ROLE|DESCRIPTION" line per shortcut
                   (line breaks in a description shown as " / ")

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


def main(pid):
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
            print('window: %s' % window.name)
            print(line('list', shortcuts))
            for item in shortcuts:
                print(line('item', item))
            return 0
    print('no window with a list named Shortcuts for process %d' % pid, file=sys.stderr)
    return 1


if __name__ == '__main__':
    sys.exit(main(int(sys.argv[1])))
