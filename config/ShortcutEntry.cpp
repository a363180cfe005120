#include "config/ShortcutEntry.h"

#include <QStringList>

namespace config {

namespace {

const QString kEscapeFlag = QStringLiteral("%");

QString escaped(QString s)
{
    s.replace(u'%', QStringLiteral("%25"));
    s.replace(u'|', QStringLiteral("%7C"));
    return s;
}

// One pass, left to right, so "%257C" gives back "%7C" and not "|".
// Anything but %25 and %7C stays as written.
QString unescaped(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'%' && i + 2 < s.size()) {
            const QStringView code = QStringView(s).mid(i + 1, 2);
            if (code == u"25") {
                out += u'%';
                i += 2;
                continue;
            }
            if (code.compare(u"7C", Qt::CaseInsensitive) == 0) {
                out += u'|';
                i += 2;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

} // namespace

QString encodeEntry(const ShortcutEntry &entry)
{
    const QChar bar = u'|';
    if (!entry.target.contains(bar) && !entry.caption.contains(bar))
        return entry.target + bar + entry.caption + bar + entry.left + bar + entry.top;
    return escaped(entry.target) + bar + escaped(entry.caption) + bar + entry.left + bar + entry.top
           + bar + kEscapeFlag;
}

std::optional<ShortcutEntry> decodeEntry(const QString &value)
{
    if (value.size() < 2)
        return std::nullopt;
    const QStringList fields = value.split(u'|');
    if (fields.size() < 4)
        return std::nullopt;
    ShortcutEntry entry{fields[0], fields[1], fields[2], fields[3]};
    if (fields.size() > 4 && fields[4] == kEscapeFlag) {
        entry.target = unescaped(entry.target);
        entry.caption = unescaped(entry.caption);
    }
    return entry;
}

} // namespace config
