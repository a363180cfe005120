#include "platform/profile/ProfileGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QByteArray hashOf(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }

qint64 mtimeNs(const struct stat &st) { return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec; }

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a FIFO, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a regular file");
    return QStringLiteral("it is not a regular file");
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool readProfileBytes(const QString &path, QByteArray &bytes, ProfileStamp &stamp, QString *error)
{
    bytes.clear();
    stamp = {};
    const QByteArray name = QFile::encodeName(path);
    const auto cannot = [&](const QString &why) { return fail(error, QStringLiteral("Cannot read %1: %2").arg(path, why)); };
    struct stat st = {};
    if (::stat(name.constData(), &st) != 0) {
        // No file (or no folder on the way): an empty profile.
        if (errno == ENOENT || errno == ENOTDIR)
            return true;
        return cannot(QString::fromLocal8Bit(std::strerror(errno)));
    }
    // Never opened at all: opening a FIFO waits for a writer, and a device
    // may have effects of its own or never end.
    if (!S_ISREG(st.st_mode))
        return cannot(kindOf(st.st_mode));
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return cannot(QString::fromLocal8Bit(std::strerror(errno)));
    // What was opened may have been swapped since the look above.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return cannot(kindOf(st.st_mode));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return cannot(file.errorString());
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return cannot(file.errorString());
    }
    stamp = {true, bytes.size(), mtimeNs(st), hashOf(bytes)};
    return true;
}

bool mayReplace(const QString &path, QString *error)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return true;
    return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, kindOf(st.st_mode)));
}

ProfileStamp stampOfWritten(const QString &path, const QByteArray &bytes)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true, bytes.size(), mtimeNs(st), hashOf(bytes)};
}

bool writeBackup(const QString &backupPath, const QByteArray &bytes, QString *error)
{
    if (!mayReplace(backupPath, error))
        return false;
    QSaveFile file(backupPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(backupPath, reason));
    }
    if (!file.commit())
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(backupPath, file.errorString()));
    return true;
}

ProfileLock::ProfileLock(const QString &profilePath) : m_profilePath(profilePath) {}

ProfileLock::~ProfileLock() = default;

bool ProfileLock::acquire(QString *error)
{
    m_lock = std::make_unique<QLockFile>(m_profilePath + QStringLiteral(".lock"));
    // A save takes well under a second; a holder that died is detected by
    // QLockFile from its process id and the lock taken over.
    if (m_lock->tryLock(5000))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError)
        return fail(error, QStringLiteral("Cannot write %1: another program keeps it locked (%1.lock)").arg(m_profilePath));
    m_lock.reset();
    return true;
}

int removeStaleTemporaries(const QString &profilePath, std::chrono::seconds minAge)
{
    // Saves go to the file a link points to, and so do their temporary files.
    QFileInfo profile(profilePath);
    if (profile.isSymLink())
        profile = QFileInfo(profile.symLinkTarget());
    // QSaveFile's own pattern: the name, a dot and six letters or digits.
    // Six lower-case letters are left alone: "tsw.ini.backup" is somebody's.
    const QString prefix = profile.fileName() + u'.';
    auto isTemporary = [&prefix](const QString &name) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            return false;
        bool onlyLowerCase = true;
        for (const QChar c : QStringView(name).sliced(prefix.size())) {
            const bool lower = c >= u'a' && c <= u'z';
            if (!lower && !(c >= u'A' && c <= u'Z') && !(c >= u'0' && c <= u'9'))
                return false;
            onlyLowerCase = onlyLowerCase && lower;
        }
        return !onlyLowerCase;
    };
    const QDir folder = profile.dir();
    const qint64 now = qint64(std::time(nullptr));
    int removed = 0;
    // Every name is looked at by hand: a name filter is a pattern compiled at each start.
    QDirIterator names(folder.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (names.hasNext()) {
        const QString name = names.nextFileInfo().fileName();
        if (!isTemporary(name))
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        struct stat st = {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()
            || now - qint64(st.st_mtim.tv_sec) < minAge.count())
            continue;
        if (::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace platform
