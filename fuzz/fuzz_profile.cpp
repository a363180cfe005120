// libFuzzer target: arbitrary bytes through the profile parser, the stored
// entries, the entry codec (with a shortcut's properties) and the number
// text. Aborts when a property below does not hold; the sanitizers report
// everything else.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/profile/NumberText.h"
#include "config/ShortcutEntry.h"
#include "shortcuts/Shortcut.h"
#include "config/StoredEntries.h"
#include "platform/profile/ProfileFile.h"

namespace {

void check(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

bool sameText(const config::ShortcutEntry &a, const config::ShortcutEntry &b)
{
    return a.target == b.target && a.caption == b.caption;
}

// A shortcut's properties as its entry's further fields give them.
shortcuts::Shortcut propertiesOf(const config::ShortcutEntry &entry)
{
    shortcuts::Shortcut shortcut;
    config::readShortcutFields(entry.fields, shortcut);
    return shortcut;
}

bool sameProperties(const shortcuts::Shortcut &a, const shortcuts::Shortcut &b)
{
    return a.arguments == b.arguments && a.workingDirectory == b.workingDirectory && a.terminal == b.terminal
           && a.iconName == b.iconName && a.comment == b.comment && a.otherFields == b.otherFields;
}

// The entry a save writes for what was read: properties written again from
// what they were read as, unknown fields as they were.
config::ShortcutEntry rewritten(const config::ShortcutEntry &read)
{
    return {read.target, read.caption, QStringLiteral("0"), QStringLiteral("0"),
            config::shortcutFields(propertiesOf(read))};
}

// Written as a profile line and read back, as a save and the next start do.
std::optional<config::ShortcutEntry> throughProfile(const config::ShortcutEntry &entry)
{
    platform::ProfileDocument doc;
    doc.setValue(QStringLiteral("Tessaflow"), QStringLiteral("0"), config::encodeEntry(entry));
    const auto again = platform::ProfileDocument::parse(doc.serialize());
    return config::decodeEntry(again.value(QStringLiteral("Tessaflow"), QStringLiteral("0")));
}

// What a start keeps of the stored entries and a save writes back: shown
// ones re-encoded, then the unshown ones (no four fields) as they were;
// values shorter than two characters are absent.
QStringList keptEntries(const platform::ProfileDocument &doc)
{
    QStringList shown, unshown;
    for (const QString &value : config::storedEntryValues(doc)) {
        if (const auto entry = config::decodeEntry(value))
            shown << config::encodeEntry(*entry);
        else if (value.size() >= 2)
            unshown << value;
    }
    return shown + unshown;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The profile: after the first load and save, further rounds change nothing.
    const auto doc = platform::ProfileDocument::parse(bytes);
    const QByteArray once = doc.serialize();
    const QByteArray twice = platform::ProfileDocument::parse(once).serialize();
    check(twice == once, "parse/serialize is not stable after the first round");
    // Every key read also reads from the written file, with the same value.
    const auto reread = platform::ProfileDocument::parse(once);
    for (const QString &section : {QStringLiteral("Tessaflow"), QStringLiteral("tessaflow")})
        for (const QString &key : doc.keys(section))
            check(reread.value(section, key) == doc.value(section, key), "a value changed through a save");

    // Every stored entry's target, caption and properties (unknown fields
    // included) read the same after the save that writes them again.
    for (const QString &value : config::storedEntryValues(doc)) {
        const auto read = config::decodeEntry(value);
        if (!read)
            continue;
        const auto again = throughProfile(rewritten(*read));
        check(again && sameText(*again, *read), "a stored entry's text changed through its save");
        check(again && sameProperties(propertiesOf(*again), propertiesOf(*read)),
              "a stored entry's properties changed through its save");
    }

    // Load, save, load: every entry comes back once, whole, in its place;
    // none is dropped and no stale line shows one twice.
    const QStringList kept = keptEntries(doc);
    auto saved = doc;
    config::writeEntryValues(saved, kept);
    check(keptEntries(platform::ProfileDocument::parse(saved.serialize())) == kept,
          "the entries read after a save are not the ones saved");

    // The entry codec: any target and caption (split at the first NUL) read back.
    const qsizetype split = bytes.indexOf('\0');
    const QString target = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString caption = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 1));
    const config::ShortcutEntry entry{target, caption, QStringLiteral("1440"), QStringLiteral("-0.5")};
    const auto back = config::decodeEntry(config::encodeEntry(entry));
    check(back && sameText(*back, entry), "an encoded entry does not decode to itself");
    const auto stored = throughProfile(entry);
    check(stored && sameText(*stored, entry), "an entry does not survive a profile line");
    // Properties of any text (the part after a second NUL) read back, with
    // an unknown field before them and the escape flag whenever the target
    // or caption asks for it.
    {
        const qsizetype second = split < 0 ? -1 : bytes.indexOf('\0', split + 1);
        const QString value = second < 0 ? caption : QString::fromUtf8(bytes.mid(second + 1));
        shortcuts::Shortcut properties;
        properties.arguments = properties.workingDirectory = properties.iconName = properties.comment = value;
        properties.terminal = !value.isEmpty();
        properties.otherFields = QStringList{QStringLiteral("later=%7C")};
        const config::ShortcutEntry withFields{target, caption, QStringLiteral("1440"), QStringLiteral("-0.5"),
                                               config::shortcutFields(properties)};
        const auto readBack = throughProfile(withFields);
        check(readBack && sameText(*readBack, withFields), "an entry with properties does not keep its text");
        check(readBack && sameProperties(propertiesOf(*readBack), properties),
              "properties do not survive a profile line");
        // An older reader finds the position in the third and fourth fields.
        const QStringList fields = config::encodeEntry(withFields).split(u'|');
        check(fields.size() > 4 && fields[2] == withFields.left && fields[3] == withFields.top,
              "the position is not in the third and fourth fields");
    }

    // Whatever target and caption a stored value decodes to are written back
    // so that they read the same (positions are always written as numbers).
    if (auto read = config::decodeEntry(QString::fromUtf8(bytes))) {
        read->left = read->top = QStringLiteral("0");
        // Further fields as a profile line holds them: never a line break
        // (those of a whole stored line are checked above).
        read->fields.removeIf([](const QString &field) { return field.contains(u'\n') || field.contains(u'\r'); });
        const auto rewritten = throughProfile(*read);
        check(rewritten && sameText(*rewritten, *read), "a read entry does not survive its save");
    }

    // The number text: what is written reads back and is written the same.
    const QString text = QString::fromUtf8(bytes.left(64));
    if (const auto value = platform::numberOf(text)) {
        const QString written = platform::numberText(*value);
        const auto again = platform::numberOf(written);
        check(!written.isEmpty() == bool(again), "a written number does not read back");
        if (again)
            check(platform::numberText(*again) == written, "a number is not written the same twice");
    }
    (void)platform::wholeNumberOf(text);
    return 0;
}
