#include "platform/xdg/PathOps.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "platform/xdg/RegularFile.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>

namespace platform::PathOps {

Presence PathPresence(const QString &path, int *error)
{
    if (path.isEmpty())
        return Presence::Missing;
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    // stat follows links: a link that leads nowhere is missing.
    if (::stat(name.constData(), &st) == 0)
        return Presence::Exists;
    const int why = errno;
    if (why == ENOENT || why == ENOTDIR)
        return Presence::Missing;
    // A name longer than any folder holds cannot be there at all; only a
    // whole path too long to pass may name something.
    if (why == ENAMETOOLONG) {
        qsizetype start = 0;
        while (start <= name.size()) {
            qsizetype end = name.indexOf('/', start);
            if (end < 0)
                end = name.size();
            if (end - start > NAME_MAX)
                return Presence::Missing;
            start = end + 1;
        }
    }
    if (error)
        *error = why;
    return Presence::Unreachable;
}

namespace {

// On Linux a backslash is an ordinary character of a file name.
bool isSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
#else
    return c == QLatin1Char('/');
#endif
}

// Length of the root of a cleaned absolute path ("/", "C:/", "//server/share/"),
// the part that ".." can never climb above.
qsizetype rootLength(const QString &path)
{
#ifdef Q_OS_WIN
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':'))
        return path.size() >= 3 && path.at(2) == QLatin1Char('/') ? 3 : 2;
    if (path.startsWith(QLatin1String("//"))) {
        const qsizetype server = path.indexOf(QLatin1Char('/'), 2);
        if (server < 0)
            return path.size();
        const qsizetype share = path.indexOf(QLatin1Char('/'), server + 1);
        return share < 0 ? path.size() : share + 1;
    }
#endif
    return path.startsWith(QLatin1Char('/')) ? 1 : 0;
}

} // namespace

bool FileExists(const QString &path)
{
    // QFileInfo follows symbolic links; a device or pipe is not a file here.
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool FolderExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString GetFileName(const QString &path)
{
    qsizetype end = path.size();
    while (end > 0 && isSeparator(path.at(end - 1)))
        --end;
    qsizetype start = end;
    while (start > 0 && !isSeparator(path.at(start - 1)))
        --start;
#ifdef Q_OS_WIN
    // "C:" alone is a drive, not a name; "C:name" is a name relative to it.
    if (start == 0 && end >= 2 && path.at(1) == QLatin1Char(':'))
        start = 2;
#endif
    return path.mid(start, end - start);
}

QString GetExtensionName(const QString &path)
{
    const QString name = GetFileName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString GetAbsolutePathName(const QString &path)
{
    if (path.isEmpty())
        return {};
    QString absolute = path;
    if (QDir::isRelativePath(path)) {
        // getcwd fails once the working folder has been deleted; guessing a
        // base would hand back a path to somewhere else entirely.
        const QString base = QDir::currentPath();
        if (base.isEmpty() || QDir::isRelativePath(base))
            return {};
        absolute = QDir(base).absoluteFilePath(path);
    }
    QString clean = QDir::cleanPath(absolute);

    // cleanPath keeps ".." that climbs above the root ("/../a"); the root is
    // its own parent, so drop them.
    const qsizetype root = rootLength(clean);
    qsizetype rest = root;
    while (clean.mid(rest, 2) == QLatin1String("..")
           && (rest + 2 == clean.size() || clean.at(rest + 2) == QLatin1Char('/')))
        rest = qMin(rest + 3, clean.size());
    if (rest != root)
        clean.remove(root, rest - root);
    if (clean.size() > root && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    return QDir::toNativeSeparators(clean);
}

std::optional<bool> IsProgram(const QString &path)
{
    if (!QFileInfo(path).isExecutable())
        return false;
    // A FIFO or a device with an execute bit is no program, and opening it
    // to look could wait for ever.
    QByteArray head;
    switch (readRegularFile(path, 4, &head)) {
    case FileRead::Done:
        return head == QByteArray("\x7f" "ELF", 4) || head.startsWith("#!");
    case FileRead::Unreadable:
        return std::nullopt;
    case FileRead::Missing:
    case FileRead::NotRegular:
        break;
    }
    return false;
}

} // namespace platform::PathOps
