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

QStringList typedUris(const QString &text, PasteNotes *notes)
{
    QStringList targets;
    // Every line is looked at: prose after the first lines is still prose.
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
    }
    if (targets.size() > kMaxDropNames) {
        notes->lines = targets.size();
        targets.resize(kMaxDropNames);
    }
    return targets;
}

// The files of a copy, as a drop takes them.
QStringList copiedPaths(const QList<QUrl> &urls, PasteNotes *notes)
{
    if (urls.size() > kMaxDropNames)
        notes->lines = urls.size();
    return droppedPaths(urls, &notes->refused);
}

} // namespace

QStringList pastedTargets(const QMimeData &data, PasteNotes *notes)
{
    PasteNotes ignored;
    if (!notes)
        notes = &ignored;
    *notes = {};
    if (data.hasFormat(kGnomeCopiedFiles)) {
        const QStringList paths = copiedPaths(gnomeCopiedUrls(data.data(kGnomeCopiedFiles)), notes);
        if (!paths.isEmpty() || !notes->refused.isEmpty())
            return paths;
    }
    if (data.hasUrls()) {
        const QStringList paths = copiedPaths(data.urls(), notes);
        if (!paths.isEmpty() || !notes->refused.isEmpty())
            return paths;
    }
    *notes = {};
    return data.hasText() ? typedUris(data.text(), notes) : QStringList();
}

QString pasteNotesText(const PasteNotes &notes)
{
    QStringList parts;
    if (notes.lines > kMaxDropNames)
        parts << QStringLiteral("Only the first %1 of the %2 lines pasted were taken.").arg(kMaxDropNames).arg(notes.lines);
    if (!notes.refused.isEmpty())
        parts << refusedNamesText(notes.refused);
    return parts.join(QStringLiteral("\n\n"));
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
