#include "platform/ipc/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/ipc/InstanceSocket.h"

namespace platform {

using namespace InstanceSocket;

namespace {
// A later start sends its request at once; a connection that has not sent
// it by then never will.
constexpr int kRequestMs = 5000;
// Connections open at once; past that the oldest is closed, so a flood of
// silent ones can neither use up the descriptors nor keep out a real start.
constexpr qsizetype kMaxConnections = 16;
// After accept() failed for want of descriptors or memory: asked again
// only after this, instead of at once and for ever.
constexpr int kAcceptPauseMs = 250;
// What the answer says of the refused targets, at most.
constexpr int kRefusalLines = 10;
constexpr int kRefusalLength = 1024;

QString errorText() { return QString::fromLocal8Bit(std::strerror(errno)); }

// A few kilobytes at most: the socket's buffer takes it at once.
void sendAnswer(int fd, const QStringList &answer)
{
    const QByteArray reply = encode(answer);
    [[maybe_unused]] const ssize_t sent = ::send(fd, reply.constData(), size_t(reply.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
}

} // namespace

// One later start's connection: reads its request within kRequestMs, is
// answered, closes.
class SingleInstance::Connection : public QObject {
public:
    Connection(int fd, SingleInstance &owner)
        : QObject(&owner), m_fd(fd), m_owner(owner), m_notifier(fd, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Connection::readSome);
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] { m_owner.drop(this); });
        m_deadline.start(kRequestMs);
    }
    ~Connection() override { close(); }
    int fd() const { return m_fd; }
    // At once, not when the object goes: the descriptor is what is scarce.
    void close()
    {
        if (m_fd < 0)
            return;
        m_notifier.setEnabled(false);
        m_deadline.stop();
        ::close(m_fd);
        m_fd = -1;
    }

private:
    void readSome()
    {
        char chunk[16 * 1024];
        for (;;) {
            const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
            if (n > 0) {
                // Never more than one message is kept: a request that
                // announces more is refused by decode() below, unread.
                if (m_request.size() + n > 4 + kMaxMessage)
                    return m_owner.drop(this);
                m_request.append(chunk, n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN)
                break;
            return m_owner.drop(this); // closed before the request was whole
        }
        QStringList received;
        switch (decode(m_request, &received)) {
        case Parsed::Incomplete:
            return;
        case Parsed::Invalid:
            return m_owner.drop(this);
        case Parsed::Whole:
            return m_owner.answer(this, received);
        }
    }

    int m_fd;
    SingleInstance &m_owner;
    QSocketNotifier m_notifier;
    QTimer m_deadline;
    QByteArray m_request;
};

SingleInstance::SingleInstance(const QString &profilePath, Accept accept, int maxTargets, QObject *parent)
    : QObject(parent), m_accept(std::move(accept)), m_maxTargets(std::max(0, maxTargets))
{
    m_name = serverName(profilePath, &m_noFolder);
}

SingleInstance::~SingleInstance() { stop(); }

void SingleInstance::stop()
{
    if (m_listener < 0)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_listener);
    m_listener = -1;
    QFile::remove(m_name);
}

QString SingleInstance::serverName(const QString &profilePath, QString *why)
{
    QString problem;
    const QString folder = privateFolder(&problem);
    if (folder.isEmpty()) {
        if (why)
            *why = problem;
        return {};
    }
    const QByteArray hash = QCryptographicHash::hash(QFileInfo(profilePath).absoluteFilePath().toUtf8(),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    return folder + QStringLiteral("/tessaflow-") + QString::fromLatin1(hash);
}

bool SingleInstance::listen(QString *error)
{
    auto fail = [&](const QString &why) {
        //: %1 is the socket's path, %2 why.
        *error = tr("could not listen on %1: %2").arg(m_name, why);
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
        return false;
    };
    sockaddr_un address;
    if (!socketAddress(m_name, &address))
        return fail(tr("the name is too long"));
    // Nobody answers on the name: a socket of ours left there is stale.
    QString what;
    if (lookAt(m_name, &what) == Found::OurSocket)
        ::unlink(address.sun_path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0)
        return fail(errorText());
    if (::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return fail(errorText());
    // The folder is private already; the socket is too.
    ::chmod(address.sun_path, S_IRUSR | S_IWUSR);
    if (::listen(m_listener, 16) != 0) {
        ::unlink(address.sun_path);
        return fail(errorText());
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
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                // Out of descriptors or memory: the connection stays in the
                // backlog, and asking again at once would only spin.
                m_notifier->setEnabled(false);
                QTimer::singleShot(kAcceptPauseMs, this, [this] {
                    if (!m_notifier)
                        return; // stopped meanwhile
                    m_notifier->setEnabled(true);
                    takeConnections();
                });
            }
            return;
        }
        if (!peerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
        if (m_connections.size() >= kMaxConnections)
            drop(m_connections.first());
        m_connections << new Connection(fd, *this);
    }
}

void SingleInstance::answer(Connection *connection, const QStringList &request)
{
    QStringList received;
    QString token;
    bool toggle = false;
    std::optional<QString> askedGroup;
    decodeRequest(request, &received, &token, &toggle, &askedGroup);
    std::optional<QString> group;
    if (askedGroup && m_findGroup)
        group = m_findGroup(*askedGroup);
    if (askedGroup && !group) {
        // Nothing is done for a mistyped name: the sender says so and fails.
        sendAnswer(connection->fd(), {QStringLiteral("0"), kNoSuchGroupAnswer});
        return drop(connection);
    }
    QStringList accepted;
    QStringList answer{QString()};
    qsizetype more = 0;
    // Past the cap nothing is even judged: the copy answers at once and
    // the next request does not wait behind this one.
    const qsizetype beyond = std::max<qsizetype>(0, received.size() - m_maxTargets);
    if (beyond)
        received.resize(m_maxTargets);
    for (const QString &target : received) {
        QString refusal;
        if (const auto checked = m_accept(target, &refusal))
            accepted << *checked;
        else if (answer.size() <= kRefusalLines)
            answer << refusal.left(kRefusalLength);
        else
            ++more;
    }
    if (more)
        answer << (more == 1 ? tr("1 more not added") : tr("%n more not added", nullptr, int(more)));
    if (beyond)
        answer << beyondCapText(beyond, m_maxTargets);
    for (const QString &path : decodeImports(request))
        answer << reportEntry(m_import ? m_import(path) : tr("nothing imported: %1").arg(path));
    answer[0] = QString::number(accepted.size());
    sendAnswer(connection->fd(), answer);
    drop(connection);
    if (group)
        emit groupRequested(*group, accepted, token);
    else
        emit requested(accepted, token, toggle);
}

QString SingleInstance::beyondCapText(qsizetype beyond, int max)
{
    //: %1 is how many one start may hand over.
    return tr("%n more not added: at most %1 are taken at once", nullptr, int(beyond)).arg(max);
}

void SingleInstance::drop(Connection *connection)
{
    m_connections.removeOne(connection);
    connection->close();
    connection->deleteLater();
}

} // namespace platform
