#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

class QAction;
class QMenu;

namespace platform {

// One entry of a menu as the dbusmenu protocol lays it out: an id, its
// properties and its children (each a variant holding an entry).
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QVariantList children;
};

// Lists of these are written out as QList<…> in the slots and signals below,
// never through a `using` alias: QtDBus looks parameter types up by the name
// written, and silently leaves out a method whose name it does not know.
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};

// The names of properties an entry no longer has.
struct DBusMenuItemKeys {
    int id = 0;
    QStringList properties;
};

struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};

// A flat menu of actions (a tray menu) offered on the session bus through
// com.canonical.dbusmenu, which D-Bus tray hosts draw themselves: on Wayland
// a program cannot pop up a menu of its own at the tray. Item n is the menu's
// n-th action; a click triggers it. Before each showing, the menu's
// aboutToShow runs, so check marks are current. A change of an entry (check
// mark, label, enabled) is announced to the host as it happens, an entry
// added or removed as a new layout.
class DBusMenu : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    // Exported at `path` on `bus`; valid() says whether that worked.
    DBusMenu(QMenu &menu, const QString &path, QDBusConnection bus = QDBusConnection::sessionBus());
    ~DBusMenu() override;
    bool valid() const { return m_valid; }

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                   platform::DBusMenuLayout &layout);
    QList<platform::DBusMenuItem> GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    QList<int> EventGroup(const QList<platform::DBusMenuEvent> &events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

signals:
    void ItemsPropertiesUpdated(const QList<platform::DBusMenuItem> &updated,
                                const QList<platform::DBusMenuItemKeys> &removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QVariantMap propertiesOf(int id, const QStringList &names = {}) const;
    QAction *action(int id) const;
    bool known(int id) const { return id == 0 || action(id); }
    // Answers a call from the bus with an error (no-op for a call from here).
    void refuse(const QString &message);
    // Refuses (from the bus) a request of more ids than a menu could use.
    bool tooMany(qsizetype count);
    bool deliver(int id, const QString &eventId);
    QList<QVariantMap> entries() const;
    // Tells the host what changed since it was last told; true if anything.
    bool announce();

    QPointer<QMenu> m_menu;
    QString m_path;
    QDBusConnection m_bus;
    uint m_revision = 1;
    QList<QVariantMap> m_announced;
    bool m_announceQueued = false;
    bool m_valid = false;
};

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayout &layout);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayout &layout);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemKeys &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemKeys &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event);

} // namespace platform

Q_DECLARE_METATYPE(platform::DBusMenuLayout)
Q_DECLARE_METATYPE(platform::DBusMenuItem)
Q_DECLARE_METATYPE(platform::DBusMenuItemKeys)
Q_DECLARE_METATYPE(platform::DBusMenuEvent)
