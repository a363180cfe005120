#include "platform/widgets/ListView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <utility>

#include "platform/widgets/ItemDelegate.h"
#include "platform/widgets/ItemRoles.h"

namespace platform {

ListView::ListView(QWidget *parent)
    : QListView(parent), m_shown(new ShownItems(this)), m_rows(new ShownRows(*m_shown, this))
{
    setModel(m_rows);
    setItemDelegate(new ItemDelegate(m_keyboardUsed, this));
    // Ctrl/Shift-click, Shift+arrows and Ctrl+A select several shortcuts.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // F2 edits the selected caption in place.
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setUniformItemSizes(false);
    setTextElideMode(Qt::ElideRight);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    // The list marks where dragged shortcuts would go itself (drawDropMark).
    setDropIndicatorShown(false);
    setAcceptDrops(true);
    applySettings();
    // A filter that hides or orders items moves them to other rows: screen
    // readers forget what they knew of each row (Qt tells them only of
    // inserts, removals and resets).
    // A deleted shortcut's neighbour takes its selection, so the keys go on
    // with it.
    connect(m_rows, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (!selectionModel()->hasSelection() && currentIndex().isValid())
            selectionModel()->select(currentIndex(), QItemSelectionModel::Select);
    });
    connect(m_rows, &QAbstractItemModel::layoutChanged, this, [this] {
        if (QAccessible::isActive()) {
            QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
            QAccessible::updateAccessibility(&event);
        }
    });
}

ListView::~ListView() = default;

void ListView::setItems(QAbstractItemModel *items)
{
    const bool same = items == m_shown->sourceModel();
    if (m_shown->sourceModel() && !same)
        m_shown->sourceModel()->disconnect(this);
    m_shown->setSourceModel(items);
    // Places of other items, in no view known yet.
    forgetOtherView();
    m_placesView = -1;
    // Laid out from their own places, as after loading.
    m_separateOverlaps = true;
    if (items && !same) {
        // The rows of the model, not only those the filter shows.
        connect(items, &QAbstractItemModel::rowsInserted, this, &ListView::itemsChanged);
        connect(items, &QAbstractItemModel::rowsRemoved, this, &ListView::itemsChanged);
        connect(items, &QAbstractItemModel::modelReset, this, &ListView::itemsChanged);
        connect(items, &QAbstractItemModel::layoutChanged, this, &ListView::itemsChanged);
    }
    applySettings();
    describeCount();
}

QAbstractItemModel *ListView::items() const { return m_shown->sourceModel(); }

int ListView::count() const { return items() ? items()->rowCount() : 0; }

void ListView::itemsChanged()
{
    m_unfilteredPlaces.clear();
    // Told once for a whole batch (a drop, a load adds one item at a time),
    // not worked out and translated for every item in it.
    if (m_countText && !m_countPending) {
        m_countPending = true;
        QMetaObject::invokeMethod(this, &ListView::describeCount, Qt::QueuedConnection);
    }
}

void ListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    const bool placesOnly = !roles.isEmpty() && std::all_of(roles.begin(), roles.end(), [](int role) {
        return role == ItemRole::Left || role == ItemRole::Top || role == ItemRole::ShownAt;
    });
    if (placesOnly) {
        if (m_writingPlaces)
            return;
        // Placed from outside: shown exactly there from the next layout on,
        // even on top of another, and put there once for the whole batch.
        // Nothing to draw or measure again before that.
        const bool writing = std::exchange(m_writingPlaces, true);
        if (roles.contains(ItemRole::Left) || roles.contains(ItemRole::Top))
            for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                m_shown->setData(m_shown->index(row, 0), QVariant(), ItemRole::ShownAt);
        m_writingPlaces = writing;
        scheduleDelayedItemsLayout();
        return;
    }
    // A caption changed: the places measured without the filter may be gone.
    m_unfilteredPlaces.clear();
    QListView::dataChanged(topLeft, bottomRight, roles);
}

void ListView::commitData(QWidget *editor)
{
    const QModelIndex index = currentIndex();
    const QString before = index.data(Qt::EditRole).toString();
    QListView::commitData(editor);
    if (index.isValid() && index.data(Qt::EditRole).toString() != before)
        emit captionEdited(rowOf(index));
}

int ListView::selectedRow() const
{
    if (selectionModel()->isSelected(currentIndex()))
        return rowOf(currentIndex());
    const std::vector<int> rows = selectedRows();
    return rows.empty() ? -1 : rows.front();
}

void ListView::selectOnly(const QModelIndex &index)
{
    // Whatever modifier keys are held: with several items selectable, a
    // plain setCurrentIndex would add to the selection while Ctrl is down.
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clear();
}

std::vector<int> ListView::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        if (const int row = rowOf(index); row >= 0)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ListView::selectRow(int row)
{
    if (const QModelIndex index = indexOf(row); index.isValid())
        selectOnly(index);
    else
        clearSelection();
}

void ListView::addToSelection(int row)
{
    if (const QModelIndex index = indexOf(row); index.isValid())
        selectionModel()->select(index, QItemSelectionModel::Select);
}

void ListView::showRow(int row)
{
    if (!indexOf(row).isValid())
        return;
    // Scrolling needs the item's place, which the next layout gives.
    executeDelayedItemsLayout();
    const QModelIndex index = indexOf(row);
    selectOnly(index);
    scrollTo(index);
    setFocus(Qt::OtherFocusReason);
}

