#include "platform/ipc/InstanceSocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::InstanceSocket {

namespace {

void appendLength(QByteArray &out, quint32 n)
{
    const char bytes[4] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    out.append(bytes, 4);
}

quint32 lengthAt(const QByteArray &in, qsizetype at)
{
    const auto b = [&](qsizetype i) { return quint32(quint8(in[at + i])); };
    return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}

QString kindOf(const struct stat &st)
{
    if (S_ISLNK(st.st_mode))
        //: Follows a path.
        return QCoreApplication::translate("InstanceSocket", "is a symbolic link");
    if (S_ISDIR(st.st_mode))
        //: Follows a path.
        return QCoreApplication::translate("InstanceSocket", "is a folder");
    if (S_ISSOCK(st.st_mode))
        //: Follows a path.
        return QCoreApplication::translate("InstanceSocket", "is a socket of another user");
    //: Follows a path.
    return QCoreApplication::translate("InstanceSocket", "is not a socket");
}

bool isPrivateFolder(const QString &path, QString *why)
{
    struct stat st = {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        *why = QString::fromLocal8Bit(std::strerror(errno));
    else if (S_ISLNK(st.st_mode))
        *why = QCoreApplication::translate("InstanceSocket", "is a symbolic link");
    else if (!S_ISDIR(st.st_mode))
        //: Follows a path.
        *why = QCoreApplication::translate("InstanceSocket", "is not a folder");
    else if (st.st_uid != ::geteuid())
        //: Follows a path.
        *why = QCoreApplication::translate("InstanceSocket", "belongs to another user");
    else if ((st.st_mode & 077) != 0)
        //: Follows a path; %1 is the folder's permissions in octal.
        *why = QCoreApplication::translate("InstanceSocket", "may be used by other users (mode %1)")
                   .arg(st.st_mode & 0777, 3, 8, QLatin1Char('0'));
    else if ((st.st_mode & S_IRWXU) != S_IRWXU)
        // Private yet unusable: no socket could be made there, and a later
        // start would not find the running copy.
        //: Follows a path; %1 is the folder's permissions in octal.
        *why = QCoreApplication::translate("InstanceSocket", "cannot be written to (mode %1)")
                   .arg(st.st_mode & 0777, 3, 8, QLatin1Char('0'));
    else
        return true;
    return false;
}

} // namespace

namespace {
const QString kTokenEntry = QStringLiteral("\u0001token=");
const QString kToggleEntry = QStringLiteral("\u0001toggle");
const QString kGroupEntry = QStringLiteral("\u0001group=");
const QString kImportEntry = QStringLiteral("\u0001import=");
const QString kReportEntry = QStringLiteral("\u0001report=");
// Activation tokens are short printable ASCII; anything else is not one.
constexpr qsizetype kMaxToken = 512;
bool plausibleToken(const QString &token)
{
    if (token.isEmpty() || token.size() > kMaxToken)
        return false;
    for (const QChar c : token)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            return false;
    return true;
}
} // namespace

QStringList encodeRequest(const QStringList &targets, const QString &token, bool toggle,
                          const std::optional<QString> &group)
{
    QStringList request;
    if (group)
        request << kGroupEntry + *group;
    if (toggle)
        request << kToggleEntry;
    if (plausibleToken(token))
        request << kTokenEntry + token;
    return request + targets;
}

void decodeRequest(const QStringList &request, QStringList *targets, QString *token, bool *toggle,
                   std::optional<QString> *group)
{
    targets->clear();
    token->clear();
    *toggle = false;
    if (group)
        group->reset();
    for (const QString &entry : request) {
        if (entry == kToggleEntry)
            *toggle = true;
        else if (group && entry.startsWith(kGroupEntry))
            *group = entry.mid(kGroupEntry.size());
        else if (entry.startsWith(kTokenEntry) && plausibleToken(entry.mid(kTokenEntry.size())))
            *token = entry.mid(kTokenEntry.size());
        else if (!entry.startsWith(QChar(1)))
            *targets << entry;
    }
}

QStringList importEntries(const QStringList &paths)
{
    QStringList entries;
    for (const QString &path : paths)
        entries << kImportEntry + path;
    return entries;
}

QStringList decodeImports(const QStringList &request)
{
    QStringList paths;
    for (const QString &entry : request)
        if (entry.startsWith(kImportEntry) && entry.size() > kImportEntry.size())
            paths << entry.mid(kImportEntry.size());
    return paths;
}

QString reportEntry(const QString &report) { return kReportEntry + report; }

bool isReport(const QString &entry, QString *report)
{
    if (!entry.startsWith(kReportEntry))
        return false;
    *report = entry.mid(kReportEntry.size());
    return true;
}

QByteArray encode(const QStringList &strings)
{
    QByteArray body;
    for (const QString &s : strings) {
        const QByteArray utf8 = s.toUtf8();
        appendLength(body, quint32(utf8.size()));
        body += utf8;
    }
    QByteArray message;
    message.reserve(body.size() + 4);
    appendLength(message, quint32(body.size()));
    return message + body;
}

Parsed decode(const QByteArray &received, QStringList *strings)
{
    strings->clear();
    if (received.size() < 4)
        return Parsed::Incomplete;
    const quint32 length = lengthAt(received, 0);
    if (length > quint32(kMaxMessage))
        return Parsed::Invalid;
    const qsizetype end = 4 + qsizetype(length);
    if (received.size() < end)
        return Parsed::Incomplete;
    if (received.size() > end)
        return Parsed::Invalid;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    for (qsizetype at = 4; at < end;) {
        if (end - at < 4)
            return Parsed::Invalid;
        const quint32 n = lengthAt(received, at);
        at += 4;
        if (n > quint32(end - at))
            return Parsed::Invalid;
        utf8.resetState();
        *strings << utf8.decode(QByteArrayView(received).sliced(at, qsizetype(n)));
        if (utf8.hasError())
            return Parsed::Invalid;
        at += qsizetype(n);
    }
    return Parsed::Whole;
}

QString privateFolder(QString *why)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString ignored;
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime, &ignored))
        return QDir::cleanPath(runtime);
    // Without a runtime folder of our own (su, ssh, cron), one in the shared
    // temporary folder; a name somebody else took there is never used.
    const QString own = QDir::tempPath() + QStringLiteral("/tessaflow-") + QString::number(::geteuid());
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST) {
        *why = QStringLiteral("%1: %2").arg(own, QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    QString problem;
    if (isPrivateFolder(own, &problem))
        return own;
    //: %1 is a folder's path, %2 what is wrong with it ("is a symbolic link").
    *why = QCoreApplication::translate("InstanceSocket", "%1 %2").arg(own, problem);
    return {};
}

Found lookAt(const QString &name, QString *what)
{
    struct stat st = {};
    if (::lstat(QFile::encodeName(name).constData(), &st) != 0) {
        if (errno == ENOENT)
            return Found::Nothing;
        *what = QString::fromLocal8Bit(std::strerror(errno));
        return Found::SomethingElse;
    }
    if (S_ISSOCK(st.st_mode) && st.st_uid == ::geteuid())
        return Found::OurSocket;
    *what = kindOf(st);
    return Found::SomethingElse;
}

bool peerIsThisUser(int fd)
{
    struct ucred peer = {};
    socklen_t length = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && length == sizeof peer
           && peer.uid == ::geteuid();
}

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

bool receiveMessage(int fd, const QDeadlineTimer &deadline, QStringList *strings)
{
    QByteArray received;
    char chunk[16 * 1024];
    for (;;) {
        if (!waitFor(fd, POLLIN, deadline))
            return false;
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0 || received.size() + n > 4 + kMaxMessage)
            return false;
        received.append(chunk, n);
        switch (decode(received, strings)) {
        case Parsed::Incomplete:
            continue;
        case Parsed::Whole:
            return true;
        case Parsed::Invalid:
            return false;
        }
    }
}

} // namespace platform::InstanceSocket
