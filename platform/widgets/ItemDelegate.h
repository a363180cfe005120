#pragma once

#include <QStyledItemDelegate>

namespace platform {

// Qt gives the first item keyboard focus as the list gets focus, and draws a
// focus frame on it that looks like a selection while Enter and Delete have
// nothing to act on. The frame is drawn on a selected item, or once the user
// has begun moving with the keyboard.
class ItemDelegate : public QStyledItemDelegate {
public:
    ItemDelegate(const bool &keyboardUsed, QObject *parent) : QStyledItemDelegate(parent), m_keyboardUsed(keyboardUsed)
    {
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const bool &m_keyboardUsed;
};

} // namespace platform
