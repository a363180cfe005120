#!/usr/bin/python3
"""A stand-in file manager for the tests: org.freedesktop.FileManager1 on the
session bus it is given, as the file managers of the common desktops offer
it. Each ShowItems call is written to LOG as "ShowItems URI ...|STARTUP_ID".

    standin_filemanager.py LOG
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

INTERFACE = 'org.freedesktop.FileManager1'

log = open(sys.argv[1], 'a', buffering=1)


class FileManager(dbus.service.Object):
    @dbus.service.method(INTERFACE, in_signature='ass', out_signature='')
    def ShowItems(self, uris, startup_id):
        log.write('ShowItems %s|%s\n' % (' '.join(uris), startup_id))

    @dbus.service.method(INTERFACE, in_signature='ass', out_signature='')
    def ShowFolders(self, uris, startup_id):
        log.write('ShowFolders %s|%s\n' % (' '.join(uris), startup_id))


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
# The object first, then the name: whoever sees the name finds the object.
manager = FileManager(bus, '/org/freedesktop/FileManager1')
name = dbus.service.BusName(INTERFACE, bus)
GLib.MainLoop().run()
