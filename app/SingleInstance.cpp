#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <functional>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace app {

namespace {
// A request: the targets as a QDataStream string list. The answer is one byte.
constexpr char kTaken = 'k';
constexpr int kConnectMs = 1000;
// The running copy may be busy loading a large profile.
constexpr int kAnswerMs = 10000;
constexpr int kLockMs = 15000;
// More than any honest command line; a longer request is dropped.
constexpr qsizetype kMaxRequest = 64 * 1024 * 1024;

bool socketAddress(const QString &name, sockaddr_un *address)
{
    const QByteArray path = QFile::encodeName(name);
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address->sun_path))
        return false;
    std::memcpy(address->sun_path, path.constData(), path.size());
    return true;
}

// Waits for `events` on `fd` until `deadline`; false on time-out or error.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, int(qMax<qint64>(0, deadline.remainingTime())));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool sendAll(int fd, const QByteArray &data, const QDeadlineTimer &deadline)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + sent, size_t(data.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN && waitFor(fd, POLLOUT, deadline))
            continue;
        else
            return false;
    }
    return true;
}

// One later start's connection: reads its request, answers, closes.
class Connection : public QObject {
public:
    Connection(int fd, SingleInstance *owner, std::function<void(const QStringList &)> done)
        : QObject(owner), m_fd(fd), m_notifier(fd, QSocketNotifier::Read), m_done(std::move(done))
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Connection::readSome);
    }
    ~Connection() override { ::close(m_fd); }

private:
    void readSome()
    {
        char chunk[16 * 1024];
        for (;;) {
            const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
            if (n > 0) {
                m_request.append(chunk, n);
                if (m_request.size() > kMaxRequest)
                    return finish();
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN)
                break;
            return finish(); // closed before the request was whole
        }
        QDataStream in(m_request);
        QStringList targets;
        in >> targets;
        if (in.status() != QDataStream::Ok)
            return; // more to come
        ::send(m_fd, &kTaken, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        finish();
        m_done(targets);
    }
    void finish()
    {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    QSocketNotifier m_notifier;
    QByteArray m_request;
    std::function<void(const QStringList &)> m_done;
};

} // namespace

SingleInstance::SingleInstance(const QString &profilePath, QObject *parent)
    : QObject(parent), m_name(serverName(profilePath))
{
}

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0) {
        ::close(m_listener);
        QFile::remove(m_name);
    }
}

QString SingleInstance::serverName(const QString &profilePath)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QByteArray hash = QCryptographicHash::hash(QFileInfo(profilePath).absoluteFilePath().toUtf8(),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    return folder + QStringLiteral("/tessaflow-") + QString::fromLatin1(hash);
}

SingleInstance::Start SingleInstance::start(const QStringList &targets, QString *error)
{
    // Held only for the moment of deciding. An flock, not a lock file with
    // contents: nothing is written or synced at every start, and the kernel
    // drops it when a copy dies, so no lock is ever stale.
    const QByteArray lockPath = QFile::encodeName(m_name + QStringLiteral(".lock"));
    const int lock = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
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
    if (lock < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        if (error)
            *error = QStringLiteral("could not lock %1; going on without handing shortcuts over")
                         .arg(QFile::decodeName(lockPath));
        return Start::First;
    }

    switch (handOver(targets)) {
    case HandOver::Done:
        return Start::HandedOver;
    case HandOver::NoAnswer:
        if (error)
            *error = QStringLiteral("the running copy does not answer");
        return Start::Failed;
    case HandOver::NoCopy:
        break;
    }
    // Without a socket the launcher still works; later starts just make copies.
    listen(error);
    return Start::First;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &targets) const
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
    // A name nobody listens on (none, or left by a crashed copy) refuses at once.
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        int soError = 0;
        socklen_t length = sizeof soError;
        if (errno != EINPROGRESS && errno != EAGAIN)
            return result(HandOver::NoCopy);
        if (!waitFor(fd, POLLOUT, QDeadlineTimer(kConnectMs))
            || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &length) != 0 || soError != 0)
            return result(HandOver::NoCopy);
    }
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << targets;
    const QDeadlineTimer deadline(kAnswerMs);
    if (!sendAll(fd, request, deadline))
        return result(HandOver::NoAnswer);
    char answer = 0;
    for (;;) {
        if (!waitFor(fd, POLLIN, deadline))
            return result(HandOver::NoAnswer);
        const ssize_t n = ::recv(fd, &answer, 1, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        return result(n == 1 && answer == kTaken ? HandOver::Done : HandOver::NoAnswer);
    }
}

bool SingleInstance::listen(QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("could not listen on %1: %2").arg(m_name, why);
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
        return false;
    };
    sockaddr_un address;
    if (!socketAddress(m_name, &address))
        return fail(QStringLiteral("the name is too long"));
    // Nobody answers on the name: whatever is left there is stale.
    ::unlink(address.sun_path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    // Only this user may hand shortcuts over.
    ::chmod(address.sun_path, S_IRUSR | S_IWUSR);
    if (::listen(m_listener, 16) != 0) {
        ::unlink(address.sun_path);
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    return true;
}

void SingleInstance::serve()
{
    if (m_listener < 0 || m_notifier)
        return;
    // Starts that came in before wait in the socket's backlog and are taken now.
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::takeConnections);
    takeConnections();
}

void SingleInstance::takeConnections()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        new Connection(fd, this, [this](const QStringList &targets) { emit requested(targets); });
    }
}

} // namespace app
