#include "shortcuts/Adding.h"

#include <QFileInfo>

#include "platform/PathOps.h"

namespace shortcuts {

QStringList droppedPaths(const QList<QUrl> &urls)
{
    QStringList paths;
    for (const QUrl &url : urls.mid(0, kMaxDropNames)) {
        if (!url.isValid() || url.isRelative() || !url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

bool AddDropped(ShortcutList &list, const QStringList &paths)
{
    for (const QString &path : paths)
        if (!AddButton(list, path, QString(), list.nextImageIndex()))
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
