#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QTimer>
#include <QVariantMap>
#include <chrono>
#include <functional>

#include "platform/globalkey/GlobalKey.h"

namespace platform {

// The show/hide key through the desktop portal's GlobalShortcuts interface.
// Every call is asynchronous and one is under way at a time: a key changed
// meanwhile waits for the answer, and only the latest one is asked for then.
// The outcome reaches the report callback when the portal answers, and again
// when the user changes the key in the desktop's settings. A portal may bind
// another key than the one asked for, or none until the user picks one there:
// the report says which.
//
// One session serves every key while one is wanted: a new key is bound again
// in it. Its token stays the same for the program's life and beyond (a
// desktop files the user's choice under it). The session ends with the
// program, when no key is wanted, or with the portal: a portal that stops is
// said to the user, and one that comes back gets a new session and the key.
// A request the portal leaves unanswered for the time-out is given up (its
// match rule removed, the Request closed) and said to the user.
class PortalGlobalKey : public QObject, public GlobalKey {
    Q_OBJECT
public:
    explicit PortalGlobalKey(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                             std::chrono::milliseconds answerTimeout = std::chrono::seconds(30),
                             QObject *parent = nullptr);
    ~PortalGlobalKey() override;
    void set(const QKeySequence &key) override;

private slots:
    void responded(const QDBusMessage &message);
    void activated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp,
                   const QVariantMap &options);
    void shortcutsChanged(const QDBusMessage &message);
    void portalChanged(const QString &service, const QString &oldOwner, const QString &newOwner);

private:
    using Answer = std::function<void(uint response, const QVariantMap &results)>;
    // Takes the next step towards the wanted key, unless a call is under way.
    void step();
    void createSession();
    void bind();
    void list();
    // Calls `method` with `arguments`; its Request's Response goes to `answer`.
    void request(const QString &method, QList<QVariant> arguments, QVariantMap options, Answer answer);
    // Ends the request under way: stops listening for its Response, and
    // returns what was to take it.
    Answer endRequest();
    // Gives up the request under way; `portalThere` asks the portal to close it too.
    void abandon(bool portalThere);
    void timedOut();
    // Bound to `trigger`, or not bound (none) and where the user binds it.
    void reportTrigger(const QString &trigger);
    void closeSession();
    void fail(const QString &why);
    QString callerPath(const QString &kind, const QString &token) const;

    QDBusConnection m_bus;
    QDBusServiceWatcher m_portal;
    QTimer m_timeout;
    QKeySequence m_key;   // the one wanted
    QKeySequence m_bound; // the one the session has (or is being asked to) bind; none when not known
    QString m_session;    // the open session, or the one being opened
    bool m_sessionOpen = false;
    QString m_method;     // of the request under way; none when none is
    QString m_requestPath;
    Answer m_answer;
    int m_serial = 0;
    bool m_listening = false;
};

} // namespace platform
