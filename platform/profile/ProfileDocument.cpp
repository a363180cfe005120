#include "platform/profile/ProfileDocument.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <utility>

namespace platform {

namespace {

// Windows-1252 at 0x80..0x9F. The five positions the code page leaves
// undefined map to the C1 control of the same number, as Windows itself does,
// so no byte is ever lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromCp1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b)));
    }
    return text;
}

// The file's lines, each decoded on its own: a line that is valid UTF-8 as
// UTF-8, any other as Windows-1252, so one line left by an 8-bit program does
// not turn every UTF-8 name around it into mojibake. A final line break ends
// the last line; every CR before a line's LF belongs to the line ending, so a
// file with stray CRs reads the same after it has been written back.
std::vector<QString> decodeLines(QByteArrayView bytes)
{
    static constexpr char kBom[] = "\xEF\xBB\xBF";
    // Every BOM at the start: one left in the text would be taken for the
    // file's own after the next save.
    while (bytes.startsWith(QByteArrayView(kBom, 3)))
        bytes = bytes.sliced(3);
    std::vector<QString> lines;
    // A BOM at the start of a later line is text, kept as it is.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        while (end > start && bytes[end - 1] == '\r')
            --end;
        const QByteArrayView line = bytes.sliced(start, end - start);
        utf8.resetState();
        QString text = utf8.decode(line);
        if (utf8.hasError())
            text = fromCp1252(line);
        lines.push_back(std::move(text));
        start = next;
    }
    return lines;
}

bool isComment(const QString &trimmed)
{
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// The name of a "[name]" line; nothing for any other line.
std::optional<QString> sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.lastIndexOf(u']');
    if (close < 1)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

struct KeyLine {
    QString name;
    QString value;
};

// "name=value" split at the first "="; nothing for comments, section headers,
// and lines without a name or without "=".
std::optional<KeyLine> keyLine(const QString &line)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || isComment(t) || t.startsWith(u'['))
        return std::nullopt;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0)
        return std::nullopt;
    KeyLine k{t.left(eq).trimmed(), t.mid(eq + 1).trimmed()};
    if (k.name.isEmpty())
        return std::nullopt;
    return k;
}

bool hasLineBreak(const QString &s)
{
    return s.contains(u'\n') || s.contains(u'\r');
}

// The key under which names are matched: Qt's case-insensitive comparison
// folds each code point, and so does this.
QString folded(const QString &name)
{
    // Nearly every name is plain ASCII, where folding lowers the letters; a
    // name without capitals is its own key and needs no copy.
    bool ascii = true, capitals = false;
    for (const QChar c : name) {
        ascii = ascii && c.unicode() < 0x80;
        capitals = capitals || (c >= u'A' && c <= u'Z');
    }
    if (ascii)
        return capitals ? name.toLower() : name;
    const QList<uint> points = name.toUcs4();
    QString out;
    out.reserve(name.size());
    for (const uint c : points) {
        const char32_t f = QChar::toCaseFolded(char32_t(c));
        if (QChar::requiresSurrogates(f)) {
            out += QChar(QChar::highSurrogate(f));
            out += QChar(QChar::lowSurrogate(f));
        } else {
            out += QChar(char16_t(f));
        }
    }
    return out;
}

// Whether a line may be a section header, without copying it.
bool startsLikeHeader(const QString &line)
{
    for (const QChar c : line)
        if (!c.isSpace())
            return c == u'[';
    return false;
}

} // namespace

// Why a section/key/value cannot be stored so that it reads back the same;
// empty when it can. Line breaks would split the line, and a key that starts
// like a comment or a header, or holds "=", would be read as something else.
// Only a LF ends a line, so a CR inside a value (a hand-edited file has them)
// reads back as it was; at the value's ends it is trimmed like any blank.
QString ProfileDocument::unstorableReason(const QString &section, const QString &key, const QString &value)
{
    const QString k = key.trimmed();
    if (k.isEmpty())
        return QCoreApplication::translate("ProfileDocument", "the key name is empty");
    if (hasLineBreak(section) || hasLineBreak(key) || value.contains(u'\n'))
        return QCoreApplication::translate("ProfileDocument", "a profile entry cannot hold a line break");
    if (k.contains(u'=') || k.startsWith(u'[') || isComment(k))
        return QCoreApplication::translate("ProfileDocument", "the key name \"%1\" cannot be stored in a profile").arg(k);
    return {};
}

