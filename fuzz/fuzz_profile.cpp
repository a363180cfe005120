// libFuzzer target: arbitrary bytes through the profile parser, the stored
// entries, the entry codec and the number text. Aborts when a property below does not hold; the
// sanitizers report everything else.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/profile/NumberText.h"
#include "config/ShortcutEntry.h"
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
    // Whatever target and caption a stored value decodes to are written back
    // so that they read the same (positions are always written as numbers).
    if (auto read = config::decodeEntry(QString::fromUtf8(bytes))) {
        read->left = read->top = QStringLiteral("0");
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
