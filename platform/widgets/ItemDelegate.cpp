#include "platform/widgets/ItemDelegate.h"

namespace platform {

void ItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem shown(option);
    if (!m_keyboardUsed && !(shown.state & QStyle::State_Selected))
        shown.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, shown, index);
}

} // namespace platform
