#include "config/ShortcutEntry.h"

#include <QStringList>

namespace config {

namespace {

const QString kEscapeFlag = QStringLiteral("%");

// Characters that cannot stand in a field as they are: the separator, line
// breaks (they would end the profile line) and blanks at the start of the
// value (the profile trims them).
bool needsEscape(const QString &target, const QString &caption)
{
    auto special = [](const QString &s) {
        return s.contains(u'|') || s.contains(u'\n') || s.contains(u'\r');
    };
    return special(target) || special(caption) || (!target.isEmpty() && target.front().isSpace());
}

QString escaped(const QString &s, bool leadingBlanks)
{
    QString out;
    out.reserve(s.size());
    bool leading = leadingBlanks;
    for (const QChar c : s) {
        leading = leading && c.isSpace();
        if (c == u'%' || c == u'|' || c == u'\n' || c == u'\r' || (leading && c.unicode() < 0x80))
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

// One pass, left to right, so "%257C" gives back "%7C" and not "|".
// Only the codes escaped() writes are decoded; anything else stays as written.
QString unescaped(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'%' && i + 2 < s.size()) {
            bool ok = false;
            const int code = QStringView(s).mid(i + 1, 2).toInt(&ok, 16);
            if (ok && (code == 0x25 || code == 0x7C || code == 0x0A || code == 0x0D || code == 0x20 || code == 0x09)) {
                out += QChar(code);
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
    if (!needsEscape(entry.target, entry.caption))
        return entry.target + bar + entry.caption + bar + entry.left + bar + entry.top;
    return escaped(entry.target, true) + bar + escaped(entry.caption, false) + bar + entry.left + bar + entry.top
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
