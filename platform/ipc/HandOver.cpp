// The later start's side: finding the running copy and handing it the request.
#include "platform/ipc/SingleInstance.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ipc/InstanceSocket.h"

namespace platform {

using namespace InstanceSocket;

namespace {
// The running copy may be busy loading a large profile.
constexpr int kAnswerMs = 10000;
constexpr int kLockMs = 15000;
} // namespace

SingleInstance::Start SingleInstance::start(const QStringList &targets, QString *error, const QString &token,
                                            bool toggle, const std::optional<QString> &group)
{
    QString ignored;
    QString &why = error ? *error : ignored;
    if (m_name.isEmpty()) {
        //: %1 says why there is none.
        why = tr("no private folder for the running-copy socket (%1); going on without one").arg(m_noFolder);
        return Start::First;
    }
    // Held only for the moment of deciding. An flock, not a lock file with
    // contents: nothing is written or synced at every start, and the kernel
    // drops it when a copy dies, so no lock is ever stale.
    const QByteArray lockPath = QFile::encodeName(m_name + QStringLiteral(".lock"));
    int lock = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    struct stat lockInfo = {};
    if (lock >= 0 && (::fstat(lock, &lockInfo) != 0 || !S_ISREG(lockInfo.st_mode))) {
        ::close(lock);
        lock = -1;
    }
    const QDeadlineTimer lockDeadline(kLockMs);
    while (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || lockDeadline.hasExpired())
            break;
        ::usleep(10 * 1000);
    }
    struct Unlock {
        int fd;
        ~Unlock()
        {
            if (fd >= 0)
                ::close(fd); // also releases the lock
        }
    } unlock{lock};
    // Without the lock two copies started at the same moment may both go
    // on; a socket that is there is still found and used.
    if (lock < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0)
        why = tr("could not lock %1").arg(QFile::decodeName(lockPath));

    QString what;
    switch (lookAt(m_name, &what)) {
    case Found::SomethingElse:
        //: %1 is a path, %2 what is there instead ("is a folder").
        why = tr("%1 %2, where the running copy's socket belongs; remove it and start again")
                  .arg(m_name, what);
        return Start::Failed;
    case Found::OurSocket:
        if (m_unanswered) {
            why = tr("the running copy does not answer");
            return Start::Failed;
        }
        switch (handOver(encodeRequest(targets, token, toggle, group), &why)) {
        case HandOver::Done:
            return Start::HandedOver;
        case HandOver::Failed:
        case HandOver::Unanswered:
            return Start::Failed;
        case HandOver::NoCopy:
            break; // left by a copy that crashed
        }
        break;
    case Found::Nothing:
        break;
    }
    // Without a socket the launcher still works; later starts just make copies.
    listen(&why);
    return Start::First;
}

SingleInstance::Start SingleInstance::handOverEarly(const QStringList &targets, const QString &token, bool toggle,
                                                    const std::optional<QString> &group)
{
    QString what, why;
    if (m_name.isEmpty() || lookAt(m_name, &what) != Found::OurSocket)
        return Start::First;
    switch (handOver(encodeRequest(targets, token, toggle, group), &why)) {
    case HandOver::Done:
        return Start::HandedOver;
    case HandOver::Unanswered:
        m_unanswered = true;
        return Start::First;
    case HandOver::Failed: // found again by start() at once, and told there in the user's language
    case HandOver::NoCopy:
        break;
    }
    return Start::First;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &targets, QString *error)
{
    sockaddr_un address;
    if (!socketAddress(m_name, &address))
        return HandOver::NoCopy;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return HandOver::NoCopy;
    auto result = [fd](HandOver r) {
        ::close(fd);
        return r;
    };
    auto failed = [&](const QString &why) {
        *error = why;
        return result(HandOver::Failed);
    };
    auto unanswered = [&] {
        *error = tr("the running copy does not answer");
        return result(HandOver::Unanswered);
    };
    // A name nobody listens on (left by a crashed copy) refuses at once. A
    // full backlog (a copy that is busy, or flooded) is asked again: a
    // Unix socket does not go on connecting in the background.
    const QDeadlineTimer connectDeadline(kAnswerMs);
    while (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 && errno != EISCONN) {
        if (errno != EAGAIN && errno != EINTR)
            return result(HandOver::NoCopy);
        if (connectDeadline.hasExpired())
            return unanswered();
        ::usleep(10 * 1000);
    }
    if (!peerIsThisUser(fd))
        return failed(tr("%1 is served by another user; nothing handed over").arg(m_name));
    const QByteArray request = encode(targets + importEntries(m_imports));
    if (request.size() > 4 + kMaxMessage)
        return failed(tr("too many shortcuts to hand over at once"));
    const QDeadlineTimer deadline(kAnswerMs);
    QStringList answer;
    if (!sendAll(fd, request, deadline) || !receiveMessage(fd, deadline, &answer) || answer.isEmpty())
        return unanswered();
    m_taken = answer.first().toInt();
    for (const QString &line : answer.mid(1)) {
        if (line == kNoSuchGroupAnswer)
            m_groupMissing = true;
        else if (QString report; isReport(line, &report))
            m_reports << report;
        else
            m_refusals << line;
    }
    return result(HandOver::Done);
}

} // namespace platform
