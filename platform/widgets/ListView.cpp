#include "platform/widgets/ListView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionViewItem>

#include "platform/widgets/ItemDelegate.h"
#include "platform/widgets/ListItemsModel.h"

namespace platform {

ListView::ListView(const ImageList &large, const ImageList &small, QWidget *parent)
    : QListView(parent), m_model(new ListItemsModel(large, small, this))
{
    setModel(m_model);
    setItemDelegate(new ItemDelegate(m_keyboardUsed, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // F2 edits the selected caption in place.
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_model->onEdited = [this](int i) {
        emit ItemsChanged();
        emit AfterLabelEdit(i);
    };
    setUniformItemSizes(false);
    setTextElideMode(Qt::ElideRight);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setAcceptDrops(true);
    applySettings();
    connect(this, &ListView::ItemsChanged, this, [this] { m_unfilteredPlaces.clear(); });
}

ListView::~ListView() = default;

int ListView::Count() const { return static_cast<int>(m_model->items.size()); }

bool ListView::hasKey(const QString &key) const { return m_model->keys.contains(key); }

QString ListView::uniqueKey(const QString &base) const
{
    int &n = m_model->nextNumber[base];
    if (n == 0) {
        if (!hasKey(base))
            return base;
        n = 2;
    }
    QString key;
    while (hasKey(key = base + QChar(0x1f) + QString::number(n)))
        ++n;
    return key;
}

bool ListView::Add(const QString &key, const QString &text, int icon, int smallIcon)
{
    if (hasKey(key))
        return false;
    m_model->append({key, text, icon, smallIcon, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    emit ItemsChanged();
    return true;
}

bool ListView::Remove(int i)
{
    if (!validItem(i))
        return false;
    m_model->remove(i - 1);
    emit ItemsChanged();
    return true;
}

QString ListView::Key(int i) const { return validItem(i) ? m_model->items[i - 1].key : QString(); }
QString ListView::Text(int i) const { return validItem(i) ? m_model->items[i - 1].text : QString(); }
int ListView::Icon(int i) const { return validItem(i) ? m_model->items[i - 1].icon : 0; }
int ListView::SmallIcon(int i) const { return validItem(i) ? m_model->items[i - 1].smallIcon : 0; }

bool ListView::setText(int i, const QString &text)
{
    if (!validItem(i))
        return false;
    m_model->items[i - 1].text = text;
    m_model->changed(i - 1);
    emit ItemsChanged();
    return true;
}

int ListView::SelectedItem() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : itemOf(selected.first());
}

void ListView::setSelectedItem(int i)
{
    if (validItem(i) && indexOf(i).isValid())
        setCurrentIndex(indexOf(i));
    else
        clearSelection();
}

void ListView::showItem(int i)
{
    if (!validItem(i) || !indexOf(i).isValid())
        return;
    // Scrolling needs the item's place, which the next layout gives.
    executeDelayedItemsLayout();
    const QModelIndex index = indexOf(i);
    setCurrentIndex(index);
    scrollTo(index);
    setFocus(Qt::OtherFocusReason);
}

bool ListView::StartLabelEdit()
{
    const int i = SelectedItem();
    if (!validItem(i))
        return false;
    const QModelIndex index = indexOf(i);
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
    if (Count() == 0 && !m_placeholder.isEmpty()) {
        // What the empty list is for, in the middle of it; too long for one
        // line, it breaks at its dash first.
        const QRect room = viewport()->rect().adjusted(24, 24, -24, -24);
        QString text = m_placeholder;
        if (painter.fontMetrics().horizontalAdvance(text) > room.width())
            text.replace(QStringLiteral(" \u2014 "), QStringLiteral("\n\u2014 "));
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, text);
        return;
    }
    // The selected large icon's whole caption, over the icons below it.
    const int selected = SelectedItem();
    if (m_view != 0 || !selected || state() == EditingState)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex index = indexOf(selected);
    option.rect = visualRect(index);
    option.state |= QStyle::State_Selected;
    static_cast<ItemDelegate *>(itemDelegate())->paintWholeCaption(&painter, option, index);
}

void ListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QListView::selectionChanged(selected, deselected);
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

void ListView::setItemDetail(std::function<QString(int)> detail) { m_model->detail = std::move(detail); }

void ListView::setCountText(std::function<QString(int)> countText)
{
    if (!m_countText) {
        connect(m_model, &QAbstractItemModel::rowsInserted, this, &ListView::describeCount);
        connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ListView::describeCount);
        connect(m_model, &QAbstractItemModel::modelReset, this, &ListView::describeCount);
    }
    m_countText = std::move(countText);
    describeCount();
}

void ListView::describeCount()
{
    if (!m_countText)
        return;
    QString text = m_countText(Count());
    if (Count() == 0 && !m_placeholder.isEmpty())
        //: Read out for the empty list: %1 says it holds no shortcuts, %2 what it is for.
        text = tr("%1. %2").arg(text, m_placeholder);
    // Qt tells screen readers of the change.
    if (text != accessibleDescription())
        setAccessibleDescription(text);
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
    // Where the keys lead is what Enter opens and Delete deletes.
    if (currentIndex().isValid() && !selectionModel()->isSelected(currentIndex()))
        setCurrentIndex(currentIndex());
    viewport()->update();
}

void ListView::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: break;
    }
    if (button)
        emit MouseDown(button, event->modifiers(), event->position().toPoint());
}

void ListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}

} // namespace platform
