#include "launcher/Controller.h"

namespace launcher {

QString Controller::moveToGroupStep(const QString &name) const
{
    //: An undo step: %1 is the group the shortcuts were moved to.
    return tr("Move to Group \u201C%1\u201D").arg(shortcuts::groupTitle(name));
}

std::optional<QString> Controller::groupNamed(const QString &name) const
{
    for (const QString &group : m_model.groups())
        if (group == name || shortcuts::groupTitle(group) == name)
            return group;
    for (const QString &group : m_model.groups())
        if (shortcuts::groupTitle(group).compare(name, Qt::CaseInsensitive) == 0)
            return group;
    return std::nullopt;
}

bool Controller::showGroup(const QString &name)
{
    if (!m_model.hasGroup(name))
        return false;
    if (name == m_list.shownGroup())
        return true;
    m_finder.clear(); // the text found shortcuts in the group left
    m_list.showGroup(name);
    emit groupShown();
    return true;
}

void Controller::showNextGroup(int step)
{
    const QStringList &groups = m_model.groups();
    const qsizetype count = groups.size();
    const qsizetype at = groups.indexOf(m_list.shownGroup());
    showGroup(groups[((at + step) % count + count) % count]);
}

std::optional<QString> Controller::newGroup(const std::vector<QPersistentModelIndex> &moving)
{
    const auto name = m_services.dialogs.inputText(
        tr("Tessaflow - New Group"),
        //: The prompt for a new group's name.
        tr("Name of the new group:"), QString(), QString(),
        [this](const QString &answer) { return m_model.groupNameProblem(answer); });
    if (!name)
        return std::nullopt;
    std::optional<QString> added;
    //: An undo step: %1 is the new group's name.
    command(tr("New Group \u201C%1\u201D").arg(name->trimmed()), [&] {
        if (!m_model.addGroup(*name))
            return;
        added = name->trimmed();
        // Those still there once the name was given.
        std::vector<int> still;
        for (const QPersistentModelIndex &index : moving)
            if (index.isValid())
                still.push_back(index.row());
        m_model.moveToGroup(still, *added);
    });
    if (added)
        showGroup(*added);
    return added;
}

void Controller::newGroupForSelected()
{
    const std::vector<int> rows = m_list.selectedRows();
    if (rows.empty())
        return;
    // The shortcuts asked about, wherever they are once the name is given.
    std::vector<QPersistentModelIndex> asked;
    for (int row : rows)
        asked.emplace_back(m_model.index(row));
    // Made and moved as one change, one step.
    if (!newGroup(asked))
        return;
    std::vector<int> still;
    for (const QPersistentModelIndex &index : asked)
        if (index.isValid())
            still.push_back(index.row());
    for (int n = 0; n < int(still.size()); ++n)
        n == 0 ? m_list.select(still[size_t(n)]) : m_list.addToSelection(still[size_t(n)]);
}

void Controller::moveSelectedToGroup(const QString &name)
{
    const std::vector<int> rows = m_list.selectedRows();
    command(moveToGroupStep(name), [&] { m_model.moveToGroup(rows, name); });
}

void Controller::moveToGroup(const std::vector<int> &rows, const QString &name)
{
    const std::vector<int> modelRows = m_list.shown.toModel(rows);
    command(moveToGroupStep(name), [&] { m_model.moveToGroup(modelRows, name); });
}

void Controller::renameGroup(const QString &name)
{
    if (!m_model.hasGroup(name))
        return;
    const auto renamed = m_services.dialogs.inputText(
        tr("Tessaflow - Rename Group"),
        //: %1 is the group's name now.
        tr("New name of the group \u201C%1\u201D:").arg(shortcuts::groupTitle(name)), shortcuts::groupTitle(name),
        QString(), [this, name](const QString &answer) { return m_model.groupNameProblem(answer, name); });
    if (renamed)
        //: An undo step: %1 is the group's name before it was renamed.
        command(tr("Rename Group \u201C%1\u201D").arg(shortcuts::groupTitle(name)),
                [&] { m_model.renameGroup(name, *renamed); });
}

void Controller::deleteGroup(const QString &name)
{
    const QStringList &groups = m_model.groups();
    const qsizetype at = groups.indexOf(name);
    if (at < 0 || groups.size() < 2)
        return;
    const QString heir = groups[at > 0 ? at - 1 : 1];
    const QString title = shortcuts::groupTitle(name);
    //: %1 is the group to delete, %2 the group its shortcuts move to.
    const QString question = tr("Delete the group \u201C%1\u201D? Its shortcuts move to \u201C%2\u201D.")
                                 .arg(title, shortcuts::groupTitle(heir));
    if (m_services.dialogs.askYesNo(tr("Tessaflow - Delete Group"), question, platform::Dialogs::No)
        != platform::Dialogs::Yes)
        return;
    if (m_list.shownGroup() == name)
        showGroup(heir);
    //: An undo step: %1 is the deleted group's name.
    command(tr("Delete Group \u201C%1\u201D").arg(title), [&] { m_model.removeGroup(name, heir); });
}

void Controller::moveGroup(int from, int to)
{
    const QString moved = shortcuts::groupTitle(m_model.groups().value(from));
    //: An undo step: %1 is the name of the group whose tab was moved.
    command(tr("Move Group \u201C%1\u201D").arg(moved), [&] { m_model.moveGroup(from, to); });
}

void Controller::replaceShortcuts(shortcuts::ListState state, const QString &step)
{
    m_finder.clear();
    const QString shown = m_list.shownGroup();
    //: An undo step: every shortcut replaced by an earlier version's.
    command(step.isEmpty() ? tr("Restore") : step, [&] { m_model.replace(std::move(state)); });
    // Every item is new to the view: laid out from their own places, in the
    // same group when it is still there.
    const QString group = m_model.hasGroup(shown) ? shown : m_model.groups().first();
    if (group == m_list.shownGroup())
        m_list.view.setItems(&m_list.shown);
    m_list.showGroup(group);
    emit groupShown();
}

void Controller::addDroppedToGroup(const QString &name, const QList<QUrl> &urls, const QStringList &titles)
{
    if (showGroup(name))
        addDropped(urls, titles);
}

} // namespace launcher
