#!/usr/bin/python3
"""A stand-in desktop portal for the tests, on the session bus it is given:
org.freedesktop.portal.GlobalShortcuts as the portal offers it (CreateSession,
BindShortcuts, ListShortcuts, their Request responses, the Activated and
ShortcutsChanged signals), and org.tessaflow.StandIn for the test to act as
the user: Press() presses the bound key, Choose(trigger) picks a key in the
desktop's settings.

    standin_portal.py LOG [--no-shortcuts] [--user-chooses]

Each call is written to LOG. With --no-shortcuts the portal is there but has
no GlobalShortcuts interface. By default BindShortcuts binds the preferred
trigger and answers with it; with --user-chooses it answers with an empty
list, as a desktop does that ignores the preferred trigger and lets the user
choose in its settings: the choice is kept per session token, across
sessions, and ListShortcuts reports it.
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
user_chooses = '--user-chooses' in sys.argv[2:]


def described(trigger):
    """'CTRL+ALT+k' as a desktop would show it: 'Ctrl+Alt+K'."""
    names = {'CTRL': 'Ctrl', 'ALT': 'Alt', 'SHIFT': 'Shift', 'LOGO': 'Meta'}
    return '+'.join(names.get(part, part.capitalize()) for part in trigger.split('+'))


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
        # session path -> {shortcut id: trigger description}
        self.bound = {}
        # session token -> {shortcut id: trigger description the user chose}
        self.chosen = {}

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

    @dbus.service.method('org.tessaflow.StandIn', in_signature='s')
    def Choose(self, trigger):
        session = self.sessions[-1]
        token = session.rsplit('/', 1)[-1]
        for shortcut_id in self.bound.get(session, {}):
            self.chosen.setdefault(token, {})[shortcut_id] = trigger
            self.bound[session][shortcut_id] = trigger
        log.write('chose %s %s\n' % (token, trigger))
        self.ShortcutsChanged(dbus.ObjectPath(session), self.listed(session))

    def listed(self, session):
        return dbus.Array([(shortcut_id, dbus.Dictionary({'trigger_description': trigger}, signature='sv'))
                           for shortcut_id, trigger in self.bound.get(session, {}).items()],
                          signature='(sa{sv})')

    @dbus.service.signal(SHORTCUTS, signature='osta{sv}')
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.signal(SHORTCUTS, signature='oa(sa{sv})')
    def ShortcutsChanged(self, session, shortcuts):
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
        token = session.rsplit('/', 1)[-1]
        self.bound[session] = {}
        for shortcut_id, properties in shortcuts:
            log.write('bind %s %s|%s|%s\n' % (token, shortcut_id,
                                              properties.get('preferred_trigger', ''),
                                              properties.get('description', '')))
            if user_chooses:
                self.bound[session][str(shortcut_id)] = self.chosen.get(token, {}).get(str(shortcut_id), '')
            else:
                self.bound[session][str(shortcut_id)] = described(str(properties.get('preferred_trigger', '')))
        answered = dbus.Array([], signature='(sa{sv})') if user_chooses else self.listed(session)
        return self.answer(caller_path('request', sender, options['handle_token']), {'shortcuts': answered})

    @dbus.service.method(SHORTCUTS, in_signature='oa{sv}', out_signature='o', sender_keyword='sender')
    def ListShortcuts(self, session, options, sender=None):
        log.write('list %s\n' % session.rsplit('/', 1)[-1])
        return self.answer(caller_path('request', sender, options['handle_token']),
                           {'shortcuts': self.listed(session)})


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
portal = ShortcutsPortal(bus) if with_shortcuts else Portal(bus)
name = dbus.service.BusName(NAME, bus)
log.write('ready\n')
GLib.MainLoop().run()
