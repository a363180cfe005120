#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <optional>

class QSocketNotifier;

namespace platform {

// One running copy per profile. The first start listens on a local socket in
// a folder private to the user, named from the profile's absolute path, so
// copies with different profiles run side by side. A later start with the
// same profile hands its shortcuts to that copy and ends. Both ends talk only
// to a process of the same user, and never through anything but a socket
// found at the expected place.
//
// A plain Unix-domain socket rather than Qt's network module: loading that
// module (and the Kerberos and proxy libraries behind it) at every start
// costs more than everything else the launcher does before its first paint.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // What a later start hands over is the program's to judge: `accept` gives
    // the shortcut to add for one target, or nothing with the line to report
    // to the sender.
    using Accept = std::function<std::optional<QString>(const QString &target, QString *refusal)>;
    // At most `maxTargets` of one request are judged and taken (as a drop or
    // a paste takes no more); the sender is told how many were left out.
    SingleInstance(const QString &profilePath, Accept accept, int maxTargets = std::numeric_limits<int>::max(),
                   QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        First,      // no copy runs: this one goes on (listening, unless *error says why not)
        HandedOver, // the running copy answered: see taken() and refusals()
        Failed,     // a copy runs but did not answer, or something else is where its socket belongs
    };
    // Decides under a lock file, so that of two copies started at the same
    // moment exactly one goes on. A socket left by a crashed copy is removed.
    // `token` (the desktop's activation token) lets the running copy come to
    // the front; with `toggle` it goes away instead when it is active.
    // `group` (--group) names the group to show and add the targets to.
    Start start(const QStringList &targets, QString *error = nullptr, const QString &token = QString(),
                bool toggle = false, const std::optional<QString> &group = std::nullopt);
    // The same hand-over without the lock and before the application object
    // exists, so that a later start (--toggle above all) costs little more
    // than the message: HandedOver when a running copy took it, else First,
    // and start() decides as usual. A copy that did not answer is not asked
    // twice: start() then fails at once.
    Start handOverEarly(const QStringList &targets, const QString &token = QString(), bool toggle = false,
                        const std::optional<QString> &group = std::nullopt);
    // Whether handOverEarly() found a copy that did not answer. A
    // SingleInstance made later in the same start (once the program is
    // loaded) is told so, and its start() fails at once instead of waiting
    // for the same copy again.
    bool copyUnanswered() const { return m_unanswered; }
    void copyDidNotAnswer() { m_unanswered = true; }
    // After HandedOver: how many targets the running copy took, and what it
    // said of the others.
    int taken() const { return m_taken; }
    const QStringList &refusals() const { return m_refusals; }
    // After HandedOver: the running copy has no group by the name asked
    // for, and did nothing (an older copy never says so: it took the
    // request as if no group was named).
    bool groupMissing() const { return m_groupMissing; }
    // The running copy's group for a name a later start gave: the group's
    // own name, or nothing when it has none by that name. Without one, no
    // request naming a group is taken.
    using FindGroup = std::function<std::optional<QString>(const QString &name)>;
    void setFindGroup(FindGroup find) { m_findGroup = std::move(find); }
    // Takes requests from later starts from now on (once the window is ready);
    // requests that came in before are served now.
    void serve();
    // Files a later start asks the running copy to import (sent with its
    // request), and what that copy said of each, for standard output.
    void setImports(const QStringList &paths) { m_imports = paths; }
    const QStringList &reports() const { return m_reports; }
    // How the running copy imports a file: what came of it, one message.
    using Import = std::function<QString(const QString &path)>;
    void setImporter(Import import) { m_import = std::move(import); }
    // Takes no more requests and removes the socket, as the destructor does;
    // for an end that skips destructors (the display gone). Requests being
    // answered are left alone.
    void stop();

    // What is said of the `beyond` targets left out past a cap of `max`, be
    // they handed over or given to the first start.
    static QString beyondCapText(qsizetype beyond, int max);

    // The socket's full path for a profile; empty when the user has no
    // private folder for it.
    static QString serverName(const QString &profilePath, QString *why = nullptr);

signals:
    // A later start asked to be shown, with these shortcuts to add (those
    // `accept` took) and its activation token; or, with
    // `toggle`, to be shown or hidden as the show/hide key does.
    void requested(const QStringList &targets, const QString &token, bool toggle);
    // A later start asked for `group` (as findGroup gave it) to be shown,
    // with these shortcuts to add there.
    void groupRequested(const QString &group, const QStringList &targets, const QString &token);

private:
    class Connection;
    enum class HandOver { NoCopy, Done, Failed, Unanswered };
    HandOver handOver(const QStringList &request, QString *error);
    // Set when handOverEarly() found a socket whose copy did not answer.
    bool m_unanswered = false;
    bool listen(QString *error);
    void takeConnections();
    void answer(Connection *connection, const QStringList &received);
    void drop(Connection *connection);

    Accept m_accept;
    int m_maxTargets;
    QString m_name;
    QString m_noFolder; // why there is no socket at all
    int m_listener = -1;
    QSocketNotifier *m_notifier = nullptr;
    QList<Connection *> m_connections; // oldest first
    int m_taken = 0;
    QStringList m_refusals;
    bool m_groupMissing = false;
    FindGroup m_findGroup;
    QStringList m_imports;
    QStringList m_reports;
    Import m_import;
};

} // namespace platform
