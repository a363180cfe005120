#include "platform/widgets/ListView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>


// Finding by typing: the list shows the matches of what was typed (or fades
// the others where icons are placed by hand), and gives back exactly what it
// showed before once the filter ends.
namespace platform {

QModelIndex ListView::indexOf(int row) const
{
    if (!validRow(row))
        return {};
    return m_rows->mapFromSource(m_shown->mapFromSource(items()->index(row, 0)));
}

int ListView::rowOf(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != m_rows)
        return -1;
    const QModelIndex shown = m_rows->mapToSource(index);
    return shown.model() == m_shown ? m_shown->mapToSource(shown).row() : -1;
}

QModelIndex ListView::viewIndex(int viewRow) const { return m_rows->index(viewRow, 0); }

bool ListView::filtered() const { return m_shown->filtering(); }

void ListView::showMatches(const std::vector<int> &matches)
{
    m_unfilteredPlaces.clear();
    if (!filtered()) {
        m_selectedBeforeFilter = selectedRow();
        m_scrollBeforeFilter = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    }
    // Where icons are placed by hand they keep their places; elsewhere the
    // best match comes first.
    m_shown->setFilter(true, matches, !freePlacement());
    executeDelayedItemsLayout();
    offersChanged();
    if (m_shown->matches().empty()) {
        clearSelection();
        selectOnly(QModelIndex());
        // Nothing else to open: the best offer is the one Enter opens.
        selectOffer(0);
    } else {
        showRow(m_shown->matches().front());
    }
    placeFilterLine();
    // A screen reader hears how many match, or that none does.
    describeCount();
    viewport()->update();
}

void ListView::showAll()
{
    if (!filtered())
        return;
    m_unfilteredPlaces.clear();
    m_shown->setFilter(false, {}, false);
    executeDelayedItemsLayout();
    clearSelection();
    selectOnly(QModelIndex());
    if (validRow(m_selectedBeforeFilter))
        selectOnly(indexOf(m_selectedBeforeFilter));
    horizontalScrollBar()->setValue(m_scrollBeforeFilter.x());
    verticalScrollBar()->setValue(m_scrollBeforeFilter.y());
    offersChanged();
    describeCount();
    viewport()->update();
}

int ListView::shownRow(int n) const
{
    if (!filtered())
        return n >= 1 && n <= count() ? n - 1 : -1;
    const auto &matches = m_shown->matches();
    return n >= 1 && n <= int(matches.size()) ? matches[size_t(n - 1)] : -1;
}

bool ListView::stepThroughMatches(QKeyEvent *event)
{
    if (!filtered())
        return false;
    const bool control = event->modifiers() == Qt::ControlModifier;
    int step = 0;
    if ((event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) || (control && event->key() == Qt::Key_N))
        step = 1;
    else if ((event->key() == Qt::Key_Up && event->modifiers() == Qt::NoModifier) || (control && event->key() == Qt::Key_P))
        step = -1;
    if (!step)
        return false;
    // The matches, then the offers after them.
    const auto &matches = m_shown->matches();
    const int found = int(matches.size());
    if (const int total = found + offerCount(); total > 0) {
        const int selected = selectedRow(), offer = selectedOffer();
        const int now = selected >= 0 ? m_shown->shownNumber(selected) : offer >= 0 ? found + offer + 1 : 0;
        const int next = std::clamp(now ? now + step : 1, 1, total);
        m_keyboardUsed = true;
        if (next <= found)
            showRow(matches[size_t(next - 1)]);
        else
            selectOffer(next - found - 1);
    }
    event->accept();
    return true;
}

void ListView::keyboardSearch(const QString &search)
{
    // Only text that can be shown: no control characters.
    if (!search.isEmpty() && search.front().isPrint())
        emit TextTyped(search);
}

void ListView::endFilterForLayout()
{
    if (!filtered())
        return;
    showAll();
    setFilterText(QString());
    emit FilterEnded();
}

void ListView::setFilterText(const QString &text)
{
    if (!m_filterLine) {
        if (text.isEmpty())
            return;
        m_filterLine = new QLabel(this);
        m_filterLine->setObjectName(QStringLiteral("filterLine"));
        m_filterLine->setAutoFillBackground(true);
        m_filterLine->setFrameShape(QFrame::Box);
        m_filterLine->setMargin(2);
        m_filterLine->setTextFormat(Qt::PlainText);
        QPalette line = m_filterLine->palette();
        line.setColor(QPalette::Window, line.color(QPalette::ToolTipBase));
        line.setColor(QPalette::WindowText, line.color(QPalette::ToolTipText));
        m_filterLine->setPalette(line);
    }
    m_filterLine->setText(text);
    m_filterLine->setVisible(!text.isEmpty());
    placeFilterLine();
}

