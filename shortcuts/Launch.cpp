#include "shortcuts/Launch.h"

#include <QCoreApplication>
#include <QPersistentModelIndex>

#include "platform/xdg/DesktopEntry.h"
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

platform::RunOptions runOptions(const Shortcut &shortcut)
{
    return {platform::DesktopEntry::execArguments(shortcut.arguments), shortcut.workingDirectory, shortcut.terminal};
}

void Launch(const Shortcut &shortcut, platform::Opener &opener)
{
    const platform::RunOptions how = runOptions(shortcut);
    if (how == platform::RunOptions{}) {
        Launch(shortcut.target, opener);
        return;
    }
    const Target target = readTarget(shortcut.target, Source::Stored);
    if (target.isLink())
        opener.openUri(target.text);
    else
        opener.runPath(target.text.isEmpty() ? shortcut.target : target.text, how);
}

bool OpenSelected(const ShortcutList &list, platform::Opener &opener)
{
    const int selected = list.selected();
    if (selected < 0)
        return false;
    Launch(list.model.at(selected), opener);
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
    const int selected = list.selected();
    if (selected < 0)
        return false;
    const Shortcut &shortcut = list.model.at(selected);
    if (!isMissing(shortcut.target)) {
        Launch(shortcut, opener);
        return false;
    }
    // The shortcut asked about, wherever it is once the question is answered;
    // nothing is removed when it has gone meanwhile.
    const QPersistentModelIndex asked(list.model.index(selected));
    // Enter keeps the shortcut: only a deliberate Yes gives it up.
    if (dialogs.askYesNo(QStringLiteral("Tessaflow"), missingQuestion(shortcut.caption, shortcut.target),
                         platform::Dialogs::No)
        != platform::Dialogs::Yes)
        return false;
    return asked.isValid() && list.model.remove(asked.row());
}

} // namespace shortcuts
