#include "config/ShortcutEntry.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringList>
#include <vector>

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
    QString rest;
    for (const QString &field : entry.fields)
        rest += bar + field;
    const QString plain = entry.target + bar + entry.caption + bar + entry.left + bar + entry.top;
    // A first further field "%" would read as the flag: the flag goes in front.
    const bool flagLike = !entry.fields.isEmpty() && entry.fields.first() == kEscapeFlag;
    if (!flagLike && !needsEscape(plain, entry.target, entry.caption))
        return plain + rest;
    return escaped(entry.target, true) + bar + escaped(entry.caption, false) + bar + entry.left + bar + entry.top
           + bar + kEscapeFlag + rest;
}

std::optional<ShortcutEntry> decodeEntry(const QString &value)
{
    if (value.size() < 2)
        return std::nullopt;
    const QStringList fields = value.split(u'|');
    if (fields.size() < 4)
        return std::nullopt;
    ShortcutEntry entry{fields[0], fields[1], fields[2], fields[3], fields.mid(4)};
    if (!entry.fields.isEmpty() && entry.fields.first() == kEscapeFlag) {
        entry.target = unescaped(entry.target);
        entry.caption = unescaped(entry.caption);
        entry.fields.removeFirst();
    }
    return entry;
}

QString propertyField(const QString &name, const QString &value) { return name + u'=' + encodedValue(value); }

QString encodedValue(const QString &value)
{
    // Blanks at either end would be trimmed by the profile when the field
    // ends the line, and read as part of nothing by a person.
    qsizetype first = 0, last = value.size();
    while (first < last && value[first].isSpace())
        ++first;
    while (last > first && value[last - 1].isSpace())
        --last;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const char16_t u = c.unicode();
        // Every character to encode is one code unit (no blank or control
        // lies beyond the BMP).
        const bool encode = u == u'|' || u == u'%' || u == u'=' || i < first || i >= last
                            || QChar::category(u) == QChar::Other_Control;
        if (encode)
            out += QString::fromLatin1(QString(c).toUtf8().toPercentEncoding(QByteArray(), QByteArray(), '%'));
        else
            out += c;
    }
    return out;
}

std::optional<std::pair<QString, QString>> propertyOf(const QString &field)
{
    const qsizetype equals = field.indexOf(u'=');
    if (equals <= 0)
        return std::nullopt;
    return std::pair{field.left(equals), decodedValue(field.mid(equals + 1))};
}

QString decodedValue(const QString &raw)
{
    QString value;
    value.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size();) {
        // A run of %XX is one byte sequence: UTF-8 where it is that, each
        // byte as Latin-1 where it is not.
        QByteArray bytes;
        qsizetype at = i;
        while (at < raw.size() && raw[at] == u'%' && hexAt(raw, at + 1, 2) >= 0) {
            bytes += char(hexAt(raw, at + 1, 2));
            at += 3;
        }
        if (bytes.isEmpty()) {
            value += raw[i++];
            continue;
        }
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = utf8.decode(bytes);
        value += utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
        i = at;
    }
    return value;
}

namespace {
const QString kArguments = QStringLiteral("args");
const QString kFolder = QStringLiteral("dir");
const QString kTerminal = QStringLiteral("terminal");
const QString kIcon = QStringLiteral("icon");
const QString kComment = QStringLiteral("comment");
const QString kGroup = QStringLiteral("group");
} // namespace

QString groupField(const QString &name) { return propertyField(kGroup, name); }

QStringList shortcutFields(const shortcuts::Shortcut &shortcut)
{
    QStringList fields = shortcut.otherFields;
    auto put = [&fields](const QString &name, const QString &value) {
        if (!value.isEmpty())
            fields << propertyField(name, value);
    };
    put(kArguments, shortcut.arguments);
    put(kFolder, shortcut.workingDirectory);
    if (shortcut.terminal)
        fields << kTerminal + QStringLiteral("=1");
    put(kIcon, shortcut.iconName);
    put(kComment, shortcut.comment);
    return fields;
}

void readShortcutFields(const QStringList &fields, shortcuts::Shortcut &shortcut)
{
    const std::pair<QString, QString *> texts[] = {{kArguments, &shortcut.arguments},
                                                   {kFolder, &shortcut.workingDirectory},
                                                   {kIcon, &shortcut.iconName},
                                                   {kComment, &shortcut.comment}};
    // A property this version reads: a known name with a value it takes.
    auto readable = [](const std::optional<std::pair<QString, QString>> &p) {
        // An empty group is the first one, unnamed.
        if (p && p->first == kGroup)
            return true;
        if (!p || p->second.isEmpty())
            return false;
        if (p->first == kTerminal)
            return p->second == QLatin1String("1");
        return p->first == kArguments || p->first == kFolder || p->first == kIcon || p->first == kComment;
    };
    // Of a name written twice the last one counts, and the others are kept
    // as they are: they are written back before it, so it stays the last.
    std::vector<std::optional<std::pair<QString, QString>>> properties;
    properties.reserve(size_t(fields.size()));
    QHash<QString, qsizetype> last;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        properties.push_back(propertyOf(fields[i]));
        if (readable(properties.back()))
            last.insert(properties.back()->first, i);
    }
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto &property = properties[size_t(i)];
        if (!readable(property) || last.value(property->first) != i) {
            shortcut.otherFields << fields[i];
            continue;
        }
        if (property->first == kTerminal)
            shortcut.terminal = true;
        if (property->first == kGroup)
            shortcut.group = property->second;
        for (const auto &[name, text] : texts)
            if (name == property->first)
                *text = property->second;
    }
}

} // namespace config
