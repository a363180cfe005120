#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include "shortcuts/Importing.h"

namespace shortcuts {

namespace {

// The entities browsers write, and numbered ones.
QString unescapedHtml(const QString &text)
{
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]+|#[0-9]+|amp|lt|gt|quot|apos);"));
    QString out;
    qsizetype from = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        out += text.mid(from, match.capturedStart() - from);
        const QString name = match.captured(1);
        if (name.startsWith(QLatin1Char('#'))) {
            const bool hex = name.startsWith(QLatin1String("#x"));
            const char32_t code = name.mid(hex ? 2 : 1).toUInt(nullptr, hex ? 16 : 10);
            if (code > 0 && code <= 0x10FFFF)
                out += QString::fromUcs4(&code, 1);
        } else
            out += name == QLatin1String("amp")    ? QStringLiteral("&")
                   : name == QLatin1String("lt")   ? QStringLiteral("<")
                   : name == QLatin1String("gt")   ? QStringLiteral(">")
                   : name == QLatin1String("quot") ? QStringLiteral("\"")
                                                   : QStringLiteral("'");
        from = match.capturedEnd();
    }
    return (out + text.mid(from)).simplified();
}

QString escapedHtml(const QString &text) { return text.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&#39;")); }

} // namespace

bool isBookmarkAddress(const QString &target)
{
    const QString scheme = QUrl(target).scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp");
}

Found readBookmarks(const QByteArray &html)
{
    // The file is a loose list of tags: a folder's <H3> comes just before
    // the <DL> that holds its links, and </DL> closes it.
    static const QRegularExpression token(
        QStringLiteral(R"(<H3\b[^>]*>(.*?)</H3>|<A\b([^>]*)>(.*?)</A>|<(/?)DL\b[^>]*>)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression href(QStringLiteral(R"re(\bHREF\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromUtf8(html);
    Found found;
    QStringList folders; // the open ones, innermost last
    QString named;       // the folder whose <DL> comes next
    QSet<QString> places;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        if (match.capturedLength(1) || match.captured(0).startsWith(QLatin1String("<H3"), Qt::CaseInsensitive)) {
            named = unescapedHtml(match.captured(1));
        } else if (match.capturedLength(4) || match.captured(0).startsWith(QLatin1String("<DL"), Qt::CaseInsensitive)) {
            if (match.captured(4) == QLatin1String("/")) {
                if (!folders.isEmpty())
                    folders.removeLast();
            } else {
                folders << named;
                named.clear();
            }
        } else {
            const auto address = href.match(match.captured(2));
            const QString target = unescapedHtml(address.captured(1) + address.captured(2) + address.captured(3));
            QString caption = unescapedHtml(match.captured(3));
            if (caption.isEmpty())
                caption = target;
            if (!isBookmarkAddress(target)) {
                found.skipped.push_back(
                    {caption, QCoreApplication::translate("Importing", "not a web address")});
                continue;
            }
            // The folder a link is directly in; the file's own outer list is none.
            const QString folder = folders.size() > 1 ? folders.last() : QString();
            places.insert(folder);
            Shortcut shortcut;
            shortcut.target = target;
            shortcut.caption = caption;
            shortcut.group = folder;
            found.shortcuts.push_back(std::move(shortcut));
        }
    }
    if (places.size() < 2) {
        for (Shortcut &shortcut : found.shortcuts)
            shortcut.group.clear();
    } else {
        for (const Shortcut &shortcut : found.shortcuts)
            if (!shortcut.group.isEmpty() && !found.groups.contains(shortcut.group))
                found.groups << shortcut.group;
    }
    return found;
}

QByteArray bookmarksHtml(const ListState &state)
{
    QString out = QStringLiteral("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                                 "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                                 "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n");
    const bool folders = state.groups.size() > 1;
    for (const QString &group : state.groups) {
        QString links;
        const QString indent = folders ? QStringLiteral("        ") : QStringLiteral("    ");
        for (const Shortcut &shortcut : state.shortcuts)
            if ((!folders || shortcut.group == group) && isBookmarkAddress(shortcut.target))
                links += QStringLiteral("%1<DT><A HREF=\"%2\">%3</A>\n")
                             .arg(indent, escapedHtml(shortcut.target), escapedHtml(shortcut.caption));
        if (folders && !links.isEmpty())
            out += QStringLiteral("    <DT><H3>%1</H3>\n    <DL><p>\n%2    </DL><p>\n")
                       .arg(escapedHtml(groupTitle(group)), links);
        else
            out += links;
        if (!folders)
            break;
    }
    out += QStringLiteral("</DL><p>\n");
    return out.toUtf8();
}

} // namespace shortcuts
