#include "platform/globalkey/PortalGlobalKey.h"

#include <QDBusArgument>
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
// The same in every run: a desktop names the program's shortcuts after it
// and keeps the key the user chose for them under that name.
const QString kSessionToken = QStringLiteral("tessaflow");

QString pathOf(const QVariant &value)
{
    return value.canConvert<QDBusObjectPath>() && value.metaType() == QMetaType::fromType<QDBusObjectPath>()
               ? value.value<QDBusObjectPath>().path()
               : value.toString();
}

// What triggers the show/hide shortcut in a portal's list of shortcuts
// (a(sa{sv})); empty when it is not there or has no trigger.
QString triggerIn(const QVariant &shortcuts)
{
    if (!shortcuts.canConvert<QDBusArgument>() && !shortcuts.canConvert<PortalShortcuts>())
        return QString();
    for (const PortalShortcut &shortcut : qdbus_cast<PortalShortcuts>(shortcuts)) {
        if (shortcut.first == kShortcutId)
            return shortcut.second.value(QStringLiteral("trigger_description")).toString();
    }
    return QString();
}

//: How the desktop's keyboard settings name the show/hide key.
QString description() { return PortalGlobalKey::tr("Show or hide Tessaflow"); }
} // namespace

PortalGlobalKey::PortalGlobalKey(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcuts>();
}

PortalGlobalKey::~PortalGlobalKey() { closeSession(); }

void PortalGlobalKey::set(const QKeySequence &key)
{
    m_key = key;
    if (!key.isEmpty() && !m_bus.isConnected()) {
        fail(tr("There is no session bus to reach the desktop portal through."));
        return;
    }
    step();
    if (key.isEmpty())
        problem(QString());
}

void PortalGlobalKey::step()
{
    if (m_busy)
        return;
    // A session binds its shortcuts once: another key needs it anew.
    if (m_key.isEmpty() || (!m_binding.isEmpty() && m_binding != m_key))
        closeSession();
    if (m_key.isEmpty())
        return;
    if (m_session.isEmpty())
        createSession();
    else if (m_binding.isEmpty())
        bind();
}

void PortalGlobalKey::createSession()
{
    request(QStringLiteral("CreateSession"), {}, {{QStringLiteral("session_handle_token"), kSessionToken}},
            [this](uint response, const QVariantMap &results) {
                m_session = pathOf(results.value(QStringLiteral("session_handle")));
                if (response != 0 || m_session.isEmpty()) {
                    m_session.clear();
                    fail(tr("The desktop portal did not open a session for the key."));
                    return;
                }
                if (!m_listening) {
                    m_listening = m_bus.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                                                SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
                    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ShortcutsChanged"), this,
                                  SLOT(shortcutsChanged(QDBusMessage)));
                }
                step();
            });
}

void PortalGlobalKey::bind()
{
    m_binding = m_key;
    const PortalShortcuts shortcuts{
        {kShortcutId,
         {{QStringLiteral("description"), description()},
          {QStringLiteral("preferred_trigger"), keys::portalTrigger(m_key[0])}}}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts), QString()}, {},
            [this](uint response, const QVariantMap &results) {
                if (m_binding != m_key) {
                    step();
                } else if (response != 0) {
                    fail(tr("The desktop did not allow the key."));
                } else if (const QString trigger = triggerIn(results.value(QStringLiteral("shortcuts")));
                           !trigger.isEmpty()) {
                    reportTrigger(trigger);
                } else {
                    // Taken without a trigger (a desktop that lets the user
                    // choose one in its settings): ask what it has, perhaps
                    // the user's choice from an earlier run.
                    list();
                }
            });
}

void PortalGlobalKey::list()
{
    request(QStringLiteral("ListShortcuts"), {QVariant::fromValue(QDBusObjectPath(m_session))}, {},
            [this](uint response, const QVariantMap &results) {
                if (m_binding != m_key)
                    step();
                else
                    reportTrigger(response == 0 ? triggerIn(results.value(QStringLiteral("shortcuts"))) : QString());
            });
}

void PortalGlobalKey::reportTrigger(const QString &trigger)
{
    if (!trigger.isEmpty()) {
        report({QString(), trigger});
        return;
    }
    //: %1 is the name of the show/hide key in the desktop's settings.
    problem(tr("The desktop did not bind the key. Choose one for \u201c%1\u201d in its settings "
               "(System Settings \u2192 Shortcuts).")
                .arg(description()));
}

void PortalGlobalKey::request(const QString &method, QList<QVariant> arguments, QVariantMap options, Answer answer)
{
    // The answer comes as a signal on a Request object whose path follows
    // from this connection's name and a token: listen before asking.
    const QString token = QStringLiteral("tessaflow%1").arg(++m_serial);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    m_requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    m_bus.connect(kService, m_requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                  QStringLiteral("Response"), this, SLOT(responded(uint, QVariantMap)));
    m_busy = true;
    m_answer = std::move(answer);
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    arguments << options;
    call.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, method](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *done;
        if (!reply.isError())
            return;
        m_bus.disconnect(kService, m_requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                         QStringLiteral("Response"), this, SLOT(responded(uint, QVariantMap)));
        const Answer answer = std::exchange(m_answer, {});
        m_busy = false;
        const QString name = reply.error().name();
        if (method == QLatin1String("ListShortcuts"))
            answer(2, {}); // as if it listed nothing
        else if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown"))
            fail(tr("No desktop portal answers here."));
        else if (name == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")
                 || name == QLatin1String("org.freedesktop.DBus.Error.UnknownInterface"))
            fail(tr("The desktop portal here has no global shortcuts."));
        else
            //: %1 is the portal's own error message.
            fail(tr("The desktop portal did not take the key (%1).").arg(reply.error().message()));
    });
}

void PortalGlobalKey::responded(uint response, const QVariantMap &results)
{
    m_bus.disconnect(kService, m_requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                     QStringLiteral("Response"), this, SLOT(responded(uint, QVariantMap)));
    const Answer answer = std::exchange(m_answer, {});
    m_busy = false;
    if (answer)
        answer(response, results);
}

void PortalGlobalKey::activated(const QDBusObjectPath &session, const QString &id, qulonglong,
                                const QVariantMap &options)
{
    if (session.path() == m_session && id == kShortcutId)
        pressed(options.value(QStringLiteral("activation_token")).toString());
}

void PortalGlobalKey::shortcutsChanged(const QDBusMessage &message)
{
    // The user chose (or took away) the key in the desktop's settings.
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || pathOf(arguments[0]) != m_session || m_session.isEmpty() || m_busy
        || m_binding != m_key)
        return;
    reportTrigger(triggerIn(arguments[1]));
}

void PortalGlobalKey::closeSession()
{
    m_binding = QKeySequence();
    if (m_session.isEmpty())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(kService, m_session, QStringLiteral("org.freedesktop.portal.Session"),
                                                   QStringLiteral("Close")));
    m_session.clear();
}

void PortalGlobalKey::fail(const QString &why)
{
    // A late answer about a key given up since says nothing.
    if (!m_key.isEmpty())
        problem(bindToggleAdvice(why));
}

} // namespace platform
