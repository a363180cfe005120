#include "platform/tray/Tray.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QSystemTrayIcon>

#include "platform/tray/StatusNotifierItem.h"

namespace platform {

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

bool watcherThere()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(kWatcher).value();
}
} // namespace

SystemTray::SystemTray() = default;
SystemTray::~SystemTray() = default;

bool SystemTray::available() const
{
    if (!watcherThere())
        return QSystemTrayIcon::isSystemTrayAvailable();
    // What the watcher said last; its answer to this check comes later.
    askForHost();
    return m_hostRegistered;
}

// A watcher without a host (the panel ended, its watcher lives on) shows no
// icon. A watcher that cannot say is taken at its word of being there.
void SystemTray::askForHost() const
{
    if (m_asking)
        return;
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcher << QStringLiteral("IsStatusNotifierHostRegistered");
    m_asking = std::make_unique<QDBusPendingCallWatcher>(QDBusConnection::sessionBus().asyncCall(get));
    QObject::connect(m_asking.get(), &QDBusPendingCallWatcher::finished, m_asking.get(), [this] {
        const QDBusPendingReply<QDBusVariant> reply = *m_asking;
        m_asking.release()->deleteLater();
        hostAnswered(reply.isValid() ? reply.value().variant().toBool() : true);
    });
}

void SystemTray::hostAnswered(bool registered) const
{
    if (registered == m_hostRegistered)
        return;
    m_hostRegistered = registered;
    if (m_added && m_hostChanged)
        m_hostChanged();
}

bool SystemTray::add(const QIcon &icon, const QString &tip, Callback callback)
{
    if (m_added)
        return false;
    m_added = true;
    m_image = icon;
    m_tip = tip;
    m_callback = std::move(callback);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        m_watcher = std::make_unique<QDBusServiceWatcher>(kWatcher, bus, QDBusServiceWatcher::WatchForOwnerChange);
        QObject::connect(m_watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged, m_watcher.get(),
                         [this](const QString &, const QString &, const QString &owner) {
                             if (owner.isEmpty())
                                 watcherWent();
                             else
                                 watcherCame();
                         });
    }
    if (watcherThere())
        watcherCame();
    else
        showEmbedded();
    return true;
}

void SystemTray::watcherCame()
{
    askForHost();
    // One icon at a time: a host that also embeds X11 icons would show both.
    m_icon.reset();
    if (!m_item)
        m_item = std::make_unique<StatusNotifierItem>(
            m_image, m_tip,
            [this](TrayClick click) {
                if (m_callback)
                    m_callback(click);
            },
            m_menu);
    m_item->registerWithWatcher();
    if (m_hostChanged)
        m_hostChanged();
}

void SystemTray::watcherWent()
{
    // The item stays on the bus for the watcher's return; meanwhile an X11
    // tray may show the icon.
    showEmbedded();
    if (m_hostChanged)
        m_hostChanged();
}

void SystemTray::showEmbedded()
{
    if (m_icon)
        return;
    m_icon = std::make_unique<QSystemTrayIcon>(m_image);
    m_icon->setToolTip(m_tip);
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (!m_callback)
                             return;
                         switch (reason) {
                         case QSystemTrayIcon::Trigger:
                         case QSystemTrayIcon::DoubleClick: m_callback(TrayClick::Activate); break;
                         case QSystemTrayIcon::Context: m_callback(TrayClick::Context); break;
                         case QSystemTrayIcon::MiddleClick: m_callback(TrayClick::Middle); break;
                         default: break;
                         }
                     });
    m_icon->show();
}

bool SystemTray::remove()
{
    if (!m_added)
        return false;
    m_added = false;
    m_watcher.reset();
    m_item.reset();
    if (m_icon)
        m_icon->hide();
    m_icon.reset();
    return true;
}

} // namespace platform
