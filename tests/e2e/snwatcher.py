#!/usr/bin/python3
"""A stand-in StatusNotifierWatcher and a look at the items it was told of.

  snwatcher.py watch LOG           serve org.kde.StatusNotifierWatcher on the
                                   session bus; each RegisterStatusNotifierItem
                                   is written to LOG as "registered NAME"
  snwatcher.py show NAME           print the item's Id, Title, Status,
                                   ItemIsMenu and the sizes of its IconPixmap
  snwatcher.py call NAME METHOD    call Activate, SecondaryActivate or
                                   ContextMenu at 0,0
  snwatcher.py menu NAME           as a host shows the item's menu: AboutToShowGroup,
                                   then one line per entry of GetLayout
                                   ("-" for a separator, "[x]"/"[ ]" for checks)
  snwatcher.py click NAME LABEL    as libdbusmenu hosts (xfce4-panel, waybar)
                                   click: EventGroup with "clicked" for the
                                   entry labelled LABEL; fails on id errors
  snwatcher.py listen NAME LOG     write each ItemsPropertiesUpdated of the
                                   item's menu to LOG, one line per entry:
                                   "ID key=value …" (sorted keys)
  snwatcher.py interface NAME      check that the menu object's introspection
                                   lists every method, signal and property of
                                   com.canonical.dbusmenu with its types;
                                   prints what is missing or wrong

Runs with Debian's own python3 (python3-dbus, python3-gi).
"""
import sys
import xml.etree.ElementTree as ElementTree

import dbus
import dbus.service

WATCHER = 'org.kde.StatusNotifierWatcher'
ITEM = 'org.kde.StatusNotifierItem'
MENU = 'com.canonical.dbusmenu'
# The menu interface as hosts call it: (kind, name) -> argument types.
MENU_MEMBERS = {
    ('method', 'GetLayout'): 'in i,in i,in as,out u,out (ia{sv}av)',
    ('method', 'GetGroupProperties'): 'in ai,in as,out a(ia{sv})',
    ('method', 'GetProperty'): 'in i,in s,out v',
    ('method', 'Event'): 'in i,in s,in v,in u',
    ('method', 'EventGroup'): 'in a(isvu),out ai',
    ('method', 'AboutToShow'): 'in i,out b',
    ('method', 'AboutToShowGroup'): 'in ai,out ai,out ai',
    ('signal', 'ItemsPropertiesUpdated'): 'a(ia{sv}),a(ias)',
    ('signal', 'LayoutUpdated'): 'u,i',
    ('signal', 'ItemActivationRequested'): 'i,u',
    ('property', 'Version'): 'u',
    ('property', 'TextDirection'): 's',
    ('property', 'Status'): 's',
    ('property', 'IconThemePath'): 'as',
}
INTROSPECTION = """<node><interface name="org.kde.StatusNotifierWatcher">
<method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
<signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
</interface>
<interface name="org.freedesktop.DBus.Properties">
<method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
<method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
</interface></node>"""


def watch(log):
    import dbus.mainloop.glib
    from gi.repository import GLib
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()

    class Watcher(dbus.service.Object):
        items = []

        @dbus.service.method(WATCHER, in_signature='s', sender_keyword='sender')
        def RegisterStatusNotifierItem(self, service, sender=None):
            name = service if not service.startswith('/') else sender + service
            self.items.append(name)
            with open(log, 'a') as out:
                out.write('registered %s\n' % name)
            self.StatusNotifierItemRegistered(name)

        @dbus.service.method(WATCHER, in_signature='s')
        def RegisterStatusNotifierHost(self, service):
            pass

        @dbus.service.signal(WATCHER, signature='s')
        def StatusNotifierItemRegistered(self, name):
            pass

        @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ss', out_signature='v')
        def Get(self, interface, name):
            return self.GetAll(interface)[name]

        @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='s', out_signature='a{sv}')
        def GetAll(self, interface):
            return {'IsStatusNotifierHostRegistered': dbus.Boolean(True),
                    'ProtocolVersion': dbus.Int32(0),
                    'RegisteredStatusNotifierItems': dbus.Array(self.items, signature='s')}

        @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature='s')
        def Introspect(self):
            return INTROSPECTION

    watcher = Watcher(bus, '/StatusNotifierWatcher')
    name = dbus.service.BusName(WATCHER, bus)
    with open(log, 'a') as out:
        out.write('ready\n')
    GLib.MainLoop().run()