QString ListView::filterText() const { return m_filterLine ? m_filterLine->text() : QString(); }

void ListView::placeFilterLine()
{
    if (!m_filterLine || m_filterLine->isHidden())
        return;
    // Over the icons, so nothing moves while typing: along the bottom right
    // of the list, or in another corner when that would cover the selected
    // match (where icons are placed by hand it may stand anywhere).
    const QRect room = viewport()->geometry();
    const int height = m_filterLine->sizeHint().height();
    const int width = std::min(room.width() - 8, std::max(m_filterLine->sizeHint().width(), room.width() / 3));
    const int left = room.left() + 3, right = room.right() - width - 3;
    const int top = room.top() + 3, bottom = room.bottom() - height - 3;
    const QModelIndex selected = indexOf(selectedRow());
    const QRect match = selected.isValid() ? visualRect(selected).translated(room.topLeft()) : QRect();
    QRect place(right, bottom, width, height);
    for (const QPoint corner : {QPoint(right, bottom), QPoint(right, top), QPoint(left, bottom), QPoint(left, top)}) {
        const QRect there(corner, QSize(width, height));
        if (!there.intersects(match)) {
            place = there;
            break;
        }
    }
    m_filterLine->setGeometry(place);
    m_filterLine->raise();
    if (m_offerList && m_offerList->isVisible()) {
        // The offers' own list under the line, or over it when the line is at the bottom.
        const int rows = m_offerList->model()->rowCount();
        const int rowHeight = std::max(m_offerList->sizeHintForRow(0), m_filterLine->fontMetrics().height() * 2);
        const int listHeight = std::min(rows * rowHeight + 2 * m_offerList->frameWidth(), room.height() / 2);
        const int listWidth = std::max(width, std::min(room.width() - 8, m_offerList->sizeHintForColumn(0) + 8));
        const int listLeft = place.left() == left ? left : right + width - listWidth;
        const int listTop = place.top() == top ? place.bottom() + 1 : place.top() - listHeight;
        m_offerList->setGeometry(listLeft, listTop, listWidth, listHeight);
        m_offerList->raise();
    }
}

void ListView::setNoMatchText(const QString &text)
{
    m_noMatch = text;
    if (filtered())
        viewport()->update();
}

bool ListView::showsNoMatch() const { return filtered() && m_shown->matches().empty() && count() > 0; }

QPoint ListView::unfilteredPlace(int row) const
{
    // What is saved is what the whole list holds, never what a filter shows
    // of it: the list is laid out once without the filter and looked at.
    if (m_unfilteredPlaces.size() != size_t(count())) {
        auto *self = const_cast<ListView *>(this);
        const Unfiltered unfiltered(*self);
        self->executeDelayedItemsLayout();
        m_unfilteredPlaces.clear();
        for (int viewRow = 0; viewRow < count(); ++viewRow)
            m_unfilteredPlaces.push_back(rectForIndex(viewIndex(viewRow)).topLeft());
    }
    return validRow(row) ? m_unfilteredPlaces[size_t(row)] : QPoint();
}

void ListView::resizeEvent(QResizeEvent *event)
{
    m_unfilteredPlaces.clear();
    QListView::resizeEvent(event);
    placeFilterLine();
}

ListView::Unfiltered::Unfiltered(ListView &list) : m_list(list)
{
    // Fading moves nothing; only a filter that hides and orders items is put aside.
    if (!list.m_shown->hidesOthers())
        return;
    m_active = true;
    m_matches = list.m_shown->matches();
    m_selected = list.selectedRow();
    const QPoint scroll(list.horizontalScrollBar()->value(), list.verticalScrollBar()->value());
    list.m_shown->setFilter(false, {}, false);
    list.executeDelayedItemsLayout();
    m_scroll = scroll;
}

ListView::Unfiltered::~Unfiltered()
{
    if (!m_active)
        return;
    m_list.m_shown->setFilter(true, m_matches, true);
    m_list.executeDelayedItemsLayout();
    if (m_list.indexOf(m_selected).isValid())
        m_list.selectOnly(m_list.indexOf(m_selected));
    m_list.horizontalScrollBar()->setValue(m_scroll.x());
    m_list.verticalScrollBar()->setValue(m_scroll.y());
}

} // namespace platform
