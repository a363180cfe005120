#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The hidden list of strings (0-based), never sorted.
class ListBox {
public:
    void AddItem(const QString &text) { m_items.append(text); }
    int ListCount() const { return static_cast<int>(m_items.size()); }
    // Entry i; "" when i names no entry.
    QString List(int i) const { return i >= 0 && i < m_items.size() ? m_items.at(i) : QString(); }
    bool RemoveItem(int i)
    {
        if (i < 0 || i >= m_items.size())
            return false;
        m_items.removeAt(i);
        return true;
    }
    const QStringList &items() const { return m_items; }

private:
    QStringList m_items;
};

} // namespace platform
