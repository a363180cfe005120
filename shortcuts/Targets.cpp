#include "shortcuts/Targets.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "platform/xdg/PathOps.h"
#include "platform/xdg/SchemeHandlers.h"

namespace shortcuts {

namespace {

using Kind = Target::Kind;

// "example.com", "www.example.org/x", "localhost:3000": what a person types
// as the start of a web address. Blanks never belong to one.
bool startsWithHost(const QString &text)
{
    if (hasBlank(text))
        return false;
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

// The absolute, clean path a name stands for, read as `source` reads it;
// empty when it names no path.
QString absolutePath(const QString &name, Source source, const QString &folder)
{
    // "%00" in a URI would cut the name short at the first call that takes it.
    if (name.isEmpty() || name.contains(QChar(0)))
        return {};
    if (name.startsWith(u'/'))
        return platform::PathOps::GetAbsolutePathName(name);
    switch (source) {
    case Source::CommandLine:
        return folder.isEmpty() ? QString() : platform::PathOps::GetAbsolutePathName(folder + u'/' + name);
    case Source::HandOver:
        return {};
    case Source::Typed:
    case Source::Stored:
        // Empty when the current folder is gone: no guess at another one.
        return platform::PathOps::GetAbsolutePathName(name);
    }
    return {};
}

bool named(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

Target link(const QString &scheme, const QString &text)
{
    const bool slashes = QStringView(text).mid(scheme.size() + 1).startsWith(u"//");
    return {slashes ? Kind::WebAddress : Kind::OtherUri, text};
}

} // namespace

QString Target::scheme() const { return isLink() ? text.left(text.indexOf(u':')).toLower() : QString(); }

bool Target::present() const { return kind == Kind::LocalPath && named(text); }

Target readTarget(const QString &text, Source source, const QString &folder)
{
    if (text.isEmpty() || text.contains(QChar(0)))
        return {};
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(text);
        const QString path = url.isLocalFile() ? absolutePath(url.toLocalFile(), source, folder) : QString();
        return path.isEmpty() ? Target() : Target{Kind::LocalPath, path};
    }
    const QString scheme = platform::SchemeHandlers::linkScheme(text);
    if (const Target asLink = link(scheme, text); !scheme.isEmpty() && asLink.kind == Kind::WebAddress)
        return asLink;
    const bool typed = source == Source::Typed;
    // Typed today, an address is meant for https; stored ones keep what they
    // were opened with.
    const QString web = typed ? QStringLiteral("https://") : QStringLiteral("http://");
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return {Kind::WebAddress, web + text};

    const bool home = typed && (text == u'~' || text.startsWith(QLatin1String("~/")));
    const QString path = absolutePath(home ? QDir::homePath() + text.mid(1) : text, source, folder);
    // A word typed by hand is a path only when something is there.
    const bool typedWord = typed && !home && !text.startsWith(u'/');
    // Only a text that could also be a link is looked up here; the callers
    // that need to know whether a path is there ask present().
    if ((!scheme.isEmpty() || typedWord) && !path.isEmpty() && named(path))
        return {Kind::LocalPath, path};
    if (!scheme.isEmpty())
        return link(scheme, text);
    if (typed && startsWithHost(text))
        return {Kind::WebAddress, web + text};
    if (path.isEmpty() || typedWord)
        return {};
    return {Kind::LocalPath, path};
}

Target readUrl(const QUrl &url)
{
    if (!url.isValid() || url.isRelative())
        return {};
    if (url.isLocalFile()) {
        const QString path = absolutePath(url.toLocalFile(), Source::HandOver, QString());
        return path.isEmpty() ? Target() : Target{Kind::LocalPath, path};
    }
    const QString text = url.toString(QUrl::FullyEncoded);
    const QString scheme = platform::SchemeHandlers::linkScheme(text);
    return scheme.isEmpty() ? Target() : link(scheme, text);
}

QString storedTarget(const QString &text)
{
    const Target target = readTarget(text, Source::Stored);
    // A file:// URI written into the list stays as it was written.
    const bool fileUri = text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
    return target.isLink() || (fileUri && !target.text.isEmpty()) ? text : target.text;
}

bool hasBlank(const QString &text)
{
    for (const QChar c : text)
        if (c.isSpace())
            return true;
    return false;
}

} // namespace shortcuts
