#include "platform/profile/ProfileVersions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/profile/ProfileGuard.h"

namespace platform {

namespace {

// A version's name: when it was kept (UTC, to the millisecond), a sequence
// number when that moment already has one, "-other" for another program's.
const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
constexpr qsizetype kStampLength = 19;
const QString kOtherMark = QStringLiteral("-other");
const QString kSuffix = QStringLiteral(".ini");
// Temporary files of versions being written; a crash may leave one behind.
const QByteArray kTemporaryPrefix = ".new-";
constexpr std::time_t kStaleTemporarySeconds = 60;

QString reason() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString versionName(const QDateTime &when, VersionKind kind, int sequence)
{
    QString name = when.toUTC().toString(kStampFormat);
    if (sequence > 0)
        name += u'-' + QString::number(sequence);
    if (kind == VersionKind::ChangedElsewhere)
        name += kOtherMark;
    return name + kSuffix;
}

bool parseVersionName(const QString &name, ProfileVersion &version)
{
    if (name.size() < kStampLength + kSuffix.size() || !name.endsWith(kSuffix))
        return false;
    // Date and time apart: a moment local time skips is still a UTC one.
    const QDate date = QDate::fromString(name.first(8), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(name.sliced(9, 10), QStringLiteral("HHmmss-zzz"));
    if (!date.isValid() || !time.isValid() || name.at(8) != u'-')
        return false;
    version.when = QDateTime(date, time, Qt::UTC);
    QStringView rest = QStringView(name).sliced(kStampLength).chopped(kSuffix.size());
    version.kind = VersionKind::Replaced;
    if (rest.endsWith(kOtherMark)) {
        version.kind = VersionKind::ChangedElsewhere;
        rest.chop(kOtherMark.size());
    }
    version.sequence = 0;
    if (rest.isEmpty())
        return true;
    if (rest.size() < 2 || rest.size() > 7 || rest.front() != u'-' || rest.at(1) == u'0')
        return false;
    for (const QChar c : rest.sliced(1)) {
        if (c < u'0' || c > u'9')
            return false;
        version.sequence = version.sequence * 10 + (c.unicode() - u'0');
    }
    return true;
}

// The folder opened as a folder, never through a link and never anything
// else at its name (O_DIRECTORY refuses a FIFO before it is opened, so
// nothing waits). -1 with a reason; -2 when it is missing and not to be made.
int openFolder(const QString &folder, bool create, QString *why)
{
    const QByteArray name = QFile::encodeName(folder);
    bool made = false;
    if (create) {
        if (::mkdir(name.constData(), 0700) == 0)
            made = true;
        else if (errno != EEXIST) {
            *why = reason();
            return -1;
        }
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int openError = errno;
        struct stat st = {};
        if (!create && openError == ENOENT)
            return -2;
        if (::lstat(name.constData(), &st) == 0 && !S_ISDIR(st.st_mode))
            *why = kindOfFile(st.st_mode);
        else
            *why = QString::fromLocal8Bit(std::strerror(openError));
        return -1;
    }
    if (made) {
        // The new folder's name on disk too, before anything is kept in it.
        const int parent = ::open(QFile::encodeName(QFileInfo(folder).path()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (parent >= 0) {
            ::fsync(parent);
            ::close(parent);
        }
    }
    return fd;
}

// The versions in the open folder, newest first; old temporary files of
// ours go when `removeStale`.
void scan(int folderFd, const QString &folder, std::vector<ProfileVersion> &versions, bool removeStale)
{
    versions.clear();
    const int copy = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    DIR *dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return;
    }
    ::rewinddir(dir);
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        struct stat st = {};
        if (::fstatat(folderFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (std::strncmp(entry->d_name, kTemporaryPrefix.constData(), size_t(kTemporaryPrefix.size())) == 0) {
            if (removeStale && st.st_uid == ::geteuid() && now - st.st_mtim.tv_sec > kStaleTemporarySeconds)
                ::unlinkat(folderFd, entry->d_name, 0);
            continue;
        }
        const QString name = QFile::decodeName(entry->d_name);
        ProfileVersion version;
        if (!parseVersionName(name, version))
            continue;
        version.path = folder + u'/' + name;
        version.size = qint64(st.st_size);
        versions.push_back(std::move(version));
    }
    ::closedir(dir);
    std::sort(versions.begin(), versions.end(), [](const ProfileVersion &a, const ProfileVersion &b) {
        return a.when != b.when ? a.when > b.when : a.sequence > b.sequence;
    });
}

// Writes `bytes` to a new temporary file in the folder, on disk when this
// returns; its name, or empty with errno set.
QByteArray writeTemporary(int folderFd, const QByteArray &bytes)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QByteArray name = kTemporaryPrefix + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::openat(folderFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        int error = 0;
        for (qsizetype written = 0; written < bytes.size() && !error;) {
            const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
            if (n > 0)
                written += n;
            else if (n == 0)
                error = ENOSPC;
            else if (errno != EINTR)
                error = errno;
        }
        if (!error && ::fsync(fd) != 0)
            error = errno;
        if (::close(fd) != 0 && !error)
            error = errno;
        if (!error)
            return name;
        ::unlinkat(folderFd, name.constData(), 0);
        errno = error;
        return {};
    }
    errno = EEXIST;
    return {};
}

} // namespace

QString versionsFolder(const QString &profilePath)
{
    const QFileInfo profile(profilePath);
    return profile.dir().filePath(profile.completeBaseName() + QStringLiteral(".versions"));
}

QString keepVersion(const QString &profilePath, const QByteArray &bytes, VersionKind kind, const QDateTime &now,
                    const VersionLimits &limits, QString *error)
{
    const QString folder = versionsFolder(profilePath);
    const auto cannot = [&](const QString &why) {
        //: %1 is the profile's path, %2 the folder of its earlier versions, %3 the reason.
        fail(error, QCoreApplication::translate("ProfileVersions", "Cannot keep an earlier version of %1 in %2: %3")
                        .arg(profilePath, folder, why));
        return QString();
    };
    QString why;
    const int folderFd = openFolder(folder, true, &why);
    if (folderFd < 0)
        return cannot(why);
    const QByteArray temporary = writeTemporary(folderFd, bytes);
    if (temporary.isEmpty()) {
        const QString writeError = reason();
        ::close(folderFd);
        return cannot(writeError);
    }
    // A name no version has yet: never replaces one, whoever kept it.
    QString name;
    int renamed = -1;
    for (int sequence = 0; sequence < 1000 && renamed != 0; ++sequence) {
        name = versionName(now, kind, sequence);
        renamed = ::renameat2(folderFd, temporary.constData(), folderFd, QFile::encodeName(name).constData(),
                              RENAME_NOREPLACE);
        if (renamed != 0 && errno != EEXIST)
            break;
    }
    if (renamed != 0) {
        const QString renameError = reason();
        ::unlinkat(folderFd, temporary.constData(), 0);
        ::close(folderFd);
        return cannot(renameError);
    }
    // The new name on disk, before the profile it keeps is replaced.
    ::fsync(folderFd);

    std::vector<ProfileVersion> versions;
    scan(folderFd, folder, versions, true);
    for (const size_t i : versionsBeyond(versions, now, limits))
        ::unlinkat(folderFd, QFile::encodeName(QFileInfo(versions[i].path).fileName()).constData(), 0);
    ::close(folderFd);
    return folder + u'/' + name;
}

bool listVersions(const QString &profilePath, std::vector<ProfileVersion> &versions, QString *error)
{
    versions.clear();
    const QString folder = versionsFolder(profilePath);
    QString why;
    const int folderFd = openFolder(folder, false, &why);
    if (folderFd == -2)
        return true;
    if (folderFd < 0)
        //: %1 is the folder of the profile's earlier versions, %2 the reason.
        return fail(error, QCoreApplication::translate("ProfileVersions", "Cannot read the earlier versions in %1: %2")
                               .arg(folder, why));
    scan(folderFd, folder, versions, false);
    ::close(folderFd);
    return true;
}

std::vector<size_t> versionsBeyond(const std::vector<ProfileVersion> &newestFirst, const QDateTime &now,
                                   const VersionLimits &limits)
{
    std::vector<bool> kept(newestFirst.size(), false);
    // The newest is what the last change replaced: kept whatever the limits.
    if (!kept.empty())
        kept[0] = true;
    // The newest of each of the last days, counted in the user's days.
    const QDateTime since = now.addDays(-limits.days);
    QSet<QDate> days;
    for (size_t i = 0; i < newestFirst.size(); ++i) {
        const ProfileVersion &version = newestFirst[i];
        if (i < size_t(std::max(limits.changes, 0)))
            kept[i] = true;
        const QDate day = version.when.toLocalTime().date();
        if (version.when > since && !days.contains(day)) {
            days.insert(day);
            kept[i] = true;
        }
    }
    // The newest is kept whatever its size; older ones while they fit.
    qint64 total = 0;
    bool first = true;
    for (size_t i = 0; i < newestFirst.size(); ++i) {
        if (!kept[i])
            continue;
        if (!first && total + newestFirst[i].size > limits.totalBytes)
            kept[i] = false;
        else
            total += newestFirst[i].size;
        first = false;
    }
    std::vector<size_t> beyond;
    for (size_t i = 0; i < kept.size(); ++i)
        if (!kept[i])
            beyond.push_back(i);
    return beyond;
}

} // namespace platform
