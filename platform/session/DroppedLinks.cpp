#include "platform/session/DroppedLinks.h"

#include <QHash>
#include <QMimeData>

#include "platform/xdg/SchemeHandlers.h"

namespace platform {

namespace {

// Browsers write text/x-moz-url in UTF-16 and _NETSCAPE_URL in UTF-8.
QString decoded(const QByteArray &bytes)
{
    const bool wide = bytes.size() >= 2 && bytes.size() % 2 == 0 && (bytes.at(0) == 0 || bytes.at(1) == 0 ||
                                                                      bytes.startsWith("\xff\xfe") ||
                                                                      bytes.startsWith("\xfe\xff"));
    if (!wide)
        return QString::fromUtf8(bytes);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2)
        .remove(QChar(0xfeff))
        .remove(QChar(0));
}

// "url\ntitle" pairs, one after the other, in the drag's order.
QList<QPair<QUrl, QString>> titledLinks(const QMimeData &data)
{
    for (const QString &format : {QStringLiteral("text/x-moz-url"), QStringLiteral("_NETSCAPE_URL")}) {
        if (!data.hasFormat(format))
            continue;
        const QStringList lines = decoded(data.data(format)).split(QLatin1Char('\n'));
        QList<QPair<QUrl, QString>> links;
        for (qsizetype i = 0; i < lines.size(); i += 2) {
            const QString url = lines.at(i).trimmed();
            if (!url.isEmpty())
                links.append({QUrl(url), i + 1 < lines.size() ? lines.at(i + 1).trimmed() : QString()});
        }
        if (!links.isEmpty())
            return links;
    }
    return {};
}

bool usable(const QUrl &url)
{
    if (!url.isValid() || url.isRelative())
        return false;
    if (url.isLocalFile())
        return !url.toLocalFile().isEmpty();
    return !SchemeHandlers::linkScheme(url.toString(QUrl::FullyEncoded)).isEmpty();
}

} // namespace

DroppedLinks droppedLinks(const QMimeData &data)
{
    const QList<QPair<QUrl, QString>> titled = titledLinks(data);
    QHash<QUrl, QString> titles;
    for (const auto &[url, title] : titled)
        titles.insert(url, title);
    QList<QUrl> urls = data.urls();
    if (urls.isEmpty())
        for (const auto &link : titled)
            urls.append(link.first);

    DroppedLinks out;
    for (const QUrl &url : urls) {
        if (!usable(url))
            continue;
        out.urls.append(url);
        out.titles.append(url.isLocalFile() ? QString() : titles.value(url));
    }
    return out;
}

} // namespace platform
