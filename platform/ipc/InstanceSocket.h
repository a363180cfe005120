#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include <sys/un.h>

class QDeadlineTimer;

namespace platform::InstanceSocket {

// The pieces of the running-copy socket that need no event loop: where it
// lives, what may be found at its name, who is at the other end, and the
// messages both sides exchange.

// The longest message either side takes: far more than any command line
// (Linux allows a few MiB of arguments), and nothing is kept beyond it.
inline constexpr qsizetype kMaxMessage = 8 * 1024 * 1024;

// A message: four bytes (big-endian) with the length of the rest, then each
// string as four bytes of length and its UTF-8.
QByteArray encode(const QStringList &strings);

// A later start's request: its targets, led by what it asks besides them (an
// activation token, a toggle), each marked so that no target can be taken
// for it and a copy that knows no such entries refuses them as targets.
// A group asked for (--group) is one more such entry: a copy that knows no
// groups passes it over and takes the targets as if none was named.
QStringList encodeRequest(const QStringList &targets, const QString &token, bool toggle,
                          const std::optional<QString> &group = std::nullopt);
void decodeRequest(const QStringList &request, QStringList *targets, QString *token, bool *toggle,
                   std::optional<QString> *group = nullptr);

// The running copy's answer, after the count of targets taken, when the
// group asked for is none of its own: the only entry so marked, sent only to
// a start that named a group (so never to one that would print it).
inline const QString kNoSuchGroupAnswer = QStringLiteral("\u0001nogroup");
// Files to import, as entries that go with a request (marked as above), and
// those a request holds.
QStringList importEntries(const QStringList &paths);
QStringList decodeImports(const QStringList &request);
// What an import made of it, as a line of the answer, marked apart from the
// refusals; false for a refusal.
QString reportEntry(const QString &report);
bool isReport(const QString &entry, QString *report);

enum class Parsed {
    Incomplete, // more is to come
    Whole,
    Invalid, // a length above kMaxMessage or past the end, bytes after the end, text that is not UTF-8
};
// Parses the bytes received so far. Nothing is allocated for a length or a
// count that has not arrived: a declared length is only compared.
Parsed decode(const QByteArray &received, QStringList *strings);

// The folder the socket lives in: $XDG_RUNTIME_DIR when it is this user's
// own, private and usable (owned by this user, mode 0700, not a symbolic link);
// else TMPDIR/tessaflow-UID, made so when missing and used only when it
// passes the same check. Empty, with the reason, when neither will do.
QString privateFolder(QString *why);

enum class Found {
    Nothing,
    OurSocket,     // a socket this user made
    SomethingElse, // described in *what: never connected to, never removed
};
Found lookAt(const QString &name, QString *what);

// Whether the process at the other end of a connected socket runs as this user.
bool peerIsThisUser(int fd);

// The socket address of a path; false when the path is too long for one.
bool socketAddress(const QString &name, sockaddr_un *address);
// Waits for `events` on `fd` until `deadline`; false on time-out or error.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline);
bool sendAll(int fd, const QByteArray &data, const QDeadlineTimer &deadline);
// Reads one whole message within the deadline, never more than one.
bool receiveMessage(int fd, const QDeadlineTimer &deadline, QStringList *strings);

} // namespace platform::InstanceSocket
