#include "shortcuts/Deleting.h"

#include <QCoreApplication>
#include <QPersistentModelIndex>

namespace shortcuts {

QString deleteQuestion(const QString &caption)
{
    //: %1 is the shortcut's caption.
    return QCoreApplication::translate("Deleting", "Are you sure you want to delete %1?").arg(caption);
}

bool DeleteSelected(ShortcutList &list, platform::Dialogs &dialogs)
{
    const int selected = list.view.selectedRow();
    if (selected < 0)
        return false;
    // The question waits for the user while the program goes on (a later
    // start may hand a file over, which is added and selected): the answer
    // is about the shortcut asked about, wherever it is by then.
    const QPersistentModelIndex asked(list.model.index(selected));
    const auto answer = dialogs.askYesNo(QStringLiteral("Tessaflow"), deleteQuestion(list.model.at(selected).caption));
    if (answer == platform::Dialogs::Yes && asked.isValid())
        list.model.remove(asked.row());
    return true;
}

} // namespace shortcuts
