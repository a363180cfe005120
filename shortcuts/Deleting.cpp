#include "shortcuts/Deleting.h"

#include <QCoreApplication>

namespace shortcuts {

QString deleteQuestion(const QString &caption)
{
    //: %1 is the shortcut's caption.
    return QCoreApplication::translate("Deleting", "Are you sure you want to delete %1?").arg(caption);
}

bool RemoveShortcut(ShortcutList &list, int i)
{
    return i >= 1 && list.lstPrograms.RemoveItem(i - 1) && list.lstButtons.Remove(i);
}

bool DeleteSelected(ShortcutList &list, platform::Dialogs &dialogs)
{
    const int selected = list.lstButtons.SelectedItem();
    if (selected < 1)
        return false;
    const auto answer = dialogs.askYesNo(QStringLiteral("Tessaflow"), deleteQuestion(list.lstButtons.Text(selected)));
    if (answer == platform::Dialogs::Yes) {
        // The selection may have changed while the question was up.
        RemoveShortcut(list, list.lstButtons.SelectedItem());
    }
    return true;
}

} // namespace shortcuts
