#include "shortcuts/Adding.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

#include "platform/desktop/PathOps.h"

namespace shortcuts {

namespace {

bool isUtf8Path(const QUrl &url)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = utf8.decode(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return !utf8.hasError();
}

// The path of a dropped local file or folder; empty for anything else, and
// for a name that is not UTF-8, which goes to `refused`.
QString localPath(const QUrl &url, QStringList *refused)
{
    if (!url.isValid() || url.isRelative() || !url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    // "%00" would cut the name short at the first call that takes it.
    if (path.isEmpty() || path.contains(QChar(0)))
        return {};
    if (!isUtf8Path(url)) {
        if (refused)
            *refused << path;
        return {};
    }
    return path;
}

} // namespace

QStringList droppedPaths(const QList<QUrl> &urls, QStringList *refused)
{
    QStringList paths;
    for (const QUrl &url : urls.mid(0, kMaxDropNames))
        if (const QString path = localPath(url, refused); !path.isEmpty())
            paths << path;
    return paths;
}

QString refusedNamesText(const QStringList &refused)
{
    return QStringLiteral("These names are not valid UTF-8; Tessaflow could only store them as different names, "
                          "which would not open. Rename them to add them:\n%1")
        .arg(refused.join(u'\n'));
}

QList<DroppedShortcut> droppedShortcuts(const QList<QUrl> &urls, const QStringList &titles, QStringList *refused)
{
    QList<DroppedShortcut> dropped;
    for (qsizetype i = 0; i < std::min<qsizetype>(urls.size(), kMaxDropNames); ++i) {
        const QUrl &url = urls.at(i);
        if (url.isLocalFile()) {
            if (const QString path = localPath(url, refused); !path.isEmpty())
                dropped.append({path, QString()});
        } else if (url.isValid() && !url.isRelative()) {
            const QString address = url.toString(QUrl::FullyEncoded);
            const QString title = i < titles.size() ? titles.at(i).simplified() : QString();
            dropped.append({address, title.isEmpty() ? address : title});
        }
    }
    return dropped;
}

bool AddDropped(ShortcutList &list, const QStringList &paths)
{
    QList<DroppedShortcut> dropped;
    for (const QString &path : paths)
        dropped.append({path, QString()});
    return AddDropped(list, dropped);
}

bool AddDropped(ShortcutList &list, const QList<DroppedShortcut> &dropped)
{
    for (const DroppedShortcut &one : dropped)
        if (!AddButton(list, one.target, one.caption, list.nextImageIndex()))
            return false;
    return true;
}

std::optional<QString> urlTarget(const std::optional<QString> &answer)
{
    if (!answer)
        return std::nullopt;
    const QString typed = answer->trimmed();
    if (typed.isEmpty() || typed == kUrlDefault)
        return std::nullopt;
    if (!platform::PathOps::HasUrlScheme(typed) && !QFileInfo::exists(typed))
        return QStringLiteral("http://") + typed;
    return typed;
}

} // namespace shortcuts
