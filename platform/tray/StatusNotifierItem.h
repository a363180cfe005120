#pragma once

#include <QDBusArgument>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/tray/Tray.h"

class QMenu;

namespace platform {

class DBusMenu;

// One picture as the tray protocol over D-Bus carries it: ARGB32 pixels in
// network byte order.
struct SniImage {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using SniImages = QList<SniImage>;

struct SniToolTip {
    QString iconName;
    SniImages images;
    QString title;
    QString text;
};

// The tray icon as a StatusNotifierItem on the session bus, the tray of KDE,
// of GNOME's extension and of most Wayland panels. It is told to the
// desktop's org.kde.StatusNotifierWatcher by registerWithWatcher(), again
// whenever a watcher comes back. Clicks arrive as click kinds; a menu given
// is offered for the host to draw (else hosts ask for it with ContextMenu,
// which reports a context click).
class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(platform::SniImages IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ iconName)
    Q_PROPERTY(platform::SniImages OverlayIconPixmap READ noImages)
    Q_PROPERTY(QString AttentionIconName READ iconName)
    Q_PROPERTY(platform::SniImages AttentionIconPixmap READ noImages)
    Q_PROPERTY(platform::SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
public:
    // Exports the item on the session bus; valid() says whether that worked.
    StatusNotifierItem(const QIcon &icon, const QString &tip, std::function<void(TrayClick)> clicked,
                       QMenu *menu = nullptr);
    ~StatusNotifierItem() override;
    bool valid() const { return m_valid; }
    const QString &serviceName() const { return m_service; }
    // Tells the watcher that the item is there; its answer comes later.
    void registerWithWatcher();

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("tessaflow"); }
    QString title() const { return m_tip; }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconName() const { return {}; }
    SniImages iconPixmap() const { return m_images; }
    SniImages noImages() const { return {}; }
    SniToolTip toolTip() const { return {QString(), {}, m_tip, QString()}; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const;

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString &orientation);

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString &status);

private:
    void report(TrayClick click);

    QString m_service;
    QString m_tip;
    SniImages m_images;
    std::function<void(TrayClick)> m_clicked;
    std::unique_ptr<DBusMenu> m_menu;
    bool m_valid = false;
};

QDBusArgument &operator<<(QDBusArgument &argument, const SniImage &image);
const QDBusArgument &operator>>(const QDBusArgument &argument, SniImage &image);
QDBusArgument &operator<<(QDBusArgument &argument, const SniToolTip &tip);
const QDBusArgument &operator>>(const QDBusArgument &argument, SniToolTip &tip);

} // namespace platform

Q_DECLARE_METATYPE(platform::SniImage)
Q_DECLARE_METATYPE(platform::SniToolTip)
