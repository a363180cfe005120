#include "platform/tray/DBusMenu.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QMenu>

namespace platform {

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayout &layout)
{
    argument.beginStructure();
    argument << layout.id << layout.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const QVariant &child : layout.children)
        argument << QDBusVariant(child);
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayout &layout)
{
    argument.beginStructure();
    argument >> layout.id >> layout.properties;
    layout.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        layout.children << child.variant();
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

DBusMenu::DBusMenu(QMenu &menu, const QString &path) : m_menu(&menu), m_path(path)
{
    qDBusRegisterMetaType<DBusMenuLayout>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItems>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEvents>();
    m_shown = snapshot();
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_valid = bus.isConnected() &&
              bus.registerObject(m_path, this,
                                 QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                     QDBusConnection::ExportAllProperties);
}

DBusMenu::~DBusMenu() { QDBusConnection::sessionBus().unregisterObject(m_path); }

QAction *DBusMenu::action(int id) const
{
    if (!m_menu || id < 1 || id > m_menu->actions().size())
        return nullptr;
    return m_menu->actions().at(id - 1);
}

QVariantMap DBusMenu::propertiesOf(int id, const QStringList &names) const
{
    QVariantMap properties;
    if (id == 0) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (const QAction *a = action(id)) {
        if (a->isSeparator()) {
            properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        } else {
            // The access key: "&" in Qt, "_" here; a plain "_" is doubled.
            QString label = a->text();
            label.replace(u'_', QStringLiteral("__")).replace(QStringLiteral("&&"), QStringLiteral("\x01"));
            label.replace(u'&', u'_').replace(u'\x01', u'&');
            properties.insert(QStringLiteral("label"), label);
            properties.insert(QStringLiteral("enabled"), a->isEnabled());
            if (a->isCheckable()) {
                properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
                properties.insert(QStringLiteral("toggle-state"), a->isChecked() ? 1 : 0);
            }
        }
        properties.insert(QStringLiteral("visible"), a->isVisible());
    }
    if (names.isEmpty())
        return properties;
    QVariantMap wanted;
    for (const QString &name : names)
        if (properties.contains(name))
            wanted.insert(name, properties.value(name));
    return wanted;
}

QString DBusMenu::snapshot() const
{
    QString shown;
    if (m_menu)
        for (int id = 1; id <= m_menu->actions().size(); ++id) {
            const QVariantMap p = propertiesOf(id);
            for (auto it = p.begin(); it != p.end(); ++it)
                shown += it.key() + u'=' + it.value().toString() + u';';
            shown += u'\n';
        }
    return shown;
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames, DBusMenuLayout &layout)
{
    layout = {parentId, propertiesOf(parentId, propertyNames), {}};
    // Flat: only the root has children.
    if (parentId == 0 && recursionDepth != 0 && m_menu)
        for (int id = 1; id <= m_menu->actions().size(); ++id)
            layout.children << QVariant::fromValue(DBusMenuLayout{id, propertiesOf(id, propertyNames), {}});
    return m_revision;
}

DBusMenuItems DBusMenu::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames)
{
    DBusMenuItems items;
    for (const int id : ids)
        if (id == 0 || action(id))
            items << DBusMenuItem{id, propertiesOf(id, propertyNames)};
    return items;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString &name)
{
    return QDBusVariant(propertiesOf(id).value(name));
}

void DBusMenu::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    QAction *a = action(id);
    if (!a || eventId != QLatin1String("clicked") || !a->isEnabled())
        return;
    // After the call has returned: Exit takes this object away.
    QMetaObject::invokeMethod(
        a, [a] { a->trigger(); }, Qt::QueuedConnection);
}

QList<int> DBusMenu::EventGroup(const DBusMenuEvents &events)
{
    QList<int> unknown;
    for (const DBusMenuEvent &event : events) {
        if (action(event.id))
            Event(event.id, event.eventId, event.data, event.timestamp);
        else
            unknown << event.id;
    }
    return unknown;
}

bool DBusMenu::AboutToShow(int id)
{
    if (id != 0 || !m_menu)
        return false;
    // The owner brings the items up to date as it does for its own pop-up.
    emit m_menu->aboutToShow();
    const QString now = snapshot();
    if (now == m_shown)
        return false;
    m_shown = now;
    emit LayoutUpdated(++m_revision, 0);
    return true;
}

QList<int> DBusMenu::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    QList<int> updated;
    for (const int id : ids) {
        if (id != 0 && !action(id))
            idErrors << id;
        else if (AboutToShow(id))
            updated << id;
    }
    return updated;
}

} // namespace platform
