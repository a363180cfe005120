#include "config/ShortcutEntry.h"

#include <QStringList>

namespace config {

namespace {

const QString kEscapeFlag = QStringLiteral("%");

// Characters that cannot stand in a field as they are: the separator, line
// breaks (they would end the profile line) and blanks at either end of the
// value (the profile trims every Unicode blank there).
bool needsEscape(const QString &plain, const QString &target, const QString &caption)
{
    auto special = [](const QString &s) {
        return s.contains(u'|') || s.contains(u'\n') || s.contains(u'\r');
    };
    return special(target) || special(caption) || plain.size() != plain.trimmed().size();
}

QString escaped(const QString &s, bool leadingBlanks)
{
    QString out;
    out.reserve(s.size());
    bool leading = leadingBlanks;
    for (const QChar c : s) {
        leading = leading && c.isSpace();
        if (c == u'%' || c == u'|' || c == u'\n' || c == u'\r' || (leading && c.unicode() <= 0xFF))
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else if (leading)
            out += QStringLiteral("%u") + QString::number(c.unicode(), 16).toUpper();
        else
            out += c;
    }
    return out;
}

// The number written in hex at s[at], `digits` long; -1 when it is not that.
int hexAt(const QString &s, qsizetype at, int digits)
{
    if (at + digits > s.size())
        return -1;
    int code = 0;
    for (int i = 0; i < digits; ++i) {
        const char16_t c = s[at + i].unicode();
        const int d = c >= u'0' && c <= u'9'   ? c - u'0'
                      : c >= u'A' && c <= u'F' ? c - u'A' + 10
                      : c >= u'a' && c <= u'f' ? c - u'a' + 10
                                               : -1;
        if (d < 0)
            return -1;
        code = code * 16 + d;
    }
    return code;
}

// One pass, left to right, so "%257C" gives back "%7C" and not "|".
// Only the codes escaped() writes are decoded; anything else stays as written.
QString unescaped(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'%') {
            const int code = hexAt(s, i + 1, 2);
            if (code == 0x25 || code == 0x7C || code == 0x0A || code == 0x0D || (code >= 0 && QChar(code).isSpace())) {
                out += QChar(code);
                i += 2;
                continue;
            }
            // A blank beyond Latin-1, as "%uXXXX".
            const int wide = i + 1 < s.size() && s[i + 1] == u'u' ? hexAt(s, i + 2, 4) : -1;
            if (wide > 0xFF && QChar(wide).isSpace()) {
                out += QChar(wide);
                i += 5;
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
    const QString plain = entry.target + bar + entry.caption + bar + entry.left + bar + entry.top;
    if (!needsEscape(plain, entry.target, entry.caption))
        return plain;
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
