#include "shortcuts/TypedText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "platform/desktop/PathOps.h"

namespace shortcuts {

namespace {

bool hasBlank(const QString &text)
{
    for (const QChar c : text)
        if (c.isSpace())
            return true;
    return false;
}

// "example.com", "www.example.org", "localhost", each with an optional port:
// what a person types as the start of a web address.
bool startsWithHost(const QString &text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != u'/' && text[end] != u'?' && text[end] != u'#')
        ++end;
    QString host = text.left(end);
    if (const qsizetype colon = host.indexOf(u':'); colon >= 0) {
        const QString port = host.mid(colon + 1);
        if (port.isEmpty() || port.size() > 5)
            return false;
        for (const QChar c : port)
            if (!c.isDigit())
                return false;
        host.truncate(colon);
    }
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    if (host.startsWith(u'.') || host.endsWith(u'.') || !host.contains(u'.') || host.contains(QLatin1String("..")))
        return false;
    for (const QChar c : host)
        if (!c.isLetterOrNumber() && c != u'.' && c != u'-' && c != u'_')
            return false;
    return true;
}

// An existing file or folder named by an absolute path, "~/…" or a file:// URI.
QString existingPath(const QString &text)
{
    QString path;
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(text);
        if (!url.isLocalFile())
            return {};
        path = url.toLocalFile();
    } else if (text == u'~' || text.startsWith(QLatin1String("~/"))) {
        path = QDir::homePath() + text.mid(1);
    } else if (text.startsWith(u'/')) {
        path = text;
    }
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    return platform::PathOps::GetAbsolutePathName(path);
}

QString lastPathPart(const QUrl &url)
{
    const QStringList parts = url.path(QUrl::FullyDecoded).split(u'/', Qt::SkipEmptyParts);
    return parts.isEmpty() ? QString() : parts.last();
}

} // namespace

std::optional<QString> webAddressOf(const QString &text, QString *why)
{
    const QString typed = text.trimmed();
    auto refuse = [why](const QString &reason) -> std::optional<QString> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (typed.isEmpty())
        return refuse(QCoreApplication::translate("TypedText", "Type a web address, such as example.com, or press Cancel."));
    if (platform::PathOps::HasUrlScheme(typed))
        return typed;
    if (hasBlank(typed))
        return refuse(QCoreApplication::translate("TypedText",
                                                  "This is not a web address: it has blanks and no scheme such as https://."));
    if (!startsWithHost(typed))
        return refuse(QCoreApplication::translate("TypedText",
                                                  "This is not a web address: it has no scheme such as https:// and no "
                                                  "host such as example.com."));
    return QStringLiteral("http://") + typed;
}

std::optional<DroppedShortcut> pastedLine(const QString &line)
{
    const QString typed = line.trimmed();
    if (const QString path = existingPath(typed); !path.isEmpty())
        return DroppedShortcut{path, QString()};
    if (typed.startsWith(u'/') || typed.startsWith(u'~') || typed.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return std::nullopt; // a path to nothing
    if (const auto address = webAddressOf(typed))
        return DroppedShortcut{*address, webCaption(*address)};
    return std::nullopt;
}

QString webCaption(const QString &address)
{
    if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        const QString to = QUrl::fromPercentEncoding(address.mid(7).toUtf8());
        return to.left(to.indexOf(u'?')).trimmed();
    }
    const QUrl url(address.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ? QStringLiteral("http://") + address
                                                                                  : address);
    if (!url.isValid() || url.host().isEmpty())
        return {};
    QString host = url.host();
    if (url.port() >= 0)
        host += u':' + QString::number(url.port());
    const QString tail = lastPathPart(url);
    return tail.isEmpty() ? host : host + QStringLiteral(" \u203A ") + tail;
}

QString pasteReport(int added, int skipped)
{
    if (skipped == 0 && added > 0)
        return {};
    const QString addedText = added == 0   ? QCoreApplication::translate("TypedText", "No shortcut added")
                              : added == 1 ? QCoreApplication::translate("TypedText", "1 shortcut added")
                                           : QCoreApplication::translate("TypedText", "%n shortcuts added", nullptr, added);
    const QString skippedText =
        skipped == 0   ? QCoreApplication::translate("TypedText", "the clipboard holds no file, folder or web address")
        : skipped == 1 ? QCoreApplication::translate("TypedText", "1 line was not a file, folder or web address")
                       : QCoreApplication::translate("TypedText", "%n lines were not a file, folder or web address",
                                                     nullptr, skipped);
    //: A paste's report: %1 says how many shortcuts were added, %2 what of the clipboard was not taken.
    return QCoreApplication::translate("TypedText", "%1; %2").arg(addedText, skippedText);
}

} // namespace shortcuts
