#!/usr/bin/python3
"""A stand-in desktop portal for the tests, on the session bus it is given:
org.freedesktop.portal.GlobalShortcuts as the portal offers it (CreateSession,
BindShortcuts, ListShortcuts, their Request responses, the Activated and
ShortcutsChanged signals, Request.Close and Session.Close), and
org.tessaflow.StandIn for the test to act as the user: Press() presses the
bound key, Choose(trigger) picks a key in the desktop's settings; and as a
portal that hangs: Mute(true) leaves every later request unanswered, until
Mute(false) answers those not closed since.

As the real portal does: a session may bind its shortcuts again (the new list
replaces the old), a second session of one token is refused while the first
is open, a call on a session that is not open is refused, a closed Request
never answers, and the sessions of a caller that leaves the bus are closed.

    standin_portal.py LOG [--no-shortcuts] [--user-chooses]

Each call is written to LOG. With --no-shortcuts the portal is there but has
no GlobalShortcuts interface. By default BindShortcuts binds the preferred
trigger and answers with it; with --user-chooses it answers with an empty
list, as a desktop does that ignores the preferred trigger and lets the user
choose in its settings: the choice is kept per session token, across
sessions and restarts of the stand-in (in LOG.chosen, as the desktop keeps it
apart from the portal), and ListShortcuts reports it.
"""
import json
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


chosen_file = sys.argv[1] + '.chosen'


def load_chosen():
    try:
        with open(chosen_file) as f:
            return json.load(f)
    except (OSError, ValueError):
        return {}


def token_of(path):
    return str(path).rsplit('/', 1)[-1]


class Request(dbus.service.Object):
    def __init__(self, portal, path, results):
        super().__init__(portal.bus, path)
        self.portal = portal
        self.results = results
        self.source = None
        if portal.muted:
            portal.held.append(self)
        else:
            self.release()

    def release(self):
        self.source = GLib.idle_add(self.respond)

    def respond(self):
        self.source = None
        self.Response(dbus.UInt32(0), dbus.Dictionary(self.results, signature='sv'))
        self.remove_from_connection()
        return False

    @dbus.service.method('org.freedesktop.portal.Request')
    def Close(self):
        log.write('abandon %s\n' % token_of(self.__dbus_object_path__))
        if self.source is not None:
            GLib.source_remove(self.source)
        if self in self.portal.held:
            self.portal.held.remove(self)
        self.remove_from_connection()

    @dbus.service.signal('org.freedesktop.portal.Request', signature='ua{sv}')
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    def __init__(self, portal, path, sender):
        super().__init__(portal.bus, path)
        self.portal = portal
        self.sender = sender

    def end(self, how):
        log.write('%s %s\n' % (how, token_of(self.__dbus_object_path__)))
        self.portal.sessions.pop(self.__dbus_object_path__, None)
        self.portal.bound.pop(self.__dbus_object_path__, None)
        self.remove_from_connection()

    @dbus.service.method('org.freedesktop.portal.Session')
    def Close(self):
        self.end('close')


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.muted = False
        # requests left unanswered while muted
        self.held = []
        # session path -> Session, in the order opened
        self.sessions = {}
        # session path -> {shortcut id: trigger description}
        self.bound = {}
        # session token -> {shortcut id: trigger description the user chose}
        self.chosen = load_chosen()
        bus.add_signal_receiver(self.owner_changed, 'NameOwnerChanged', 'org.freedesktop.DBus')

    def owner_changed(self, name, old, new):
        if old and not new:
            for session in [s for s in self.sessions.values() if s.sender == name]:
                session.end('dropped')

    def answer(self, path, results):
        Request(self, path, results)
        return dbus.ObjectPath(path)

    def open_session(self, path):
        if path not in self.sessions:
            raise dbus.exceptions.DBusException('Invalid session', name='org.freedesktop.DBus.Error.AccessDenied')
        return path

    def latest(self):
        if not self.sessions:
            raise dbus.exceptions.DBusException('No session is open', name='org.tessaflow.StandIn.NoSession')
        return list(self.sessions)[-1]

    @dbus.service.method('org.tessaflow.StandIn')
    def Press(self):
        self.Activated(dbus.ObjectPath(self.latest()), 'toggle', dbus.UInt64(0),
                       dbus.Dictionary({'activation_token': 'standin-token'}, signature='sv'))

    @dbus.service.method('org.tessaflow.StandIn', in_signature='b')
    def Mute(self, muted):
        self.muted = bool(muted)
        if not self.muted:
            for request in self.held:
                request.release()
            self.held = []

    @dbus.service.method('org.tessaflow.StandIn', in_signature='s')
    def Choose(self, trigger):
        session = self.latest()
        token = token_of(session)
        for shortcut_id in self.bound.get(session, {}):
            self.chosen.setdefault(token, {})[shortcut_id] = str(trigger)
            self.bound[session][shortcut_id] = str(trigger)
        with open(chosen_file, 'w') as f:
            json.dump(self.chosen, f)
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
        self.sessions[session] = Session(self, session, sender)
        log.write('session %s\n' % token)
        return self.answer(caller_path('request', sender, options['handle_token']),
                           {'session_handle': dbus.ObjectPath(session)})

    @dbus.service.method(SHORTCUTS, in_signature='oa(sa{sv})sa{sv}', out_signature='o', sender_keyword='sender')
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender=None):
        token = token_of(self.open_session(session))
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
        log.write('list %s\n' % token_of(self.open_session(session)))
        return self.answer(caller_path('request', sender, options['handle_token']),
                           {'shortcuts': self.listed(session)})


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
portal = ShortcutsPortal(bus) if with_shortcuts else Portal(bus)
name = dbus.service.BusName(NAME, bus)
log.write('ready\n')
GLib.MainLoop().run()
