// Undo and redo: every command is a step of the history, recorded by
// command() from the state before it; what changed the model before the
// controller heard of it (a caption edited in place, icons dragged by hand)
// hands its own "before".
#include "launcher/Controller.h"

#include <utility>

namespace launcher {

shortcuts::ListState Controller::takeBefore()
{
    // An edit in place not handed in by now was no edit of the user's.
    m_editedCaption.reset();
    if (m_beforeHandMove)
        return *std::exchange(m_beforeHandMove, std::nullopt);
    return m_model.state();
}

void Controller::recordStep(const QString &step, const shortcuts::ListState &before)
{
    // Reading the profile is no step, and putting a step back makes none.
    if (m_replaying || !m_loaded)
        return;
    if (m_history.record(step.isEmpty() ? addStep(before) : step, before, m_model.state())) {
        // Saved as any change is, icons moved by hand too.
        m_changed = true;
        emit historyChanged();
    }
}

void Controller::undo() { putBack(m_history.undo(m_model.state())); }

void Controller::redo() { putBack(m_history.redo(m_model.state())); }

void Controller::putBack(std::optional<shortcuts::ListState> state)
{
    if (state) {
        m_replaying = true;
        replaceShortcuts(std::move(*state));
        m_replaying = false;
        // What came back is shown, selected, in its group.
        const int row = m_history.changedRow();
        if (row >= 0 && row < m_model.count()) {
            showGroup(m_model.at(row).group);
            m_list.select(row);
        }
    }
    emit historyChanged();
}

void Controller::renamed()
{
    // The model has taken the caption already: the step starts from the one it had.
    if (const auto edited = std::exchange(m_editedCaption, std::nullopt); edited && edited->first < m_model.count()) {
        shortcuts::ListState before = m_model.state();
        before.shortcuts[size_t(edited->first)].caption = edited->second;
        //: An undo step: %1 is the shortcut's caption before it was renamed.
        recordStep(tr("Rename \u201C%1\u201D").arg(edited->second), before);
    }
    // Kept at once, as after a delete.
    saveChanges();
}

void Controller::movedByHand(const std::vector<int> &rows)
{
    // The view has put them there already; the step starts from before the drag.
    command(moveStep(m_list.shown.toModel(rows)), [] {});
}

QString Controller::deleteStep(const std::vector<int> &rows) const
{
    if (rows.size() == 1 && rows.front() >= 0 && rows.front() < m_model.count())
        //: An undo step: %1 is the deleted shortcut's caption.
        return tr("Delete \u201C%1\u201D").arg(m_model.at(rows.front()).caption);
    //: An undo step: several shortcuts deleted at once.
    return tr("Delete %n Shortcuts", nullptr, int(rows.size()));
}

QString Controller::moveStep(const std::vector<int> &rows) const
{
    if (rows.size() == 1 && rows.front() >= 0 && rows.front() < m_model.count())
        //: An undo step: %1 is the caption of the shortcut moved in the list or on the window.
        return tr("Move \u201C%1\u201D").arg(m_model.at(rows.front()).caption);
    //: An undo step: several shortcuts moved at once.
    return tr("Move %n Shortcuts", nullptr, int(rows.size()));
}

QString Controller::addStep(const shortcuts::ListState &before) const
{
    // What is added comes at the end of the list.
    const int added = m_model.count() - int(before.shortcuts.size());
    if (added == 1)
        //: An undo step: %1 is the added shortcut's caption.
        return tr("Add \u201C%1\u201D").arg(m_model.shortcuts().back().caption);
    if (added > 1)
        //: An undo step: several shortcuts added at once.
        return tr("Add %n Shortcuts", nullptr, added);
    //: An undo step that no other name fits.
    return tr("Change");
}

} // namespace launcher
