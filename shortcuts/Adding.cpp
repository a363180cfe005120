#include "shortcuts/Adding.h"

#include <QFileInfo>
#include <algorithm>

#include "platform/PathOps.h"

namespace shortcuts {

namespace {
QString localPath(const QUrl &url)
{
    return url.isValid() && !url.isRelative() && url.isLocalFile() ? url.toLocalFile() : QString();
}
} // namespace

QStringList droppedPaths(const QList<QUrl> &urls)
{
    QStringList paths;
    for (const QUrl &url : urls.mid(0, kMaxDropNames))
        if (const QString path = localPath(url); !path.isEmpty())
            paths << path;
    return paths;
}

QList<DroppedShortcut> droppedShortcuts(const QList<QUrl> &urls, const QStringList &titles)
{
    QList<DroppedShortcut> dropped;
    for (qsizetype i = 0; i < std::min<qsizetype>(urls.size(), kMaxDropNames); ++i) {
        const QUrl &url = urls.at(i);
        if (const QString path = localPath(url); !path.isEmpty()) {
            dropped.append({path, QString()});
        } else if (url.isValid() && !url.isRelative() && !url.isLocalFile()) {
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