def item(name):
    bus = dbus.SessionBus()
    return bus.get_object(name, '/StatusNotifierItem')


def show(name):
    props = item(name).GetAll(ITEM, dbus_interface=dbus.PROPERTIES_IFACE)
    sizes = ' '.join('%dx%d:%d' % (w, h, len(data)) for w, h, data in props['IconPixmap'])
    tip = props['ToolTip']
    print('Id=%s Title=%s Status=%s ItemIsMenu=%s ToolTip=%s IconPixmap=%s'
          % (props['Id'], props['Title'], props['Status'], bool(props['ItemIsMenu']), tip[2], sizes))


def call(name, method):
    getattr(item(name), method)(dbus.Int32(0), dbus.Int32(0), dbus_interface=ITEM)


def menu_object(name):
    path = item(name).Get(ITEM, 'Menu', dbus_interface=dbus.PROPERTIES_IFACE)
    return dbus.SessionBus().get_object(name, path)


def entries(name):
    menu = menu_object(name)
    # xfce4-panel asks this way before it draws the menu.
    menu.AboutToShowGroup(dbus.Array([dbus.Int32(0)], signature='i'), dbus_interface=MENU)
    revision, (root, props, children) = menu.GetLayout(0, -1, dbus.Array([], signature='s'), dbus_interface=MENU)
    return menu, [(int(c[0]), dict(c[1])) for c in children]


def show_menu(name):
    for _, props in entries(name)[1]:
        if props.get('type') == 'separator':
            print('-')
            continue
        check = ''
        if props.get('toggle-type') == 'checkmark':
            check = '[x] ' if props.get('toggle-state') == 1 else '[ ] '
        print(check + props.get('label', ''))


def click(name, label):
    menu, found = entries(name)
    for entry_id, props in found:
        if props.get('label') == label:
            # libdbusmenu-gtk3 sends every click as a group of one and never
            # falls back to Event.
            events = dbus.Array([dbus.Struct((dbus.Int32(entry_id), 'clicked', dbus.Int32(0, variant_level=1),
                                              dbus.UInt32(0)))], signature='(isvu)')
            errors = menu.EventGroup(events, dbus_interface=MENU)
            if errors:
                sys.exit('EventGroup named unknown ids: %s' % list(errors))
            return
    sys.exit('no entry labelled %s' % label)


def listen(name, log):
    import dbus.mainloop.glib
    from gi.repository import GLib
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)

    def updated(changed, removed):
        with open(log, 'a') as out:
            for entry_id, props in changed:
                out.write('%d %s\n' % (entry_id, ' '.join('%s=%s' % (k, props[k]) for k in sorted(props))))
    menu = menu_object(name)
    menu.connect_to_signal('ItemsPropertiesUpdated', updated, dbus_interface=MENU)
    with open(log, 'a') as out:
        out.write('listening\n')
    GLib.MainLoop().run()


def check_interface(name):
    xml = menu_object(name).Introspect(dbus_interface=dbus.INTROSPECTABLE_IFACE)
    found = {}
    for interface in ElementTree.fromstring(xml).iter('interface'):
        if interface.get('name') != MENU:
            continue
        for member in interface:
            if member.tag == 'property':
                found[('property', member.get('name'))] = member.get('type')
                continue
            # Ins before outs, each in order (introspection may interleave them).
            args = {'in': [], 'out': [], '': []}
            for arg in member.iter('arg'):
                direction = '' if member.tag == 'signal' else arg.get('direction', 'in')
                args[direction].append((direction + ' ' if direction else '') + arg.get('type'))
            found[(member.tag, member.get('name'))] = ','.join(args['in'] + args['out'] + args[''])
    wrong = ['%s %s: %s' % (kind, member, found.get((kind, member), 'missing'))
             for (kind, member), types in MENU_MEMBERS.items() if found.get((kind, member)) != types]
    if wrong:
        sys.exit('\n'.join(wrong))


if __name__ == '__main__':
    command = sys.argv[1:2]
    if command == ['watch']:
        watch(sys.argv[2])
    elif command == ['show']:
        show(sys.argv[2])
    elif command == ['call']:
        call(sys.argv[2], sys.argv[3])
    elif command == ['menu']:
        show_menu(sys.argv[2])
    elif command == ['click']:
        click(sys.argv[2], sys.argv[3])
    elif command == ['listen']:
        listen(sys.argv[2], sys.argv[3])
    elif command == ['interface']:
        check_interface(sys.argv[2])
    else:
        sys.exit(__doc__)
