#include "app/ProfileLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace app {

namespace {

const QString kProfileName = QStringLiteral("tsw.ini");

// An installed program never writes beside itself, not even when root runs it
// and every permission check would let it.
bool isSystemFolder(const QString &dir)
{
    for (const QString &prefix : {QStringLiteral("/usr"), QStringLiteral("/opt")}) {
        if (dir == prefix || dir.startsWith(prefix + QLatin1Char('/')))
            return true;
    }
    return dir == QLatin1String("/bin") || dir == QLatin1String("/sbin");
}

// Permission bits know nothing of read-only file systems or ACLs; only making
// a file tells for sure. A save needs exactly this: it writes a temporary file
// in the profile's folder and renames it over the old profile, so a writable
// tsw.ini in a folder that is not writable could never be saved.
bool canCreateFilesIn(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(dir + QStringLiteral("/.tsw-probe-XXXXXX"));
    return probe.open();
}

// /bin is a link to /usr/bin on current systems: compare real paths.
QString realFolder(const QString &dir)
{
    const QFileInfo info(dir);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The copy must be the user's own, writable whatever the original's mode.
void copyProfile(const QString &from, const QString &to)
{
    if (QFile::copy(from, to))
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

} // namespace

QString executableDir()
{
    // What Qt itself reads on Linux.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

QString userProfilePath()
{
    const QString dir =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tessaflow");
    // A failure shows up, and is reported, at the first save.
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + kProfileName;
}

QString profilePath(const QString &executableDir)
{
    const QString dir = realFolder(executableDir);
    const QString beside = dir + QLatin1Char('/') + kProfileName;
    if (!isSystemFolder(dir) && canCreateFilesIn(dir))
        return beside;
    const QString user = userProfilePath();
    if (!QFileInfo::exists(user) && QFileInfo(beside).isFile())
        copyProfile(beside, user);
    return user;
}

} // namespace app
