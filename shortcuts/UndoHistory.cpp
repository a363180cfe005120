#include "shortcuts/UndoHistory.h"

#include <algorithm>

namespace shortcuts {

namespace {

// What a step keeps of a shortcut: what is stored, not its icon or where a
// view happened to show it (the list lays a returning shortcut out anew).
Shortcut kept(const Shortcut &shortcut)
{
    Shortcut copy = shortcut;
    copy.shown.reset();
    copy.iconKey.clear();
    copy.icon = QIcon();
    return copy;
}

std::vector<Shortcut> keptRange(const std::vector<Shortcut> &all, size_t from, size_t end)
{
    std::vector<Shortcut> out;
    out.reserve(end - from);
    for (size_t row = from; row < end; ++row)
        out.push_back(kept(all[row]));
    return out;
}

} // namespace

bool UndoHistory::record(const QString &name, const ListState &before, const ListState &after)
{
    const std::vector<Shortcut> &a = before.shortcuts, &b = after.shortcuts;
    const size_t shorter = std::min(a.size(), b.size());
    size_t head = 0;
    while (head < shorter && sameStored(a[head], b[head]))
        ++head;
    size_t tail = 0;
    while (tail < shorter - head && sameStored(a[a.size() - 1 - tail], b[b.size() - 1 - tail]))
        ++tail;
    if (head == a.size() && head == b.size() && before.groups == after.groups)
        return false;
    // Undone steps cannot be redone after a new change.
    m_steps.erase(m_steps.begin() + std::ptrdiff_t(m_done), m_steps.end());
    m_steps.push_back({name, head, tail, keptRange(a, head, a.size() - tail), keptRange(b, head, b.size() - tail),
                       before.groups, after.groups});
    if (m_steps.size() > m_limit)
        m_steps.pop_front();
    m_done = m_steps.size();
    return true;
}

std::optional<ListState> UndoHistory::apply(const ListState &current, const Step &step, bool undoing)
{
    const std::vector<Shortcut> &from = undoing ? step.after : step.before;
    const std::vector<Shortcut> &to = undoing ? step.before : step.after;
    const std::vector<Shortcut> &now = current.shortcuts;
    // The rows the step left must be where it left them; the view may have
    // placed icons since, so the targets are compared.
    bool fits = now.size() == step.at + from.size() + step.tail;
    for (size_t n = 0; fits && n < from.size(); ++n)
        fits = now[step.at + n].target == from[n].target;
    if (!fits) {
        clear();
        return std::nullopt;
    }
    ListState out;
    out.shortcuts.reserve(step.at + to.size() + step.tail);
    out.shortcuts.insert(out.shortcuts.end(), now.begin(), now.begin() + std::ptrdiff_t(step.at));
    out.shortcuts.insert(out.shortcuts.end(), to.begin(), to.end());
    out.shortcuts.insert(out.shortcuts.end(), now.end() - std::ptrdiff_t(step.tail), now.end());
    out.groups = undoing ? step.groupsBefore : step.groupsAfter;
    m_changedRow = to.empty() ? -1 : int(step.at);
    return out;
}

std::optional<ListState> UndoHistory::undo(const ListState &current)
{
    if (!canUndo())
        return std::nullopt;
    std::optional<ListState> state = apply(current, m_steps[m_done - 1], true);
    if (state)
        --m_done;
    return state;
}

std::optional<ListState> UndoHistory::redo(const ListState &current)
{
    if (!canRedo())
        return std::nullopt;
    std::optional<ListState> state = apply(current, m_steps[m_done], false);
    if (state)
        ++m_done;
    return state;
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_changedRow = -1;
}

} // namespace shortcuts
