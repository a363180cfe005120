#include "platform/widgets/ListView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/widgets/IconGrid.h"
#include "platform/widgets/ItemDelegate.h"
#include "platform/widgets/ListItemsModel.h"
#include "platform/widgets/Twips.h"

namespace platform {

namespace {
// Cells of the icon views, in pixels: room for the icon and two caption lines
// below it (large), or the icon and a caption beside it (small).
constexpr QSize kLargeCell(80, 70);
constexpr QSize kSmallCell(160, 22);
} // namespace

ListView::ListView(const ImageList &large, const ImageList &small, QWidget *parent)
    : QListView(parent), m_model(new ListItemsModel(large, small, this))
{
    setModel(m_model);
    setItemDelegate(new ItemDelegate(m_keyboardUsed, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // F2 edits the selected caption in place.
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_model->onEdited = [this](int i) { emit AfterLabelEdit(i); };
    setUniformItemSizes(false);
    setTextElideMode(Qt::ElideRight);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setAcceptDrops(true);
    applySettings();
}

ListView::~ListView() = default;

int ListView::Count() const { return m_model->rowCount(); }

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
    m_model->append({key, text, icon, smallIcon, std::nullopt, std::nullopt, std::nullopt});
    return true;
}

bool ListView::Remove(int i)
{
    if (!validItem(i))
        return false;
    m_model->remove(i - 1);
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
    return true;
}

double ListView::Left(int i) const { return position(i, true); }
double ListView::Top(int i) const { return position(i, false); }

double ListView::position(int i, bool left) const
{
    if (!validItem(i))
        return 0;
    const auto &item = m_model->items[i - 1];
    if (m_arrange == 0 && (item.pendingLeft || item.pendingTop || m_separateOverlaps))
        const_cast<ListView *>(this)->executeDelayedItemsLayout();
    const auto &stored = item.position;
    if (m_arrange == 0 && stored)
        return left ? stored->x() : stored->y();
    // Where the list has put the item itself.
    const_cast<ListView *>(this)->executeDelayedItemsLayout();
    const QPointF twips = twipsOf(rectForIndex(m_model->index(i - 1)).topLeft());
    return left ? twips.x() : twips.y();
}

bool ListView::setLeft(int i, double twips) { return setPosition(i, twips, std::nullopt); }
bool ListView::setTop(int i, double twips) { return setPosition(i, std::nullopt, twips); }

bool ListView::setPosition(int i, std::optional<double> left, std::optional<double> top)
{
    if (!validItem(i))
        return false;
    auto &item = m_model->items[i - 1];
    if (item.position) {
        if (left)
            item.position->setX(*left);
        if (top)
            item.position->setY(*top);
    } else {
        // Asking the list where the item stands now would lay out the whole
        // list for every stored shortcut at start-up: complete it later.
        if (left)
            item.pendingLeft = left;
        if (top)
            item.pendingTop = top;
        if (item.pendingLeft && item.pendingTop) {
            item.position = QPointF(*item.pendingLeft, *item.pendingTop);
            item.pendingLeft.reset();
            item.pendingTop.reset();
        }
    }
    // Put back with the next layout, once for a whole batch of changes.
    scheduleDelayedItemsLayout();
    return true;
}

int ListView::SelectedItem() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : selected.first().row() + 1;
}

void ListView::setSelectedItem(int i)
{
    if (validItem(i))
        setCurrentIndex(m_model->index(i - 1));
    else
        clearSelection();
}

bool ListView::setView(int view)
{
    if (view < 0 || view > 3)
        return false;
    if (view == m_view)
        return true;
    if (m_arrange == 0 && freePlacement())
        capturePositions();
    // Icons placed for the old view's sizes may now lie on top of each other.
    m_separateOverlaps = m_arrange == 0 && Count() > 0 && (view == 0 || view == 1);
    m_view = view;
    applySettings();
    return true;
}

bool ListView::setArrange(int arrange)
{
    if (arrange < 0 || arrange > 2)
        return false;
    if (arrange == m_arrange)
        return true;
    // Icons that were arranged automatically stay where they stand when the
    // user takes over the placing.
    if (arrange == 0 && (m_view == 0 || m_view == 1))
        capturePositions();
    m_arrange = arrange;
    applySettings();
    return true;
}

bool ListView::freePlacement() const { return m_arrange == 0 && (m_view == 0 || m_view == 1); }

void ListView::capturePositions()
{
    executeDelayedItemsLayout();
    for (int row = 0; row < Count(); ++row)
        m_model->items[row].position = twipsOf(rectForIndex(m_model->index(row)).topLeft());
}

void ListView::applySettings()
{
    const bool iconView = m_view == 0 || m_view == 1;
    // Every setting is made at every switch: setViewMode only resets flow,
    // wrapping and movement that were never set.
    setViewMode(iconView ? QListView::IconMode : QListView::ListMode);
    setIconSize(m_view == 0 ? QSize(32, 32) : QSize(16, 16));
    setGridSize(m_view == 0 ? kLargeCell : m_view == 1 ? kSmallCell : QSize());
    setWordWrap(m_view == 0);
    setSpacing(m_view == 0 ? 2 : 1);
    if (iconView) {
        setFlow(m_arrange == 1 ? QListView::TopToBottom : QListView::LeftToRight);
        setWrapping(true);
        setMovement(m_arrange == 0 ? QListView::Free : QListView::Static);
        setResizeMode(m_arrange == 0 ? QListView::Fixed : QListView::Adjust);
    } else {
        setFlow(QListView::TopToBottom);
        setWrapping(m_view == 2);
        setMovement(QListView::Static);
        setResizeMode(QListView::Adjust);
    }
    m_model->largeImages = m_view == 0;
    m_model->fixedSize = iconView ? cellSize() - QSize(2, 2) : QSize();
    m_model->movable = freePlacement();
    // Movement switches dragging off where icons are arranged; dragging out stays.
    if (m_model->dragData)
        setDragEnabled(true);
    m_model->changedAll();
    scheduleDelayedItemsLayout();
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

void ListView::doItemsLayout()
{
    QListView::doItemsLayout();
    if (freePlacement())
        applyPositions();
}

QSize ListView::cellSize() const { return m_view == 0 ? kLargeCell : kSmallCell; }

void ListView::applyPositions()
{
    const QSize cell = cellSize();
    const int columns = std::max(1, viewport()->width() / cell.width());
    IconGrid grid(cell, columns);
    // Right after a view change the stored places came from the old view's
    // sizes: an icon keeps its place where it still fits, the others move to
    // the nearest free cell. Otherwise every stored place is kept, overlaps
    // the user made by hand included.
    const bool separate = std::exchange(m_separateOverlaps, false);
    std::vector<int> unplaced, displaced;
    for (int row = 0; row < Count(); ++row) {
        auto &item = m_model->items[row];
        if (!item.position && (item.pendingLeft || item.pendingTop)) {
            const QPointF now = twipsOf(rectForIndex(m_model->index(row)).topLeft());
            item.position = QPointF(item.pendingLeft.value_or(now.x()), item.pendingTop.value_or(now.y()));
            item.pendingLeft.reset();
            item.pendingTop.reset();
        }
        const auto &stored = item.position;
        if (!stored) {
            unplaced.push_back(row);
            continue;
        }
        const QModelIndex index = m_model->index(row);
        const QRect rect(pixelsOf(*stored), itemSize(index));
        if (separate && grid.overlaps(rect)) {
            displaced.push_back(row);
            continue;
        }
        setPositionForIndex(rect.topLeft(), index);
        grid.place(rect);
    }
    auto putInCell = [&](int row, QPoint cellAt) {
        const QModelIndex index = m_model->index(row);
        const QSize size = itemSize(index);
        const QPoint p = grid.cellOrigin(cellAt, size);
        setPositionForIndex(p, index);
        grid.place(QRect(p, size));
        m_model->items[row].position = twipsOf(p);
    };
    for (int row : displaced)
        putInCell(row, grid.nearestFreeCell(pixelsOf(*m_model->items[row].position)));
    // New items go to the first free cell, row by row as far as the list is
    // wide, centred in it as the automatic arrangement does.
    for (int row : unplaced)
        putInCell(row, grid.firstFreeCell());
}

QSize ListView::itemSize(const QModelIndex &index) const
{
    // A long caption is cut to its cell, so an item never takes more room.
    // The layout that has just run sized every item: asking the delegate
    // again would lay out every caption's text a second time.
    return rectForIndex(index).size().boundedTo(cellSize());
}

QPoint ListView::pixelsOf(const QPointF &twips) const
{
    return QPoint(toPixels(twips.x(), *this), toPixels(twips.y(), *this));
}

QPointF ListView::twipsOf(const QPoint &pixels) const
{
    return QPointF(toTwips(pixels.x(), *this), toTwips(pixels.y(), *this));
}

void ListView::setItemDetail(std::function<QString(int)> detail) { m_model->detail = std::move(detail); }

void ListView::keyPressEvent(QKeyEvent *event)
{
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
