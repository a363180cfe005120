#include "config/Config.h"

#include <algorithm>
#include <vector>

#include "platform/profile/NumberText.h"
#include "config/ShortcutEntry.h"

namespace config {

using platform::numberOf;
using platform::numberText;
using platform::wholeNumberOf;

namespace {
bool isNumberedKey(const QString &key, int *number);
} // namespace

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

    // Every numbered key the section holds, in ascending order, whatever the gaps.
    std::vector<int> numbers;
    for (const QString &key : doc.keys(kSection))
        if (int number = 0; isNumberedKey(key, &number))
            numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());

    int added = 0;
    for (const int number : numbers) {
        const QString value = read(QString::number(number));
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

namespace {

bool isNumberedKey(const QString &key, int *number)
{
    // "0" or up to nine digits without a leading zero: "01" and "1e3" are not numbers.
    if (key.isEmpty() || key.size() > 9 || (key.size() > 1 && key[0] == u'0'))
        return false;
    for (const QChar c : key)
        if (c < u'0' || c > u'9')
            return false;
    *number = key.toInt();
    return true;
}

} // namespace

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

    const int shown = view.Count();
    for (int i = 0; i < shown; ++i)
        write(QString::number(i), encodeEntry({list.lstPrograms.List(i), view.Text(i + 1),
                                               numberText(view.Left(i + 1)), numberText(view.Top(i + 1))}));
    // Entries read but not shown follow the shown ones, as they were.
    const int n = shown + int(list.unshown.size());
    for (int i = shown; i < n; ++i)
        write(QString::number(i), list.unshown[i - shown]);
    for (int k = n; k <= kLastWrittenKey; ++k)
        write(QString::number(k), QString());
    // Entries of a longer list that has since shrunk must not come back at the
    // next start: empty the numbered keys beyond the list that are still there.
    for (const QString &key : doc.keys(kSection)) {
        int number = 0;
        if (isNumberedKey(key, &number) && number > kLastWrittenKey && number >= n)
            write(key, QString());
    }
    return update.save(doc, error);
}

} // namespace config
