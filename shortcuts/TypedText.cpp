#include "shortcuts/TypedText.h"

#include <QCoreApplication>
#include <QUrl>

#include "platform/xdg/SchemeHandlers.h"
#include "shortcuts/Targets.h"

namespace shortcuts {

namespace {

QString lastPathPart(const QUrl &url)
{
    const QStringList parts = url.path(QUrl::FullyDecoded).split(u'/', Qt::SkipEmptyParts);
    return parts.isEmpty() ? QString() : parts.last();
}

// Schemes a browser opens wherever one is installed: they need a host.
bool webScheme(const QString &scheme)
{
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp");
}

// Why a typed "scheme://…" link cannot be opened; empty when it can. A web
// address needs a host without blanks; any other scheme a program on this
// desktop that opens it ("htp://" has none).
QString linkRefusal(const Target &target)
{
    if (target.kind != Target::Kind::WebAddress)
        return {};
    const QString scheme = target.scheme();
    if (webScheme(scheme)) {
        // Blanks in the path are encoded; a host has none, and "www." alone
        // (an address left half typed) is none either.
        const QUrl url(target.text);
        if (!url.isValid() || url.host().isEmpty() || url.host().endsWith(u'.'))
            return QCoreApplication::translate("TypedText",
                                               "This is not a web address: it needs a host such as example.com.");
        return {};
    }
    if (platform::SchemeHandlers::desktopEntryFor(scheme).isEmpty())
        //: %1 is the link's scheme, such as "htp".
        return QCoreApplication::translate("TypedText", "Nothing on this desktop opens %1: links.").arg(scheme);
    return {};
}

// A link or a path with something there; nothing for the rest, and why.
Target usableTarget(const QString &text, QString *why)
{
    const QString typed = text.trimmed();
    const Target target = readTarget(typed, Source::Typed);
    if (target.isLink()) {
        const QString refusal = linkRefusal(target);
        if (refusal.isEmpty())
            return target;
        if (why)
            *why = refusal;
        return {};
    }
    if (target.present())
        return target;
    if (why) {
        if (typed.isEmpty())
            *why = QCoreApplication::translate("TypedText", "Type a web address, such as example.com, or press Cancel.");
        else if (target.kind == Target::Kind::LocalPath)
            //: %1 is the path typed.
            *why = QCoreApplication::translate("TypedText", "There is no file or folder at %1.").arg(target.text);
        else if (hasBlank(typed))
            *why = QCoreApplication::translate("TypedText",
                                               "This is not a web address: it has blanks and no scheme such as https://.");
        else
            *why = QCoreApplication::translate("TypedText", "This is not a web address: it has no scheme such as "
                                                             "https:// and no host such as example.com.");
    }
    return {};
}

} // namespace

std::optional<QString> typedTarget(const QString &text, QString *why)
{
    const Target target = usableTarget(text, why);
    return target.kind == Target::Kind::Nothing ? std::nullopt : std::optional(target.text);
}

std::optional<DroppedShortcut> pastedLine(const QString &line)
{
    const Target target = usableTarget(line, nullptr);
    if (target.kind == Target::Kind::Nothing)
        return std::nullopt;
    return DroppedShortcut{target.text, target.isLink() ? webCaption(target.text) : QString()};
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
