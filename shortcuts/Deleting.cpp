#include "shortcuts/Deleting.h"

#include <QCoreApplication>
#include <QPersistentModelIndex>

namespace shortcuts {

QString deleteQuestion(const QString &caption)
{
    // The second sentence answers what the user may fear: a shortcut may open
    // a file, a folder or a web page, and none of them goes with it.
    //: %1 is the shortcut's caption, in the language's quotation marks.
    return QCoreApplication::translate("Deleting", "Are you sure you want to delete \u201C%1\u201D?").arg(caption)
           + QLatin1Char(' ')
           + QCoreApplication::translate("Deleting", "Only the shortcut is removed; the file, folder or web page it "
                                                     "opens is not touched.");
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
