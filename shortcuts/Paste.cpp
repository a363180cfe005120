#include "shortcuts/Paste.h"

#include <QMimeData>
#include <QUrl>

#include "platform/desktop/PathOps.h"
#include "shortcuts/Adding.h"
#include "shortcuts/TypedText.h"

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

Pasted typedLines(const QString &text)
{
    Pasted result;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.trimmed().isEmpty())
            continue;
        if (const auto shortcut = pastedLine(line))
            result.shortcuts << *shortcut;
        else
            ++result.skipped;
        if (result.shortcuts.size() >= kMaxDropNames)
            break;
    }
    return result;
}

Pasted ofPaths(const QStringList &paths)
{
    Pasted result;
    for (const QString &path : paths)
        result.shortcuts.append({path, QString()});
    return result;
}

} // namespace

Pasted pasted(const QMimeData &data)
{
    if (data.hasFormat(kGnomeCopiedFiles)) {
        const QStringList paths = droppedPaths(gnomeCopiedUrls(data.data(kGnomeCopiedFiles)));
        if (!paths.isEmpty())
            return ofPaths(paths);
    }
    if (data.hasUrls()) {
        const QStringList paths = droppedPaths(data.urls());
        if (!paths.isEmpty())
            return ofPaths(paths);
    }
    return data.hasText() ? typedLines(data.text()) : Pasted();
}

QMimeData *exportedData(const QStringList &targets)
{
    QList<QUrl> urls;
    QStringList texts;
    for (const QString &target : targets) {
        if (isWebAddress(target)) {
            const QString address = platform::PathOps::HasUrlScheme(target) ? target : QStringLiteral("http://") + target;
            urls << QUrl(address);
            texts << address;
        } else {
            urls << QUrl::fromLocalFile(target);
            // As a terminal wants it: the path itself, not a file:// URI.
            texts << target;
        }
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    data->setText(texts.join(QLatin1Char('\n')));
    return data;
}

} // namespace shortcuts
