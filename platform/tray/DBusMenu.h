#pragma once

#include <QDBusArgument>
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

struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItems = QList<DBusMenuItem>;

struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEvents = QList<DBusMenuEvent>;

// A flat menu of actions (a tray menu) offered on the session bus through
// com.canonical.dbusmenu, which D-Bus tray hosts draw themselves: on Wayland
// a program cannot pop up a menu of its own at the tray. Item n is the menu's
// n-th action; a click triggers it. Before each showing, the menu's
// aboutToShow runs, so check marks are current.
class DBusMenu : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    // Exported at `path` on the session bus; valid() says whether that worked.
    DBusMenu(QMenu &menu, const QString &path);
    ~DBusMenu() override;
    bool valid() const { return m_valid; }

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                   platform::DBusMenuLayout &layout);
    platform::DBusMenuItems GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    QList<int> EventGroup(const platform::DBusMenuEvents &events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

signals:
    void ItemsPropertiesUpdated(const platform::DBusMenuItems &updated, const platform::DBusMenuItems &removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    QVariantMap propertiesOf(int id, const QStringList &names = {}) const;
    QAction *action(int id) const;
    QString snapshot() const;

    QPointer<QMenu> m_menu;
    QString m_path;
    uint m_revision = 1;
    QString m_shown;
    bool m_valid = false;
};

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayout &layout);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayout &layout);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event);

} // namespace platform

Q_DECLARE_METATYPE(platform::DBusMenuLayout)
Q_DECLARE_METATYPE(platform::DBusMenuItem)
Q_DECLARE_METATYPE(platform::DBusMenuEvent)
