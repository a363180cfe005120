#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>
#include <functional>

#include "platform/globalkey/GlobalKey.h"

namespace platform {

// The show/hide key through the desktop portal's GlobalShortcuts interface.
// Every call is asynchronous and one is under way at a time; the outcome
// reaches the report callback when the portal answers, and again when the
// user changes the key in the desktop's settings. A portal may bind another
// key than the one asked for, or none until the user picks one there: the
// report says which. The session's token stays the same for the program's
// life and beyond (a desktop files the user's choice under it); a new key
// closes the session and opens it anew, as a session binds its shortcuts
// once.
class PortalGlobalKey : public QObject, public GlobalKey {
    Q_OBJECT
public:
    explicit PortalGlobalKey(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~PortalGlobalKey() override;
    void set(const QKeySequence &key) override;

private slots:
    void responded(uint response, const QVariantMap &results);
    void activated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp,
                   const QVariantMap &options);
    void shortcutsChanged(const QDBusMessage &message);

private:
    using Answer = std::function<void(uint response, const QVariantMap &results)>;
    // Takes the next step towards the wanted key, unless a call is under way.
    void step();
    void createSession();
    void bind();
    void list();
    // Calls `method` with `arguments`; its Request's Response goes to `answer`.
    void request(const QString &method, QList<QVariant> arguments, QVariantMap options, Answer answer);
    // Bound to `trigger`, or not bound (none) and where the user binds it.
    void reportTrigger(const QString &trigger);
    void closeSession();
    void fail(const QString &why);

    QDBusConnection m_bus;
    QKeySequence m_key;     // the one wanted
    QKeySequence m_binding; // the one the session was (or is being) asked to bind
    QString m_session;
    QString m_requestPath;
    Answer m_answer;
    int m_serial = 0;
    bool m_busy = false;
    bool m_listening = false;
};

} // namespace platform
