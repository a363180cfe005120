#include "shortcuts/Launch.h"

#include <QCoreApplication>

#include "shortcuts/Deleting.h"
#include "shortcuts/Targets.h"

namespace shortcuts {

void Launch(const QString &sFileName, platform::Opener &opener)
{
    const Target target = readTarget(sFileName, Source::Stored);
    if (target.isLink())
        opener.openUri(target.text);
    else
        // What names nothing goes on as it is, for the opener to say so.
        opener.openPath(target.text.isEmpty() ? sFileName : target.text);
}

bool OpenSelected(const ShortcutList &list, platform::Opener &opener)
{
    const int selected = list.lstButtons.SelectedItem();
    if (selected < 1 || selected > list.lstPrograms.ListCount())
        return false;
    // Item i pairs with target i - 1, whatever the list shows where.
    Launch(list.lstPrograms.List(selected - 1), opener);
    return true;
}

QString missingQuestion(const QString &caption, const QString &target)
{
    //: %1 is the shortcut's caption, %2 the file or folder it opens.
    return QCoreApplication::translate("Launch", "%1 cannot be opened: \u201C%2\u201D is missing.\n\nRemove this shortcut?")
        .arg(caption, target);
}

bool OpenOrOfferRemoval(ShortcutList &list, platform::Opener &opener, platform::Dialogs &dialogs)
{
    const int selected = list.lstButtons.SelectedItem();
    if (selected < 1 || selected > list.lstPrograms.ListCount())
        return false;
    const QString target = list.lstPrograms.List(selected - 1);
    if (!isMissing(target)) {
        Launch(target, opener);
        return false;
    }
    if (dialogs.askYesNo(QStringLiteral("Tessaflow"), missingQuestion(list.lstButtons.Text(selected), target))
        != platform::Dialogs::Yes)
        return false;
    // Shortcuts are only appended while the question is up: the one asked
    // about is still there, unless it changed hands some other way.
    return list.lstPrograms.List(selected - 1) == target && RemoveShortcut(list, selected);
}

} // namespace shortcuts
