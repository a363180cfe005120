#include "platform/ListView.h"

#include <QAbstractListModel>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QKeyEvent>
#include <functional>
#include <utility>
#include <vector>

#include "platform/DroppedLinks.h"
#include "platform/IconGrid.h"
#include "platform/Twips.h"

namespace platform {

namespace {
// What a drag out of the list offers. Never a move: the program it is dropped
// on (a file manager) would move the user's file away.
constexpr Qt::DropActions kDragOutActions = Qt::CopyAction | Qt::LinkAction;
// Cells of the icon views, in pixels: room for the icon and two caption lines
// below it (large), or the icon and a caption beside it (small).
constexpr QSize kLargeCell(80, 70);
constexpr QSize kSmallCell(160, 22);

// A caption is shown at most this long: laying out megabytes of a hand-edited
// caption would hold up start-up for seconds. The whole text stays stored.
constexpr qsizetype kMaxShownCaption = 1024;

QString shownCaption(const QString &text)
{
    if (text.size() <= kMaxShownCaption)
        return text;
    qsizetype cut = kMaxShownCaption - 1;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}
} // namespace

class ListItemsModel : public QAbstractListModel {
    // Under a large icon a caption wraps at word boundaries only; a long file
    // name may also break after its dots, dashes and underscores.
    static QString breakable(const QString &text)
    {
        QString out;
        out.reserve(text.size() + 4);
        for (const QChar c : text) {
            out += c;
            if (c == u'.' || c == u'_' || c == u'-')
                out += QChar(0x200B);
        }
        return out;
    }

public:
    struct Item {
        QString key;
        QString text;
        int icon = 0;
        int smallIcon = 0;
        std::optional<QPointF> position; // twips
        // A position given one coordinate at a time; the other is taken from
        // where the list puts the item, at the next layout.
        std::optional<double> pendingLeft, pendingTop;
    };

    ListItemsModel(const ImageList &large, const ImageList &small, QObject *parent)
        : QAbstractListModel(parent), m_large(large), m_small(small)
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(items.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const Item &item = items[index.row()];
        switch (role) {
        case Qt::DisplayRole:
            return largeImages ? breakable(shownCaption(item.text)) : shownCaption(item.text);
        case Qt::EditRole:
            return item.text;
        case Qt::DecorationRole:
            return largeImages ? m_large.image(item.icon) : m_small.image(item.smallIcon);
        case Qt::SizeHintRole:
            // Icons line up on one grid: every item takes its whole cell, so
            // the icon sits at the same place in each (centred above its
            // caption, or left of it), and a new caption never moves it.
            return fixedSize.isValid() ? QVariant(fixedSize) : QVariant();
        case Qt::ToolTipRole:
            // The whole caption and target, which the cell may cut short.
            return detail ? item.text + QLatin1Char('\n') + detail(index.row() + 1) : item.text;
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = QAbstractListModel::flags(index);
        // Every item can be dragged out; moved inside only when placed by hand.
        if (index.isValid() && (movable || dragData))
            f |= Qt::ItemIsDragEnabled;
        if (index.isValid())
            f |= Qt::ItemIsEditable;
        return f;
    }

    // A caption edited in place; an empty one is refused and the old one kept.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount())
            return false;
        const QString text = value.toString();
        if (text.trimmed().isEmpty())
            return false;
        if (text == items[index.row()].text)
            return true;
        items[index.row()].text = text;
        emit dataChanged(index, index);
        if (onEdited)
            onEdited(index.row() + 1);
        return true;
    }

    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | kDragOutActions; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override
    {
        return dragData ? QStringList{QStringLiteral("text/uri-list")} : QAbstractListModel::mimeTypes();
    }
    QMimeData *mimeData(const QModelIndexList &indexes) const override
    {
        if (!dragData)
            return QAbstractListModel::mimeData(indexes);
        QList<int> items;
        for (const QModelIndex &index : indexes)
            items << index.row() + 1;
        std::sort(items.begin(), items.end());
        return dragData(items);
    }

    void append(Item item)
    {
        const int row = rowCount();
        beginInsertRows({}, row, row);
        keys.insert(item.key);
        items.push_back(std::move(item));
        endInsertRows();
    }

    void remove(int row)
    {
        beginRemoveRows({}, row, row);
        keys.remove(items[row].key);
        // A number freed for a caption may be the lowest free one again.
        nextNumber.clear();
        items.erase(items.begin() + row);
        endRemoveRows();
    }

    void changed(int row) { emit dataChanged(index(row), index(row)); }
    void changedAll()
    {
        if (!items.empty())
            emit dataChanged(index(0), index(rowCount() - 1));
    }

    std::vector<Item> items;
    // The items' keys, so that a key check does not walk the list; and per
    // base key the number below which every numbered key is taken.
    QSet<QString> keys;
    QHash<QString, int> nextNumber;
    std::function<void(int)> onEdited;
    ListView::DragData dragData;
    std::function<QString(int)> detail;
    QSize fixedSize;
    bool largeImages = true;
    bool movable = true;

private:
    const ImageList &m_large;
    const ImageList &m_small;
};

namespace {
// Qt gives the first item keyboard focus as the list gets focus, and draws a
// focus frame on it that looks like a selection while Enter and Delete have
// nothing to act on. The frame is drawn on a selected item, or once the user
// has begun moving with the keyboard.
class ItemDelegate : public QStyledItemDelegate {
public:
    ItemDelegate(const bool &keyboardUsed, QObject *parent) : QStyledItemDelegate(parent), m_keyboardUsed(keyboardUsed)
    {
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem shown(option);
        if (!m_keyboardUsed && !(shown.state & QStyle::State_Selected))
            shown.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, shown, index);
    }

private:
    const bool &m_keyboardUsed;
};
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

void ListView::setDragData(DragData dragData)
{
    m_model->dragData = std::move(dragData);
    applySettings();
}

void ListView::startDrag(Qt::DropActions supportedActions)
{
    QListView::startDrag(m_model->dragData ? kDragOutActions : supportedActions);
}

void ListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() != this) {
        // Refused while it hovers when nothing in it could become a shortcut.
        m_dropUsable = !droppedLinks(*event->mimeData()).isEmpty();
        if (m_dropUsable)
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    QListView::dragEnterEvent(event);
}

void ListView::dragMoveEvent(QDragMoveEvent *event)
{
    // An item dragged within the list moves only where icons are placed by hand.
    if (event->source() == this && !freePlacement()) {
        event->ignore();
        return;
    }
    if (event->source() != this) {
        if (m_dropUsable)
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    QListView::dragMoveEvent(event);
}

void ListView::dropEvent(QDropEvent *event)
{
    if (event->source() != this) {
        const DroppedLinks dropped = droppedLinks(*event->mimeData());
        if (dropped.isEmpty()) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        emit OLEDragDrop(dropped.urls, dropped.titles);
        return;
    }
    // Dropped on itself the item only moves, and only where icons are placed
    // by hand: nothing is ever added.
    if (!freePlacement()) {
        event->ignore();
        return;
    }
    QListView::dropEvent(event);
    // An icon moved by hand keeps its new place.
    if (freePlacement())
        for (int row = 0; row < Count(); ++row)
            m_model->items[row].position = twipsOf(rectForIndex(m_model->index(row)).topLeft());
}

} // namespace platform
