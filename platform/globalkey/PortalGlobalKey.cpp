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
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kCreateSession = QStringLiteral("CreateSession");
const QString kBind = QStringLiteral("BindShortcuts");
const QString kList = QStringLiteral("ListShortcuts");
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

PortalGlobalKey::PortalGlobalKey(const QDBusConnection &bus, std::chrono::milliseconds answerTimeout, QObject *parent)
    : QObject(parent), m_bus(bus), m_portal(kService, bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcuts>();
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(answerTimeout);
    connect(&m_timeout, &QTimer::timeout, this, &PortalGlobalKey::timedOut);
    connect(&m_portal, &QDBusServiceWatcher::serviceOwnerChanged, this, &PortalGlobalKey::portalChanged);
}

PortalGlobalKey::~PortalGlobalKey()
{
    if (!m_method.isEmpty())
        abandon(true);
    closeSession();
}

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
    // One request at a time: its answer takes the next step.
    if (!m_method.isEmpty())
        return;
    if (m_key.isEmpty())
        closeSession();
    else if (!m_sessionOpen)
        createSession();
    else if (m_bound != m_key)
        bind();
}

void PortalGlobalKey::createSession()
{
    // Where the portal puts it: closed from here should the answer never come.
    m_session = callerPath(QStringLiteral("session"), kSessionToken);
    request(kCreateSession, {}, {{QStringLiteral("session_handle_token"), kSessionToken}},
            [this](uint response, const QVariantMap &results) {
                const QString session = pathOf(results.value(QStringLiteral("session_handle")));
                if (response != 0 || session.isEmpty()) {
                    m_session.clear();
                    fail(tr("The desktop portal did not open a session for the key."));
                    return;
                }
                m_session = session;
                m_sessionOpen = true;
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
    // Bound again in the same session: the new list takes the old one's place.
    m_bound = m_key;
    const PortalShortcuts shortcuts{
        {kShortcutId,
         {{QStringLiteral("description"), description()},
          {QStringLiteral("preferred_trigger"), keys::portalTrigger(m_key[0])}}}};
    request(kBind, {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts), QString()}, {},
            [this, asked = m_key](uint response, const QVariantMap &results) {
                if (asked != m_key) {
                    step(); // a newer key waited for this answer
                } else if (response != 0) {
                    m_bound = QKeySequence();
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
    request(kList, {QVariant::fromValue(QDBusObjectPath(m_session))}, {},
            [this, asked = m_key](uint response, const QVariantMap &results) {
                if (asked != m_key)
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

QString PortalGlobalKey::callerPath(const QString &kind, const QString &token) const
{
    // The portal names a caller's objects after its unique name and a token.
    QString sender = m_bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    return QStringLiteral("%1/%2/%3/%4").arg(kPath, kind, sender, token);
}

void PortalGlobalKey::request(const QString &method, QList<QVariant> arguments, QVariantMap options, Answer answer)
{
    // The answer comes as a signal on a Request object whose path follows
    // from a token: listen before asking.
    const int serial = ++m_serial;
    const QString token = QStringLiteral("tessaflow%1").arg(serial);
    m_requestPath = callerPath(QStringLiteral("request"), token);
    m_bus.connect(kService, m_requestPath, kRequest, QStringLiteral("Response"), this, SLOT(responded(QDBusMessage)));
    m_method = method;
    m_answer = std::move(answer);
    m_timeout.start();
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    arguments << options;
    call.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, method, serial](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *done;
        // Answered already, or given up since.
        if (!reply.isError() || serial != m_serial || m_method.isEmpty())
            return;
        const Answer answer = endRequest();
        const QString name = reply.error().name();
        if (method == kCreateSession) {
            m_session.clear();
        } else if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied")) {
            // The session is not open any more: the next key opens one anew.
            m_session.clear();
            m_sessionOpen = false;
        }
        m_bound = QKeySequence();
        if (method == kList)
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

PortalGlobalKey::Answer PortalGlobalKey::endRequest()
{
    m_timeout.stop();
    m_bus.disconnect(kService, m_requestPath, kRequest, QStringLiteral("Response"), this,
                     SLOT(responded(QDBusMessage)));
    m_method.clear();
    return std::exchange(m_answer, {});
}

void PortalGlobalKey::abandon(bool portalThere)
{
    const QString path = m_requestPath;
    endRequest();
    if (portalThere)
        m_bus.asyncCall(QDBusMessage::createMethodCall(kService, path, kRequest, QStringLiteral("Close")));
}

void PortalGlobalKey::responded(const QDBusMessage &message)
{
    // A Response already on its way when its request was given up is not this one's.
    const QList<QVariant> arguments = message.arguments();
    if (m_method.isEmpty() || message.path() != m_requestPath || arguments.size() < 2)
        return;
    const Answer answer = endRequest();
    answer(arguments[0].toUInt(), qdbus_cast<QVariantMap>(arguments[1]));
}

void PortalGlobalKey::timedOut()
{
    const bool creating = m_method == kCreateSession;
    abandon(true);
    // It may have opened the session without saying so: closed, so that
    // its token is free for the next try.
    if (creating)
        closeSession();
    m_bound = QKeySequence();
    fail(tr("The desktop portal did not answer in time."));
}

void PortalGlobalKey::portalChanged(const QString &, const QString &oldOwner, const QString &newOwner)
{
    if (!oldOwner.isEmpty()) {
        // Its sessions and requests went with it.
        if (!m_method.isEmpty())
            abandon(false);
        m_session.clear();
        m_sessionOpen = false;
        m_bound = QKeySequence();
        if (newOwner.isEmpty() && !m_key.isEmpty())
            problem(tr("The desktop portal stopped, so the key does nothing until the portal is back."));
    }
    if (!newOwner.isEmpty() && !m_key.isEmpty())
        step();
}

void PortalGlobalKey::activated(const QDBusObjectPath &session, const QString &id, qulonglong,
                                const QVariantMap &options)
{
    if (m_sessionOpen && session.path() == m_session && id == kShortcutId && !m_key.isEmpty())
        pressed(options.value(QStringLiteral("activation_token")).toString());
}

void PortalGlobalKey::shortcutsChanged(const QDBusMessage &message)
{
    // The user chose (or took away) the key in the desktop's settings.
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || !m_sessionOpen || pathOf(arguments[0]) != m_session || !m_method.isEmpty()
        || m_bound != m_key)
        return;
    reportTrigger(triggerIn(arguments[1]));
}

void PortalGlobalKey::closeSession()
{
    m_bound = QKeySequence();
    m_sessionOpen = false;
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
