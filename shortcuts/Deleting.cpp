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

QString deleteManyQuestion(int count)
{
    return QCoreApplication::translate("Deleting", "Remove %n shortcuts?", nullptr, count) + QLatin1Char(' ')
           + QCoreApplication::translate("Deleting", "Only the shortcuts are removed; the files, folders or web pages "
                                                     "they open are not touched.");
}

bool DeleteSelected(ShortcutList &list, platform::Dialogs &dialogs)
{
    const std::vector<int> selected = list.selectedRows();
    if (selected.empty())
        return false;
    // The question waits for the user while the program goes on (a later
    // start may hand a file over, which is added and selected): the answer
    // is about the shortcuts asked about, wherever they are by then.
    std::vector<QPersistentModelIndex> asked;
    for (int row : selected)
        asked.emplace_back(list.model.index(row));
    const QString question = selected.size() == 1 ? deleteQuestion(list.model.at(selected.front()).caption)
                                                  : deleteManyQuestion(int(selected.size()));
    if (dialogs.askYesNo(QStringLiteral("Tessaflow"), question) != platform::Dialogs::Yes)
        return true;
    std::vector<int> rows;
    for (const QPersistentModelIndex &index : asked)
        if (index.isValid())
            rows.push_back(index.row());
    list.model.remove(std::move(rows));
    return true;
}

} // namespace shortcuts
