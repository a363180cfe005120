#include "platform/tray/DBusMenu.h"

#include <QAction>
#include <QActionEvent>
#include <QDBusError>
#include <QDBusMetaType>
#include <QMenu>
#include <vector>

namespace platform {

namespace {
// Far more ids than a menu of ours has entries: a longer list is no host
// drawing the menu, and going through it would only hold the program up.
constexpr qsizetype kMaxIds = 1024;
} // namespace

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

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemKeys &item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemKeys &item)
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

DBusMenu::DBusMenu(QMenu &menu, const QString &path, QDBusConnection bus)
    : m_menu(&menu), m_path(path), m_bus(std::move(bus))
{
    // The types must be known before the object's interface is described.
    qDBusRegisterMetaType<DBusMenuLayout>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<QList<DBusMenuItem>>();
    qDBusRegisterMetaType<DBusMenuItemKeys>();
    qDBusRegisterMetaType<QList<DBusMenuItemKeys>>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<QList<DBusMenuEvent>>();
    m_announced = entries();
    // The menu hears of every change of its actions, and of actions coming and going.
    menu.installEventFilter(this);
    m_valid = m_bus.isConnected() &&
              m_bus.registerObject(m_path, this,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                       QDBusConnection::ExportAllProperties);
}

DBusMenu::~DBusMenu()
{
    if (m_valid)
        m_bus.unregisterObject(m_path);
}

QAction *DBusMenu::action(int id) const
{
    if (!m_menu || id < 1 || id > m_menu->actions().size())
        return nullptr;
    return m_menu->actions().at(id - 1);
}

void DBusMenu::refuse(const QString &message)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, message);
}

bool DBusMenu::tooMany(qsizetype count)
{
    if (count <= kMaxIds)
        return false;
    if (calledFromDBus())
        sendErrorReply(QDBusError::LimitsExceeded, QStringLiteral("At most %1 ids at once").arg(kMaxIds));
    return true;
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

QList<QVariantMap> DBusMenu::entries() const
{
    QList<QVariantMap> all;
    if (m_menu)
        for (int id = 1; id <= m_menu->actions().size(); ++id)
            all << propertiesOf(id);
    return all;
}

bool DBusMenu::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_menu && !m_announceQueued &&
        (type == QEvent::ActionChanged || type == QEvent::ActionAdded || type == QEvent::ActionRemoved)) {
        // Once for a burst of changes (a check mark and its label together),
        // and never inside the change itself.
        m_announceQueued = true;
        QMetaObject::invokeMethod(this, &DBusMenu::announce, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

bool DBusMenu::announce()
{
    m_announceQueued = false;
    const QList<QVariantMap> now = entries();
    if (now.size() != m_announced.size()) {
        // Entries came or went: ids moved, the host reads the layout anew.
        m_announced = now;
        emit LayoutUpdated(++m_revision, 0);
        return true;
    }
    QList<DBusMenuItem> updated;
    QList<DBusMenuItemKeys> removed;
    for (int i = 0; i < now.size(); ++i) {
        const QVariantMap &before = m_announced.at(i);
        QVariantMap changed;
        for (auto it = now[i].begin(); it != now[i].end(); ++it)
            if (before.value(it.key()) != it.value())
                changed.insert(it.key(), it.value());
        QStringList gone;
        for (auto it = before.begin(); it != before.end(); ++it)
            if (!now[i].contains(it.key()))
                gone << it.key();
        if (!changed.isEmpty())
            updated << DBusMenuItem{i + 1, changed};
        if (!gone.isEmpty())
            removed << DBusMenuItemKeys{i + 1, gone};
    }
    m_announced = now;
    if (updated.isEmpty() && removed.isEmpty())
        return false;
    emit ItemsPropertiesUpdated(updated, removed);
    return true;
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames, DBusMenuLayout &layout)
{
    if (!known(parentId)) {
        refuse(QStringLiteral("No menu entry %1").arg(parentId));
        return m_revision;
    }
    layout = {parentId, propertiesOf(parentId, propertyNames), {}};
    // Flat: only the root has children.
    if (parentId == 0 && recursionDepth != 0 && m_menu)
        for (int id = 1; id <= m_menu->actions().size(); ++id)
            layout.children << QVariant::fromValue(DBusMenuLayout{id, propertiesOf(id, propertyNames), {}});
    return m_revision;
}

QList<DBusMenuItem> DBusMenu::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames)
{
    QList<DBusMenuItem> items;
    if (tooMany(ids.size()))
        return items;
    const int count = m_menu ? int(m_menu->actions().size()) : 0;
    // Each entry once, however often it is asked for: the reply stays as
    // small as the menu.
    std::vector<bool> listed(size_t(count) + 1);
    const auto add = [&](int id) {
        if (known(id) && !listed[size_t(id)]) {
            listed[size_t(id)] = true;
            items << DBusMenuItem{id, propertiesOf(id, propertyNames)};
        }
    };
    // No ids asks for every entry.
    if (ids.isEmpty())
        for (int id = 1; id <= count; ++id)
            add(id);
    for (const int id : ids)
        add(id);
    return items;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString &name)
{
    const QVariantMap properties = propertiesOf(id);
    if (!known(id) || !properties.contains(name)) {
        refuse(QStringLiteral("No property %1 on menu entry %2").arg(name).arg(id));
        return QDBusVariant(QString());
    }
    return QDBusVariant(properties.value(name));
}

bool DBusMenu::deliver(int id, const QString &eventId)
{
    if (!known(id))
        return false;
    // The root's "opened"/"closed" and hovering need nothing from us.
    QAction *a = action(id);
    if (!a || eventId != QLatin1String("clicked") || !a->isEnabled() || a->isSeparator())
        return true;
    // After the call has returned: Exit takes this object away.
    QMetaObject::invokeMethod(
        a, [a] { a->trigger(); }, Qt::QueuedConnection);
    return true;
}

void DBusMenu::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    if (!deliver(id, eventId))
        refuse(QStringLiteral("No menu entry %1").arg(id));
}

QList<int> DBusMenu::EventGroup(const QList<DBusMenuEvent> &events)
{
    QList<int> idErrors;
    if (tooMany(events.size()))
        return idErrors;
    for (const DBusMenuEvent &event : events)
        if (!deliver(event.id, event.eventId))
            idErrors << event.id;
    // Some good ids are a success that names the bad ones; none is an error.
    if (!events.isEmpty() && idErrors.size() == events.size())
        refuse(QStringLiteral("No menu entry for any of the events"));
    return idErrors;
}

bool DBusMenu::AboutToShow(int id)
{
    if (!known(id)) {
        refuse(QStringLiteral("No menu entry %1").arg(id));
        return false;
    }
    if (id != 0 || !m_menu)
        return false;
    // The owner brings the items up to date as it does for its own pop-up;
    // the host hears of the changes before it draws.
    emit m_menu->aboutToShow();
    return announce();
}

QList<int> DBusMenu::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    QList<int> updated;
    if (tooMany(ids.size()))
        return updated;
    bool root = false;
    bool anyKnown = false;
    for (const int id : ids) {
        if (!known(id)) {
            if (!idErrors.contains(id))
                idErrors << id;
        } else {
            anyKnown = true;
            root = root || id == 0;
        }
    }
    // Brought up to date once, however often the root is named.
    if (root && m_menu) {
        emit m_menu->aboutToShow();
        if (announce())
            updated << 0;
    }
    if (!ids.isEmpty() && !anyKnown)
        refuse(QStringLiteral("No menu entry for any of the ids"));
    return updated;
}

} // namespace platform
