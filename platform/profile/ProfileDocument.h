#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

// The text of an INI profile held in memory, edited with the rules Windows'
// profile functions follow, so a file can go back and forth between the two:
// names match without regard to case, the first of duplicate sections/keys
// wins, an existing key is replaced where it stands (keeping its spelling),
// a new key goes after the last key line of its section, a new section at the
// end of the file, and every other line (comments, blank lines, other sections)
// is kept as it was. Whitespace around names and values is ignored on reading.
class ProfileDocument {
public:
    // Decodes each line as UTF-8 (BOM dropped); a line that is not valid UTF-8
    // was written by an 8-bit program and is read as Windows-1252. CRLF and LF
    // both read; the file's own line ending is kept for writing.
    static ProfileDocument parse(const QByteArray &bytes);
    // UTF-8, in the line ending the file had (the platform's own for a new file).
    QByteArray serialize() const;

    // "" when the section or key is missing.
    QString value(const QString &section, const QString &key) const;
    bool contains(const QString &section, const QString &key) const;
    // Key names of a section in file order (first of duplicates only).
    QStringList keys(const QString &section) const;
    // Writes `key=value` (an empty value as `key=`).
    void setValue(const QString &section, const QString &key, const QString &value);
    // Why a section/key/value cannot be stored so that it reads back the
    // same; empty when it can.
    static QString unstorableReason(const QString &section, const QString &key, const QString &value);

    bool usesCrLf() const { return m_crlf; }

private:
    // Where a key line stands: m_lines[line], or m_added[line][added].
    struct KeyRef {
        qsizetype line = -1;
        qsizetype added = -1;
    };
    // The first section of a name: its lines, and (once asked for) its keys.
    struct SectionIndex {
        qsizetype header = -1;
        qsizetype end = -1; // the next section's header, or the end of the file
        bool keysIndexed = false;
        QHash<QString, KeyRef> keys; // by folded name, first of duplicates
        QStringList names;           // key names in file order, first of duplicates
        qsizetype anchor = -1;       // new keys go after this line's added lines
    };
    SectionIndex *findSection(const QString &section) const;
    void indexKeys(SectionIndex &section) const;
    const KeyRef *findKey(SectionIndex &section, const QString &key) const;
    QString &lineAt(const KeyRef &ref);
    const QString &lineAt(const KeyRef &ref) const;

    std::vector<QString> m_lines;
    // Keys added to a section, after its last key line, each after line n.
    std::map<qsizetype, std::vector<QString>> m_added;
    // Sections by folded name; built on first use, then kept up to date, so
    // that every lookup costs the same however long the file is.
    mutable std::optional<QHash<QString, SectionIndex>> m_sections;
#ifdef Q_OS_WIN
    bool m_crlf = true;
#else
    bool m_crlf = false;
#endif
};

} // namespace platform