void ListView::openRow(int row)
{
    const QModelIndex index = indexOf(row);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    emit openRequested(row);
}

bool ListView::editCaption()
{
    const QModelIndex index = indexOf(selectedRow());
    if (!index.isValid())
        return false;
    scrollTo(index);
    edit(index);
    return true;
}

void ListView::setPlaceholderText(const QString &text)
{
    m_placeholder = text;
    describeCount();
    viewport()->update();
}

void ListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    QPainter painter(viewport());
    if (count() == 0 && !m_placeholder.isEmpty()) {
        drawMiddleText(painter, m_placeholder);
        return;
    }
    // Offers following in the list stand where the text would be.
    if (showsNoMatch() && !m_noMatch.isEmpty() && !(offersInList() && offerCount() > 0)) {
        drawMiddleText(painter, m_noMatch);
        return;
    }
    if (m_dropTarget >= 0)
        drawDropMark(painter);
    // The selected large icon's whole caption, over the icons below it.
    const int selected = selectedRow();
    if (m_view != 0 || selected < 0 || state() == EditingState)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex index = indexOf(selected);
    option.rect = visualRect(index);
    option.state |= QStyle::State_Selected;
    static_cast<ItemDelegate *>(itemDelegate())->paintWholeCaption(&painter, option, index);
}

void ListView::drawMiddleText(QPainter &painter, const QString &message) const
{
    // In the middle of the list (above the offers' own list while that
    // shows); too long for one line, it breaks at its dash first. Faded
    // icons may lie under it: it stands on the list's own background.
    QRect room = viewport()->rect().adjusted(24, 24, -24, -24);
    if (m_offerList && m_offerList->isVisible())
        room.setBottom(std::max(room.top() + painter.fontMetrics().height(), m_offerList->geometry().top() - 8));
    QString text = message;
    if (painter.fontMetrics().horizontalAdvance(text) > room.width())
        text.replace(QStringLiteral(" \u2014 "), QStringLiteral("\n\u2014 "));
    const QRect used = painter.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.fillRect(used.adjusted(-4, -2, 4, 2), palette().brush(QPalette::Base));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void ListView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    placeFilterLine();
}

void ListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QListView::selectionChanged(selected, deselected);
    // One thing is selected at a time: shortcuts, or an offer in its own list.
    if (m_offerList && selectionModel()->hasSelection())
        m_offerList->clearSelection();
    placeFilterLine();
    // A whole caption drawn beyond its cell goes with the selection.
    if (m_view == 0)
        viewport()->update();
}

void ListView::initViewItemOption(QStyleOptionViewItem *option) const
{
    QListView::initViewItemOption(option);
    if (m_view == 1) {
        // Small icons: caption beside the icon, as in the list, but placed freely.
        option->decorationPosition = QStyleOptionViewItem::Left;
        option->displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (m_view == 0) {
        // Large icons: the caption starts right under the icon, one line or two.
        option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
    }
}

void ListView::setCountText(std::function<QString(int)> countText)
{
    m_countText = std::move(countText);
    describeCount();
}

void ListView::setMatchText(std::function<QString(int, int)> matchText)
{
    m_matchText = std::move(matchText);
    describeCount();
}

void ListView::describeCount()
{
    m_countPending = false;
    if (!m_countText)
        return;
    QString text = m_countText(count());
    if (showsNoMatch() && !m_noMatch.isEmpty())
        text = m_noMatch;
    else if (filtered() && m_matchText)
        text = m_matchText(int(m_shown->matches().size()), count());
    else if (count() == 0 && !m_placeholder.isEmpty())
        //: Read out for the empty list: %1 says it holds no shortcuts, %2 what it is for.
        text = tr("%1. %2").arg(text, m_placeholder);
    // Qt tells screen readers of the change.
    if (text == accessibleDescription())
        return;
    setAccessibleDescription(text);
    // A screen reader reads a new description only of what has its focus,
    // and while typing that is the shortcut that was current: when nothing
    // matches, the list itself takes the focus, so "no match" is heard.
    if (showsNoMatch() && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void ListView::keyPressEvent(QKeyEvent *event)
{
    if (stepThroughMatches(event))
        return;
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier) {
        emit BackspaceTyped();
        return;
    }
    if (event->key() == Qt::Key_Escape && state() != EditingState) {
        emit EscapeTyped();
        return;
    }
    // A blank selects in a plain list; in a filter it is part of the text.
    if (event->key() == Qt::Key_Space && filtered() && !(event->modifiers() & ~Qt::ShiftModifier)) {
        emit TextTyped(QStringLiteral(" "));
        return;
    }
    QListView::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
        break;
    default:
        return;
    }
    m_keyboardUsed = true;
    // Where the keys lead is what Enter opens and Delete deletes; Ctrl moves
    // through the items without selecting (Ctrl+Space then picks one).
    if (!(event->modifiers() & Qt::ControlModifier) && currentIndex().isValid()
        && !selectionModel()->isSelected(currentIndex()))
        selectOnly(currentIndex());
    viewport()->update();
}

void ListView::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    emit buttonPressed(event->button(), event->modifiers(), event->position().toPoint());
}

void ListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClickedAnywhere();
}

} // namespace platform
