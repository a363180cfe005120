#include "shortcuts/Adding.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>

#include "shortcuts/Targets.h"
#include "shortcuts/TypedText.h"

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
    const Target target = readUrl(url);
    if (target.kind != Target::Kind::LocalPath)
        return {};
    if (!isUtf8Path(url)) {
        if (refused)
            *refused << target.text;
        return {};
    }
    return target.text;
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
    //: %1 is the list of names, one a line.
    return QCoreApplication::translate("Adding",
                                       "These names are not valid UTF-8; Tessaflow could only store them as different "
                                       "names, which would not open. Rename them to add them:\n%1")
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
        } else if (const Target link = readUrl(url); link.isLink()) {
            const QString title = i < titles.size() ? titles.at(i).simplified() : QString();
            dropped.append({link.text, title.isEmpty() ? link.text : title});
        }
    }
    return dropped;
}

bool AddDropped(ShortcutList &list, const QStringList &targets)
{
    QList<DroppedShortcut> dropped;
    for (const QString &target : targets)
        dropped.append({target, isWebAddress(target) ? webCaption(target) : QString()});
    return AddDropped(list, dropped);
}

bool AddDropped(ShortcutList &list, const QList<DroppedShortcut> &dropped)
{
    // One batch for the list, which lays out once for all of them.
    std::vector<Shortcut> made;
    made.reserve(size_t(dropped.size()));
    bool added = true;
    for (const DroppedShortcut &one : dropped) {
        auto shortcut = makeShortcut(one.target, one.caption);
        if (!(added = bool(shortcut)))
            break;
        made.push_back(std::move(*shortcut));
    }
    const bool any = !made.empty();
    list.model.add(std::move(made));
    // What was just added is what the keys act on next.
    if (any)
        list.show(list.count() - 1);
    return added;
}

std::optional<QString> urlTarget(const std::optional<QString> &answer)
{
    if (!answer)
        return std::nullopt;
    return typedTarget(*answer);
}

QString urlRefusal(const QString &answer)
{
    QString why;
    typedTarget(answer, &why);
    return why;
}

bool AddUrl(ShortcutList &list, platform::Dialogs &dialogs)
{
    const auto target = urlTarget(dialogs.inputText(QCoreApplication::translate("Adding", kUrlPromptTitle),
                                                  QCoreApplication::translate("Adding", kUrlPrompt), QString(),
                                                  kUrlExample, urlRefusal));
    if (!target || !addShortcut(list.model, *target, webCaption(*target)))
        return false;
    list.show(list.count() - 1);
    return true;
}

} // namespace shortcuts
