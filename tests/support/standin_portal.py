#!/usr/bin/python3
"""A stand-in desktop portal for the tests, on the session bus it is given:
org.freedesktop.portal.GlobalShortcuts as the portal offers it (CreateSession,
BindShortcuts, their Request responses, the Activated signal), and
org.tessaflow.StandIn.Press() for the test to press the bound key.

    standin_portal.py LOG [--no-shortcuts]

Each call is written to LOG. With --no-shortcuts the portal is there but has
no GlobalShortcuts interface.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NAME = 'org.freedesktop.portal.Desktop'
PATH = '/org/freedesktop/portal/desktop'
SHORTCUTS = 'org.freedesktop.portal.GlobalShortcuts'

log = open(sys.argv[1], 'a', buffering=1)
with_shortcuts = '--no-shortcuts' not in sys.argv[2:]


def caller_path(kind, sender, token):
    return '%s/%s/%s/%s' % (PATH, kind, sender[1:].replace('.', '_'), token)


class Request(dbus.service.Object):
    @dbus.service.signal('org.freedesktop.portal.Request', signature='ua{sv}')
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    @dbus.service.method('org.freedesktop.portal.Session')
    def Close(self):
        log.write('close %s\n' % self.__dbus_object_path__.rsplit('/', 1)[-1])
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.sessions = []

    def answer(self, path, results):
        request = Request(self.bus, path)

        def respond():
            request.Response(dbus.UInt32(0), dbus.Dictionary(results, signature='sv'))
            request.remove_from_connection()
            return False
        GLib.idle_add(respond)
        return dbus.ObjectPath(path)

    @dbus.service.method('org.tessaflow.StandIn')
    def Press(self):
        self.Activated(dbus.ObjectPath(self.sessions[-1]), 'toggle', dbus.UInt64(0),
                       dbus.Dictionary({'activation_token': 'standin-token'}, signature='sv'))

    @dbus.service.signal(SHORTCUTS, signature='osta{sv}')
    def Activated(self, session, shortcut_id, timestamp, options):
        pass


class ShortcutsPortal(Portal):
    @dbus.service.method(SHORTCUTS, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
    def CreateSession(self, options, sender=None):
        token = str(options['session_handle_token'])
        session = caller_path('session', sender, token)
        Session(self.bus, session)
        self.sessions.append(session)
        log.write('session %s\n' % token)
        return self.answer(caller_path('request', sender, options['handle_token']),
                           {'session_handle': dbus.ObjectPath(session)})

    @dbus.service.method(SHORTCUTS, in_signature='oa(sa{sv})sa{sv}', out_signature='o', sender_keyword='sender')
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender=None):
        for shortcut_id, properties in shortcuts:
            log.write('bind %s %s|%s|%s\n' % (session.rsplit('/', 1)[-1], shortcut_id,
                                              properties.get('preferred_trigger', ''),
                                              properties.get('description', '')))
        return self.answer(caller_path('request', sender, options['handle_token']), {})


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
portal = ShortcutsPortal(bus) if with_shortcuts else Portal(bus)
name = dbus.service.BusName(NAME, bus)
log.write('ready\n')
GLib.MainLoop().run()
