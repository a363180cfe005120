#include "platform/profile/ProfileGuard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

qint64 nanoseconds(const struct timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; }

ProfileStamp stampOf(const struct stat &st)
{
    return {true, quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), nanoseconds(st.st_mtim),
            nanoseconds(st.st_ctim)};
}

} // namespace

QString kindOfFile(unsigned mode)
{
    if (S_ISLNK(mode))
        return QCoreApplication::translate("ProfileGuard", "it is a symbolic link");
    if (S_ISDIR(mode))
        return QCoreApplication::translate("ProfileGuard", "it is a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("ProfileGuard", "it is a FIFO, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("ProfileGuard", "it is a device, not a regular file");
    return QCoreApplication::translate("ProfileGuard", "it is not a regular file");
}

namespace {

QString kindOf(mode_t mode) { return kindOfFile(mode); }

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool statProfile(const QString &path, ProfileStamp &stamp, QString *error)
{
    stamp = {};
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return true;
        return fail(error, QCoreApplication::translate("ProfileGuard", "Cannot read %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    if (!S_ISREG(st.st_mode))
        return fail(error, QCoreApplication::translate("ProfileGuard", "Cannot read %1: %2").arg(path, kindOf(st.st_mode)));
    stamp = stampOf(st);
    return true;
}

bool readProfileBytes(const QString &path, QByteArray &bytes, ProfileStamp &stamp, QString *error)
{
    bytes.clear();
    stamp = {};
    const QByteArray name = QFile::encodeName(path);
    const auto cannot = [&](const QString &why) {
        //: %1 is the profile's path, %2 the reason.
        return fail(error, QCoreApplication::translate("ProfileGuard", "Cannot read %1: %2").arg(path, why));
    };
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
    stamp = stampOf(st);
    return true;
}

bool mayReplace(const QString &path, QString *error)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return true;
    return fail(error, QCoreApplication::translate("ProfileGuard", "Cannot write %1: %2").arg(path, kindOf(st.st_mode)));
}

ProfileStamp stampOfWritten(const QString &path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return stampOf(st);
}

namespace {

// The number N of a name PROFILE.bak.N ("1", "2", ... no leading zero); 0 for any other name.
int backupNumber(const QString &name, const QString &numberedPrefix)
{
    if (!name.startsWith(numberedPrefix) || name.size() == numberedPrefix.size() || name.size() > numberedPrefix.size() + 9
        || name.at(numberedPrefix.size()) == u'0')
        return 0;
    int number = 0;
    for (const QChar c : QStringView(name).sliced(numberedPrefix.size())) {
        if (c < u'0' || c > u'9')
            return 0;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

// Writes a new file, never one that is there already and never through a
// link (O_EXCL refuses both). EEXIST when the name is taken.
int writeNewFile(const QByteArray &name, const QByteArray &bytes)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    qsizetype written = 0;
    int error = 0;
    while (written < bytes.size() && !error) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0)
            written += n;
        else if (n < 0 && errno != EINTR)
            error = errno;
    }
    // On disk before the profile it keeps is replaced.
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error)
        ::unlink(name.constData());
    return error;
}

} // namespace

QString keepBackup(const QString &profilePath, const QByteArray &bytes, QString *error)
{
    const QFileInfo profile(profilePath);
    const QDir folder = profile.dir();
    const QString first = profile.fileName() + QStringLiteral(".bak");
    const QString numberedPrefix = first + u'.';
    // The numbered backups there now; the names in use are looked at by hand,
    // as in removeStaleTemporaries.
    std::vector<int> numbers;
    QDirIterator names(folder.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (names.hasNext())
        if (const int n = backupNumber(names.nextFileInfo().fileName(), numberedPrefix))
            numbers.push_back(n);
    std::sort(numbers.begin(), numbers.end());

    QString name = first;
    int next = numbers.empty() ? 1 : numbers.back() + 1;
    for (int attempt = 0;; ++attempt) {
        const int result = writeNewFile(QFile::encodeName(folder.filePath(name)), bytes);
        if (result == 0)
            break;
        // Taken (by the user's own PROFILE.bak, a link, a backup another copy
        // just made): the next name.
        if (result != EEXIST || attempt > 100 || next >= 999999999) {
            //: %1 is the profile's path, %2 the backup's path, %3 the system's reason.
            fail(error, QCoreApplication::translate("ProfileGuard", "Cannot keep the other version of %1 as %2: %3")
                            .arg(profilePath, folder.filePath(name), QString::fromLocal8Bit(std::strerror(result))));
            return {};
        }
        name = numberedPrefix + QString::number(next++);
    }
    if (name != first)
        numbers.push_back(next - 1);

    // The oldest of our own numbered backups go; PROFILE.bak may be one the
    // user keeps, and anything that is not a plain file of ours stays too.
    for (size_t i = 0; i + size_t(kKeptBackups) < numbers.size(); ++i) {
        const QByteArray old = QFile::encodeName(folder.filePath(numberedPrefix + QString::number(numbers[i])));
        struct stat st = {};
        if (::lstat(old.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(old.constData());
    }
    return folder.filePath(name);
}

ProfileLock::ProfileLock(const QString &profilePath) : m_profilePath(profilePath) {}

ProfileLock::~ProfileLock() = default;

bool ProfileLock::acquire(QString *error)
{
    const QString lockPath = m_profilePath + QStringLiteral(".lock");
    // QLockFile reads what it finds at the name, and opening a FIFO waits for
    // a writer for good: only a regular file is ever taken for a lock.
    struct stat st = {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        //: %1 is the profile's path, %2 its lock file's path, %3 what is there instead of a file.
        return fail(error, QCoreApplication::translate("ProfileGuard", "Cannot write %1: %2 is in the way of its lock: %3")
                               .arg(m_profilePath, lockPath, kindOf(st.st_mode)));
    m_lock = std::make_unique<QLockFile>(lockPath);
    // Another copy's save holds it for milliseconds; a holder that died is
    // detected by QLockFile from its process id and the lock taken over.
    // Waiting long would freeze the window at every save (and delay the end
    // on SIGTERM) while a live process keeps it.
    const QDeadlineTimer deadline(kLockWaitMs);
    for (;;) {
        if (m_lock->tryLock(0))
            return true;
        if (m_lock->error() != QLockFile::LockFailedError) {
            m_lock.reset();
            return true;
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(20);
    }
    m_lock.reset();
    return fail(error, QCoreApplication::translate("ProfileGuard", "Cannot write %1: another program keeps it locked (%1.lock)")
                           .arg(m_profilePath));
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
