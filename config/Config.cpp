#include "config/Config.h"

#include "platform/profile/NumberText.h"
#include "config/ShortcutEntry.h"
#include "config/StoredEntries.h"
#include "shortcuts/ShortcutList.h"

namespace config {

using platform::numberOf;
using platform::numberText;
using platform::wholeNumberOf;

namespace {
const QString kGroups = QStringLiteral("Groups");

QStringList storedGroups(const platform::ProfileDocument &doc)
{
    QStringList groups;
    for (const QString &name : doc.value(kSection, kGroups).split(u'|'))
        groups << decodedValue(name);
    return groups;
}

// Appends every stored shortcut in key order, each in `firstGroup` unless it
// names its own; places only when `placed` (icons placed by hand).
int readEntries(const platform::ProfileDocument &doc, const QString &firstGroup, bool placed,
                std::vector<shortcuts::Shortcut> &shortcuts, QStringList &unshown)
{
    int added = 0;
    const QStringList values = storedEntryValues(doc);
    shortcuts.reserve(shortcuts.size() + size_t(values.size()));
    for (const QString &value : values) {
        const auto entry = decodeEntry(value);
        auto shortcut = entry ? shortcuts::makeShortcut(entry->target, entry->caption) : std::nullopt;
        // An entry that cannot be shown (hand-written with a field missing,
        // or naming nothing) is still the user's: the save keeps it.
        if (!shortcut) {
            if (value.size() >= 2)
                unshown << value;
            continue;
        }
        shortcut->group = firstGroup;
        readShortcutFields(entry->fields, *shortcut);
        // Positions count only while icons are placed by hand; either one
        // may be there without the other.
        if (placed) {
            shortcut->left = numberOf(entry->left);
            shortcut->top = numberOf(entry->top);
        }
        shortcuts.push_back(std::move(*shortcut));
        ++added;
    }
    return added;
}
} // namespace

int Load_Config(const IniFile &ini, WindowFrame &window, ListLook &look, std::vector<shortcuts::Shortcut> &shortcuts,
                QStringList &unshown, QString *error)
{
    // One snapshot of the file: the same values as reading key by key, without
    // parsing the file a hundred times at start-up.
    platform::ProfileDocument doc;
    if (!ini.file().load(doc, error))
        return 0;
    auto read = [&](const QString &key) { return doc.value(kSection, key); };

    window.setFrame(numberOf(read(QStringLiteral("Top"))), numberOf(read(QStringLiteral("Left"))),
                    numberOf(read(QStringLiteral("Height"))), numberOf(read(QStringLiteral("Width"))));
    if (const auto arrange = wholeNumberOf(read(QStringLiteral("Arrange"))); arrange && *arrange >= 0 && *arrange <= 2)
        look.arrange = int(*arrange);
    if (const auto view = wholeNumberOf(read(QStringLiteral("SView"))); view && *view >= 0 && *view <= 3)
        look.view = int(*view);
    // Only "0" turns it off: the key is written only then.
    look.findApplications = read(QStringLiteral("FindApplications")).trimmed() != QStringLiteral("0");
    // As stored: a value this copy cannot read is kept for the one that can.
    window.setHotKey(read(QStringLiteral("HotKey")));
    look.groups = storedGroups(doc);

    return readEntries(doc, look.groups.first(), look.arrange == 0, shortcuts, unshown);
}

bool Save_Config(const IniFile &ini, const WindowFrame &window, const ListLook &look,
                 const std::vector<shortcuts::Shortcut> &shortcuts, const PlaceOf &placeOf,
                 const QStringList &unshown, QString *error)
{
    platform::ProfileUpdate update(ini.file());
    platform::ProfileDocument doc;
    // A file that exists but cannot be read is never overwritten.
    if (!update.load(doc, error))
        return false;
    auto write = [&](const QString &key, const QString &value) { doc.setValue(kSection, key, value); };
    // What the file holds of the shortcuts and groups, as stored: a save that
    // changes them keeps the file as an earlier version; one of the window's
    // frame or the view alone does not.
    const QStringList entriesBefore = storedEntryValues(doc);
    const QString groupsBefore = doc.value(kSection, kGroups);

    // The frame is the window's restore bounds, right in every state.
    if (window.framePositionKnown()) {
        write(QStringLiteral("Top"), numberText(window.frameTop()));
        write(QStringLiteral("Left"), numberText(window.frameLeft()));
    }
    write(QStringLiteral("Height"), numberText(window.frameHeight()));
    write(QStringLiteral("Width"), numberText(window.frameWidth()));
    write(QStringLiteral("Arrange"), numberText(look.arrange));
    write(QStringLiteral("SView"), numberText(look.view));
    // Written only when off (and set back when on again), so a profile that
    // never turned it off stays as it was.
    if (!look.findApplications || doc.contains(kSection, QStringLiteral("FindApplications")))
        write(QStringLiteral("FindApplications"), look.findApplications ? QStringLiteral("1") : QStringLiteral("0"));
    // Written once there is a key, and emptied when it is taken away; a
    // profile that never had one gets no line for it.
    const auto hotKey = window.hotKey();
    if (hotKey && (!hotKey->isEmpty() || !doc.value(kSection, QStringLiteral("HotKey")).isEmpty()))
        write(QStringLiteral("HotKey"), *hotKey);

    // One unnamed group is what a profile without the key has.
    const QString firstGroup = look.groups.value(0);
    if (look.groups.size() > 1 || !firstGroup.isEmpty() || doc.contains(kSection, kGroups)) {
        QStringList names;
        for (const QString &name : look.groups)
            names << encodedValue(name);
        write(kGroups, names.join(u'|'));
    }

    QStringList values;
    values.reserve(qsizetype(shortcuts.size()) + unshown.size());
    for (size_t row = 0; row < shortcuts.size(); ++row) {
        const shortcuts::Shortcut &shortcut = shortcuts[row];
        const QPointF place = placeOf(int(row));
        QStringList fields = shortcutFields(shortcut);
        if (shortcut.group != firstGroup)
            fields << groupField(shortcut.group);
        values << encodeEntry({shortcut.target, shortcut.caption, numberText(place.x()), numberText(place.y()), fields});
    }
    // Entries read but not shown follow the shown ones, as they were.
    values << unshown;
    writeEntryValues(doc, values);
    if (storedEntryValues(doc) != entriesBefore || doc.value(kSection, kGroups) != groupsBefore)
        return update.saveKeepingVersion(doc, error);
    return update.save(doc, error);
}

shortcuts::ListState storedState(const QByteArray &bytes, QStringList *unshown)
{
    const platform::ProfileDocument doc = platform::ProfileDocument::parse(bytes);
    shortcuts::ListState state;
    state.groups = storedGroups(doc);
    const auto arrange = wholeNumberOf(doc.value(kSection, QStringLiteral("Arrange")));
    QStringList notShown;
    readEntries(doc, state.groups.first(), !arrange || *arrange == 0, state.shortcuts, notShown);
    if (unshown)
        *unshown = notShown;
    return state;
}

int loadList(const IniFile &ini, WindowFrame &window, ListLook &look, shortcuts::ShortcutList &list, QString *error)
{
    look.arrange = list.view.Arrange();
    look.view = list.view.View();
    std::vector<shortcuts::Shortcut> loaded;
    const int added = Load_Config(ini, window, look, loaded, list.unshown, error);
    list.view.setArrange(look.arrange);
    list.view.setView(look.view);
    list.model.addStored(std::move(loaded));
    list.model.setGroups(look.groups);
    list.showGroup(list.model.groups().first());
    return added;
}

bool saveList(const IniFile &ini, const WindowFrame &window, ListLook look, const shortcuts::ShortcutList &list,
              QString *error)
{
    look.arrange = list.view.Arrange();
    look.view = list.view.View();
    look.groups = list.model.groups();
    return Save_Config(
        ini, window, look, list.model.shortcuts(), [&list](int row) { return list.placeOf(row); }, list.unshown, error);
}

} // namespace config