ProfileDocument ProfileDocument::parse(const QByteArray &bytes)
{
    ProfileDocument doc;
    const qsizetype firstBreak = bytes.indexOf('\n');
    if (firstBreak >= 0)
        doc.m_crlf = firstBreak > 0 && bytes.at(firstBreak - 1) == '\r';
    doc.m_lines = decodeLines(bytes);
    return doc;
}

QByteArray ProfileDocument::serialize() const
{
    const QString eol = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    auto added = m_added.cbegin();
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        text += m_lines[i];
        text += eol;
        if (added != m_added.cend() && added->first == i) {
            for (const QString &line : added->second) {
                text += line;
                text += eol;
            }
            ++added;
        }
    }
    return text.toUtf8();
}

ProfileDocument::SectionIndex *ProfileDocument::findSection(const QString &section) const
{
    if (!m_sections) {
        // One pass over the headers; the keys of a section are read when it is
        // first asked for, so the other sections of a large file cost little.
        m_sections.emplace();
        const auto n = static_cast<qsizetype>(m_lines.size());
        QString open; // the section whose lines are being read, if it counts
        for (qsizetype i = 0; i < n; ++i) {
            if (!startsLikeHeader(m_lines[i]))
                continue;
            const auto name = sectionName(m_lines[i]);
            if (!name)
                continue;
            if (!open.isNull())
                (*m_sections)[open].end = i;
            open = folded(*name);
            if (m_sections->contains(open)) {
                open = QString();
                continue;
            }
            SectionIndex &s = (*m_sections)[open];
            s.header = s.anchor = i;
            s.end = n;
        }
    }
    const auto found = m_sections->find(folded(section.trimmed()));
    return found == m_sections->end() ? nullptr : &found.value();
}

void ProfileDocument::indexKeys(SectionIndex &section) const
{
    if (section.keysIndexed)
        return;
    section.keysIndexed = true;
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        const auto k = keyLine(m_lines[i]);
        if (!k)
            continue;
        // A new key goes after the last key line, duplicates included.
        section.anchor = i;
        const QString name = folded(k->name);
        if (!section.keys.contains(name)) {
            section.keys.insert(name, KeyRef{i, -1});
            section.names << k->name;
        }
    }
}

const ProfileDocument::KeyRef *ProfileDocument::findKey(SectionIndex &section, const QString &key) const
{
    indexKeys(section);
    const auto found = section.keys.constFind(folded(key.trimmed()));
    return found == section.keys.cend() ? nullptr : &found.value();
}

QString &ProfileDocument::lineAt(const KeyRef &ref)
{
    return ref.added < 0 ? m_lines[ref.line] : m_added[ref.line][ref.added];
}

const QString &ProfileDocument::lineAt(const KeyRef &ref) const
{
    return ref.added < 0 ? m_lines[ref.line] : m_added.at(ref.line)[ref.added];
}

QString ProfileDocument::value(const QString &section, const QString &key) const
{
    SectionIndex *s = findSection(section);
    const KeyRef *ref = s ? findKey(*s, key) : nullptr;
    if (!ref)
        return {};
    return keyLine(lineAt(*ref))->value;
}

bool ProfileDocument::contains(const QString &section, const QString &key) const
{
    SectionIndex *s = findSection(section);
    return s && findKey(*s, key);
}

QStringList ProfileDocument::keys(const QString &section) const
{
    SectionIndex *s = findSection(section);
    if (!s)
        return {};
    indexKeys(*s);
    return s->names;
}

void ProfileDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    // Something that would not read back as this key would damage the file.
    if (!unstorableReason(section, key, value).isEmpty())
        return;
    const QString val = value.trimmed();
    const QString name = key.trimmed();

    SectionIndex *s = findSection(section);
    if (!s) {
        m_lines.push_back(u'[' + section.trimmed() + u']');
        m_lines.push_back(name + u'=' + val);
        const auto n = static_cast<qsizetype>(m_lines.size());
        SectionIndex &added = (*m_sections)[folded(section.trimmed())];
        added.header = n - 2;
        added.end = n;
        added.keysIndexed = true;
        added.keys.insert(folded(name), KeyRef{n - 1, -1});
        added.names << name;
        added.anchor = n - 1;
        return;
    }

    if (const KeyRef *ref = findKey(*s, key)) {
        QString &line = lineAt(*ref);
        line = keyLine(line)->name + u'=' + val;
        return;
    }

    // After the section's last key line, so the blank line or comment that
    // usually separates it from the next section stays in its place.
    std::vector<QString> &after = m_added[s->anchor];
    after.push_back(name + u'=' + val);
    s->keys.insert(folded(name), KeyRef{s->anchor, qsizetype(after.size()) - 1});
    s->names << name;
}

} // namespace platform
