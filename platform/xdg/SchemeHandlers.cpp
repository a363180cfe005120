#include "platform/xdg/SchemeHandlers.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "platform/xdg/DesktopEntry.h"
#include "platform/xdg/MimeApps.h"

namespace platform::SchemeHandlers {

namespace {

// $XDG_DATA_HOME, then $XDG_DATA_DIRS.
QStringList dataDirs() { return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation); }

// The entries listed for `key` in `group` of an already read key file, in order.
QStringList listedIn(const DesktopEntry::KeyFile &file, const QString &group, const QString &key)
{
    return file.value(group).value(key).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

} // namespace

QString desktopEntryFor(const QString &scheme)
{
    if (scheme.isEmpty())
        return {};
    const QString key = QStringLiteral("x-scheme-handler/") + scheme.toLower();

    QStringList removed;
    QStringList candidates;
    const QStringList files = MimeApps::listFiles();
    for (const QString &path : files) {
        const DesktopEntry::KeyFile file = DesktopEntry::readKeyFile(path);
        for (const QString &id : listedIn(file, QStringLiteral("Default Applications"), key))
            if (!removed.contains(id)) {
                const QString entry = MimeApps::installedEntry(id.trimmed());
                if (!entry.isEmpty())
                    return entry;
            }
        for (const QString &id : listedIn(file, QStringLiteral("Added Associations"), key))
            if (!removed.contains(id))
                candidates << id;
        removed += listedIn(file, QStringLiteral("Removed Associations"), key);
    }
    // Then what installed entries declare for themselves.
    for (const QString &data : dataDirs())
        for (const QString &id :
             listedIn(DesktopEntry::readKeyFile(data + QStringLiteral("/applications/mimeinfo.cache")),
                      QStringLiteral("MIME Cache"), key))
            if (!removed.contains(id))
                candidates << id;
    for (const QString &id : candidates) {
        const QString entry = MimeApps::installedEntry(id.trimmed());
        if (!entry.isEmpty())
            return entry;
    }
    return {};
}

namespace {

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Where the ":" after a scheme of two characters or more stands
// ("letter, then letters, digits, + . -"), or -1.
qsizetype schemeEnd(const QString &text)
{
    if (text.isEmpty() || !isAsciiLetter(text[0]))
        return -1;
    qsizetype i = 1;
    while (i < text.size()
           && (isAsciiLetter(text[i]) || isAsciiDigit(text[i]) || text[i] == u'+' || text[i] == u'.' || text[i] == u'-'))
        ++i;
    return i >= 2 && i < text.size() && text[i] == u':' ? i : -1;
}

// "3000" or "8080/x" after the colon: a host's port.
bool startsWithPort(QStringView rest)
{
    qsizetype i = 0;
    while (i < rest.size() && isAsciiDigit(rest[i]))
        ++i;
    return i > 0 && (i == rest.size() || rest[i] == u'/');
}

} // namespace

QString linkScheme(const QString &text)
{
    // A one-letter "scheme" is a drive ("c:"), never an address. Scanned by
    // hand: a pattern compiled at start-up costs more than every check.
    const qsizetype colon = schemeEnd(text);
    if (colon < 0)
        return {};
    const QString scheme = text.left(colon).toLower();
    const QStringView rest = QStringView(text).mid(colon + 1);
    if (rest.startsWith(u"//"))
        return scheme;
    // Links the desktop opens without "//": mail, phone, chat, torrents, ...
    static const QStringList known{
        QStringLiteral("mailto"), QStringLiteral("tel"),    QStringLiteral("sms"),  QStringLiteral("magnet"),
        QStringLiteral("news"),   QStringLiteral("xmpp"),   QStringLiteral("sip"),  QStringLiteral("geo"),
        QStringLiteral("webcal"), QStringLiteral("callto"), QStringLiteral("data"), QStringLiteral("file")};
    if (known.contains(scheme))
        return scheme;
    // "localhost:3000", "example.org:8080/x": a host and port, not a scheme.
    if (startsWithPort(rest))
        return {};
    return desktopEntryFor(scheme).isEmpty() ? QString() : scheme;
}

} // namespace platform::SchemeHandlers
