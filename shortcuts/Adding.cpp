#include "shortcuts/Adding.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "platform/PathOps.h"

namespace shortcuts {

namespace {

bool isUtf8Path(const QUrl &url)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = utf8.decode(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return !utf8.hasError();
}

} // namespace

QStringList droppedPaths(const QList<QUrl> &urls, QStringList *refused)
{
    QStringList paths;
    for (const QUrl &url : urls.mid(0, kMaxDropNames)) {
        if (!url.isValid() || url.isRelative() || !url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (path.isEmpty())
            continue;
        if (!isUtf8Path(url)) {
            if (refused)
                *refused << path;
            continue;
        }
        paths << path;
    }
    return paths;
}

QString refusedNamesText(const QStringList &refused)
{
    return QStringLiteral("These names are not valid UTF-8; Tessaflow could only store them as different names, "
                          "which would not open. Rename them to add them:\n%1")
        .arg(refused.join(u'\n'));
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
