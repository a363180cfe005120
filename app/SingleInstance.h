#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QSocketNotifier;

namespace app {

// One running copy per profile. The first start listens on a local socket in
// the user's runtime folder, named from the profile's absolute path, so
// copies with different profiles run side by side. A later start with the
// same profile hands its shortcuts to that copy and ends.
//
// A plain Unix-domain socket rather than Qt's network module: loading that
// module (and the Kerberos and proxy libraries behind it) at every start
// costs more than everything else the launcher does before its first paint.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &profilePath, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        First,      // no copy runs: this one goes on (listening, unless *error says why not)
        HandedOver, // the running copy took the targets
        Failed,     // a copy runs but did not answer
    };
    // Decides under a lock file, so that of two copies started at the same
    // moment exactly one goes on. A socket left by a crashed copy is removed.
    Start start(const QStringList &targets, QString *error = nullptr);
    // Takes requests from later starts from now on (once the window is ready);
    // requests that came in before are served now.
    void serve();

    // The socket's full path for a profile.
    static QString serverName(const QString &profilePath);

signals:
    // A later start asked to be shown, with these shortcuts to add.
    void requested(const QStringList &targets);

private:
    enum class HandOver { NoCopy, Done, NoAnswer };
    HandOver handOver(const QStringList &targets) const;
    bool listen(QString *error);
    void takeConnections();

    QString m_name;
    int m_listener = -1;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace app
