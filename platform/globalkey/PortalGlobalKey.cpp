#include "platform/globalkey/PortalGlobalKey.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "platform/globalkey/KeyCodes.h"

using PortalShortcut = QPair<QString, QVariantMap>;
using PortalShortcuts = QList<PortalShortcut>;
Q_DECLARE_METATYPE(PortalShortcut)
Q_DECLARE_METATYPE(PortalShortcuts)

namespace platform {

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kShortcutId = QStringLiteral("toggle");

QString pathOf(const QVariant &value)
{
    return value.canConvert<QDBusObjectPath>() && value.metaType() == QMetaType::fromType<QDBusObjectPath>()
               ? value.value<QDBusObjectPath>().path()
               : value.toString();
}
} // namespace

PortalGlobalKey::PortalGlobalKey(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcuts>();
}

PortalGlobalKey::~PortalGlobalKey() { closeSession(); }

void PortalGlobalKey::set(const QKeySequence &key)
{
    closeSession();
    m_key = key;
    if (key.isEmpty()) {
        problem(QString());
        return;
    }
    if (!m_bus.isConnected()) {
        fail(tr("There is no session bus to reach the desktop portal through."));
        return;
    }
    request(QStringLiteral("CreateSession"), {},
            {{QStringLiteral("session_handle_token"), QStringLiteral("tessaflow%1").arg(++m_serial)}},
            SLOT(sessionCreated(uint, QVariantMap)));
}

void PortalGlobalKey::request(const QString &method, QList<QVariant> arguments, QVariantMap options,
                              const char *slot)
{
    // The answer comes as a signal on a Request object whose path follows
    // from this connection's name and a token: listen before asking.
    const QString token = QStringLiteral("tessaflow%1").arg(++m_serial);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    if (!m_requestPath.isEmpty())
        m_bus.disconnect(kService, m_requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                         QStringLiteral("Response"), this, nullptr);
    m_requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    m_bus.connect(kService, m_requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                  QStringLiteral("Response"), this, slot);
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    arguments << options;
    call.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *done;
        if (!reply.isError())
            return;
        const QString name = reply.error().name();
        if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown"))
            fail(tr("No desktop portal answers here."));
        else if (name == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")
                 || name == QLatin1String("org.freedesktop.DBus.Error.UnknownInterface"))
            fail(tr("The desktop portal here has no global shortcuts."));
        else
            //: %1 is the portal's own error message.
            fail(tr("The desktop portal did not take the key (%1).").arg(reply.error().message()));
    });
}

void PortalGlobalKey::sessionCreated(uint response, const QVariantMap &results)
{
    m_session = pathOf(results.value(QStringLiteral("session_handle")));
    if (response != 0 || m_session.isEmpty()) {
        fail(tr("The desktop portal did not open a session for the key."));
        return;
    }
    if (!m_listening) {
        m_listening = m_bus.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                                    SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    }
    const QString trigger = keys::portalTrigger(m_key[0]);
    //: How the desktop's keyboard settings name the show/hide key.
    const QString description = tr("Show or hide Tessaflow");
    const PortalShortcuts shortcuts{
        {kShortcutId,
         {{QStringLiteral("description"), description},
          {QStringLiteral("preferred_trigger"), trigger}}}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts), QString()}, {},
            SLOT(shortcutsBound(uint, QVariantMap)));
}

void PortalGlobalKey::shortcutsBound(uint response, const QVariantMap &)
{
    if (response != 0)
        fail(tr("The desktop did not allow the key."));
    else
        problem(QString());
}

void PortalGlobalKey::activated(const QDBusObjectPath &session, const QString &id, qulonglong,
                                const QVariantMap &options)
{
    if (session.path() == m_session && id == kShortcutId)
        pressed(options.value(QStringLiteral("activation_token")).toString());
}

void PortalGlobalKey::closeSession()
{
    if (m_session.isEmpty())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(kService, m_session, QStringLiteral("org.freedesktop.portal.Session"),
                                                   QStringLiteral("Close")));
    m_session.clear();
}

void PortalGlobalKey::fail(const QString &why) { problem(bindToggleAdvice(why)); }

} // namespace platform
