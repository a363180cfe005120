#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include "platform/globalkey/GlobalKey.h"

namespace platform {

// The show/hide key through the desktop portal's GlobalShortcuts interface.
// Every call is asynchronous: the outcome reaches the problem callback when
// the portal answers. Each new key gets a session of its own, as the portal
// binds the shortcuts of a session only once.
class PortalGlobalKey : public QObject, public GlobalKey {
    Q_OBJECT
public:
    explicit PortalGlobalKey(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~PortalGlobalKey() override;
    void set(const QKeySequence &key) override;

private slots:
    void sessionCreated(uint response, const QVariantMap &results);
    void shortcutsBound(uint response, const QVariantMap &results);
    void activated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp,
                   const QVariantMap &options);

private:
    // Calls `method` with `arguments`; its Request's Response goes to `slot`.
    void request(const QString &method, QList<QVariant> arguments, QVariantMap options, const char *slot);
    void closeSession();
    void fail(const QString &why);

    QDBusConnection m_bus;
    QKeySequence m_key;
    QString m_session;
    QString m_requestPath;
    int m_serial = 0;
    bool m_listening = false;
};

} // namespace platform
