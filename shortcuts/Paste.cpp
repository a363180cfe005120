#include "shortcuts/Paste.h"

#include <QMimeData>
#include <QUrl>

#include "platform/desktop/PathOps.h"
#include "shortcuts/Adding.h"

namespace shortcuts {

namespace {

const QString kGnomeCopiedFiles = QStringLiteral("x-special/gnome-copied-files");

QList<QUrl> gnomeCopiedUrls(const QByteArray &data)
{
    QStringList lines = QString::fromUtf8(data).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The first line says "copy" or "cut"; the files stay where they are either way.
    if (!lines.isEmpty())
        lines.removeFirst();
    QList<QUrl> urls;
    for (const QString &line : std::as_const(lines))
        urls << QUrl(line.trimmed());
    return urls;
}

QStringList typedUris(const QString &text)
{
    QStringList targets;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString typed = line.trimmed();
        if (typed.isEmpty())
            continue;
        if (typed.startsWith(QLatin1String("www."), Qt::CaseInsensitive) && !typed.contains(QLatin1Char(' ')))
            targets << QStringLiteral("http://") + typed;
        else if (platform::PathOps::HasUrlScheme(typed) && !typed.contains(QLatin1Char(' ')))
            targets << typed;
        else
            return {}; // prose with a link in it is not a list of links
        if (targets.size() >= kMaxDropNames)
            break;
    }
    return targets;
}

} // namespace

QStringList pastedTargets(const QMimeData &data)
{
    if (data.hasFormat(kGnomeCopiedFiles)) {
        const QStringList paths = droppedPaths(gnomeCopiedUrls(data.data(kGnomeCopiedFiles)));
        if (!paths.isEmpty())
            return paths;
    }
    if (data.hasUrls()) {
        const QStringList paths = droppedPaths(data.urls());
        if (!paths.isEmpty())
            return paths;
    }
    return data.hasText() ? typedUris(data.text()) : QStringList();
}

QMimeData *exportedData(const QStringList &targets)
{
    QList<QUrl> urls;
    QStringList addresses;
    for (const QString &target : targets) {
        if (isWebAddress(target)) {
            const QString address = platform::PathOps::HasUrlScheme(target) ? target : QStringLiteral("http://") + target;
            urls << QUrl(address);
            addresses << address;
        } else {
            urls << QUrl::fromLocalFile(target);
        }
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    if (!addresses.isEmpty())
        data->setText(addresses.join(QLatin1Char('\n')));
    return data;
}

} // namespace shortcuts
