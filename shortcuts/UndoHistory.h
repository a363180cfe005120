#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "shortcuts/ShortcutModel.h"

namespace shortcuts {

// The changes made to the shortcuts this session, to be undone and redone
// in order. Each step keeps only what it changed: the shortcuts between the
// first and the last that differ (the common start and end left out) before
// and after, and the groups whole, so a long list costs little per step.
class UndoHistory {
public:
    explicit UndoHistory(int limit = 300) : m_limit(size_t(limit > 0 ? limit : 1)) {}

    // Records a change called `name` from `before` to `after`; a new change
    // drops the steps undone before it, and the oldest goes past the limit.
    // False (nothing recorded) when the two are the same as stored.
    bool record(const QString &name, const ListState &before, const ListState &after);
    // The state `current` becomes when the last step is undone (redone);
    // none when there is no step, or `current` is not what that step left
    // (then the history, which no longer fits, is forgotten).
    std::optional<ListState> undo(const ListState &current);
    std::optional<ListState> redo(const ListState &current);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The name of the step undo (redo) acts on; empty when none.
    QString undoName() const { return canUndo() ? m_steps[m_done - 1].name : QString(); }
    QString redoName() const { return canRedo() ? m_steps[m_done].name : QString(); }
    // The first row the last undo or redo put back; -1 when it only took
    // rows away or changed the groups alone.
    int changedRow() const { return m_changedRow; }
    int count() const { return int(m_steps.size()); }
    void clear();

private:
    struct Step {
        QString name;
        size_t at = 0; // the first row that differs
        size_t tail = 0; // the rows after the last that differs
        std::vector<Shortcut> before, after;
        QStringList groupsBefore, groupsAfter;
    };
    // `current` with the step's `from` rows at `at` replaced by its `to` rows.
    std::optional<ListState> apply(const ListState &current, const Step &step, bool undoing);

    std::deque<Step> m_steps;
    size_t m_done = 0; // steps in effect: the first m_done of m_steps
    size_t m_limit;
    int m_changedRow = -1;
};

} // namespace shortcuts
