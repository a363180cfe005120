#include "config/Config.h"

#include "platform/profile/NumberText.h"
#include "config/ShortcutEntry.h"
#include "config/StoredEntries.h"

namespace config {

using platform::numberOf;
using platform::numberText;
using platform::wholeNumberOf;

int Load_Config(const IniFile &ini, WindowFrame &window, shortcuts::ShortcutList &list, QString *error)
{
    // One snapshot of the file: the same values as reading key by key, without
    // parsing the file a hundred times at start-up.
    platform::ProfileDocument doc;
    if (!ini.file().load(doc, error))
        return 0;
    auto read = [&](const QString &key) { return doc.value(kSection, key); };

    window.setFrame(numberOf(read(QStringLiteral("Top"))), numberOf(read(QStringLiteral("Left"))),
                    numberOf(read(QStringLiteral("Height"))), numberOf(read(QStringLiteral("Width"))));
    if (const auto arrange = wholeNumberOf(read(QStringLiteral("Arrange"))))
        list.lstButtons.setArrange(*arrange);
    if (const auto view = wholeNumberOf(read(QStringLiteral("SView"))))
        list.lstButtons.setView(*view);
    // As stored: a value this copy cannot read is kept for the one that can.
    window.setHotKey(read(QStringLiteral("HotKey")));

    int added = 0;
    for (const QString &value : storedEntryValues(doc)) {
        const auto entry = decodeEntry(value);
        // Each new item's images are the next ones in the lists, so every
        // item shows its own icon even after gaps in a hand-edited file.
        if (entry && list.IconList.Count() < shortcuts::kMaxImages
            && shortcuts::AddButton(list, entry->target, entry->caption, list.nextImageIndex(), entry->left,
                                    entry->top))
            ++added;
        // An entry that cannot be shown (past the image limit, or hand-written
        // with a field missing) is still the user's: the save keeps it.
        else if (value.size() >= 2)
            list.unshown << value;
    }
    return added;
}


bool Save_Config(const IniFile &ini, const WindowFrame &window, const shortcuts::ShortcutList &list,
                 QString *error)
{
    platform::ProfileUpdate update(ini.file());
    platform::ProfileDocument doc;
    // A file that exists but cannot be read is never overwritten.
    if (!update.load(doc, error))
        return false;
    auto write = [&](const QString &key, const QString &value) { doc.setValue(kSection, key, value); };

    // The frame is the window's restore bounds, right in every state.
    if (window.framePositionKnown()) {
        write(QStringLiteral("Top"), numberText(window.frameTop()));
        write(QStringLiteral("Left"), numberText(window.frameLeft()));
    }
    write(QStringLiteral("Height"), numberText(window.frameHeight()));
    write(QStringLiteral("Width"), numberText(window.frameWidth()));
    const platform::ListView &view = list.lstButtons;
    write(QStringLiteral("Arrange"), numberText(view.Arrange()));
    write(QStringLiteral("SView"), numberText(view.View()));
    // Written once there is a key, and emptied when it is taken away; a
    // profile that never had one gets no line for it.
    const auto hotKey = window.hotKey();
    if (hotKey && (!hotKey->isEmpty() || !doc.value(kSection, QStringLiteral("HotKey")).isEmpty()))
        write(QStringLiteral("HotKey"), *hotKey);

    QStringList values;
    for (int i = 0; i < view.Count(); ++i)
        values << encodeEntry({list.lstPrograms.List(i), view.Text(i + 1), numberText(view.Left(i + 1)),
                               numberText(view.Top(i + 1))});
    // Entries read but not shown follow the shown ones, as they were.
    values << list.unshown;
    writeEntryValues(doc, values);
    return update.save(doc, error);
}

} // namespace config
