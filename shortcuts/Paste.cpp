#include "shortcuts/Paste.h"

#include <QHash>

#include <QCoreApplication>
#include <QMimeData>
#include <QUrl>

#include "shortcuts/Adding.h"
#include "shortcuts/Targets.h"
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

// The skipped lines a report names.
constexpr int kNamedSkippedLines = 3;

// "“a”, “b”, “c”, …": the lines named, each cut short when long.
QString namedLines(const Pasted &pasted)
{
    QStringList named;
    for (const QString &line : pasted.skippedLines)
        named << QStringLiteral("\u201C%1\u201D").arg(line.size() > 60 ? line.left(59) + QChar(0x2026) : line);
    if (pasted.skipped > pasted.skippedLines.size())
        named << QString(QChar(0x2026));
    return named.join(QStringLiteral(", "));
}

Pasted typedLines(const QString &text)
{
    Pasted result;
    qsizetype offered = 0;
    // Every line is looked at, so that what is skipped is counted whole; a
    // line is copied out only when it is short enough to be taken, and made
    // into a shortcut only while fewer than kMaxDropNames are: past those,
    // a usable line is only counted.
    for (const QStringView view : QStringView(text).tokenize(u'\n', Qt::SkipEmptyParts)) {
        if (view.size() > kMaxPastedLine) {
            ++result.tooLong;
            continue;
        }
        if (view.trimmed().isEmpty())
            continue;
        const QString line = view.toString();
        bool usable = false;
        if (result.shortcuts.size() < kMaxDropNames) {
            if (const auto shortcut = pastedLine(line)) {
                result.shortcuts << *shortcut;
                usable = true;
            }
        } else {
            usable = typedTarget(line).has_value();
        }
        if (usable)
            ++offered;
        else if (++result.skipped <= kNamedSkippedLines)
            result.skippedLines << line.trimmed();
    }
    if (offered > kMaxDropNames)
        result.offered = offered;
    return result;
}

// The files of a copy, as a drop takes them.
Pasted copied(const QList<QUrl> &urls)
{
    Pasted result;
    if (urls.size() > kMaxDropNames)
        result.offered = urls.size();
    for (const QString &path : droppedPaths(urls, &result.refused))
        result.shortcuts.append({path, QString()});
    return result;
}

} // namespace

Pasted pasted(const QMimeData &data)
{
    if (data.hasFormat(kGnomeCopiedFiles)) {
        Pasted files = copied(gnomeCopiedUrls(data.data(kGnomeCopiedFiles)));
        if (!files.shortcuts.isEmpty() || !files.refused.isEmpty())
            return files;
    }
    if (data.hasUrls()) {
        Pasted files = copied(data.urls());
        if (!files.shortcuts.isEmpty() || !files.refused.isEmpty())
            return files;
    }
    return data.hasText() ? typedLines(data.text()) : Pasted();
}

int takeOutExisting(Pasted &pasted, const ShortcutModel &model)
{
    QHash<QString, int> rows;
    rows.reserve(model.count());
    for (int row = 0; row < model.count(); ++row)
        rows.insert(model.at(row).target, row);
    int last = -1;
    QList<DroppedShortcut> fresh;
    for (const DroppedShortcut &shortcut : std::as_const(pasted.shortcuts)) {
        if (const auto found = rows.constFind(shortcut.target); found != rows.constEnd()) {
            last = *found;
            ++pasted.existing;
        } else {
            fresh << shortcut;
        }
    }
    pasted.shortcuts = fresh;
    return last;
}

QString pasteReport(const Pasted &pasted, int added)
{
    QStringList parts;
    if (pasted.offered > kMaxDropNames)
        parts << QCoreApplication::translate("Paste", "Only the first %1 of the %n lines pasted were taken.", nullptr,
                                             pasted.offered)
                     .arg(kMaxDropNames);
    if (pasted.tooLong > 0)
        //: %1 is the longest line taken, in characters.
        parts << (pasted.tooLong == 1
                      ? QCoreApplication::translate("Paste", "1 line longer than %1 characters was not taken.")
                      : QCoreApplication::translate("Paste", "%n lines longer than %1 characters were not taken.",
                                                    nullptr, pasted.tooLong))
                     .arg(kMaxPastedLine);
    if (!pasted.refused.isEmpty())
        parts << refusedNamesText(pasted.refused);
    // Refused names, or shortcuts that were there already, are reason
    // enough for a paste that added nothing.
    if (pasted.skipped > 0 || (added == 0 && pasted.refused.isEmpty() && pasted.existing == 0 && pasted.tooLong == 0))
        parts << pasteReport(added, pasted.skipped);
    if (!pasted.skippedLines.isEmpty())
        //: A paste's report and the lines it did not take: %1 is the report, %2 the first lines, each in quotes.
        parts.last() = QCoreApplication::translate("Paste", "%1: %2").arg(parts.last(), namedLines(pasted));
    return parts.join(QStringLiteral("\n\n"));
}

QMimeData *exportedData(const QStringList &targets)
{
    QList<QUrl> urls;
    QStringList texts;
    for (const QString &target : targets) {
        const Target read = readTarget(target, Source::Stored);
        if (read.isLink()) {
            urls << QUrl(read.text);
            texts << read.text;
        } else {
            // A stored file:// URI goes out as its path, as every other file.
            const QString path = read.text.isEmpty() ? target : read.text;
            urls << QUrl::fromLocalFile(path);
            // As a terminal wants it: the path itself, not a file:// URI.
            texts << path;
        }
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    data->setText(texts.join(QLatin1Char('\n')));
    return data;
}

} // namespace shortcuts
