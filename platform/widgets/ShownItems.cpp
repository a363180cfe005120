#include "platform/widgets/ShownItems.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/widgets/ItemRoles.h"

namespace platform {

namespace {
// A caption is shown at most this long: laying out megabytes of a hand-edited
// caption would hold up start-up for seconds. The whole text stays stored.
constexpr qsizetype kMaxShownCaption = 1024;

// What a tooltip adds for the first nine items shown.
QString openingKeyLine(int shownNumber)
{
    if (shownNumber < 1 || shownNumber > 9)
        return {};
    //: A line of a shortcut's tooltip: %1 is a digit from 1 to 9; the key opens the shortcut.
    return u'\n' + QCoreApplication::translate("ListItemsModel", "Alt+%1 opens it").arg(shownNumber);
}
} // namespace

QString shownCaption(const QString &text)
{
    if (text.size() <= kMaxShownCaption)
        return text;
    qsizetype cut = kMaxShownCaption - 1;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}

ShownItems::ShownItems(QObject *parent) : QSortFilterProxyModel(parent)
{
    // The filter and its order change only when they are set: a renamed or
    // moved item stays where it is shown.
    setDynamicSortFilter(false);
}

void ShownItems::setSourceModel(QAbstractItemModel *model)
{
    // The same model again: the filter ends, and the proxy's own ties to the
    // model (which a disconnect would cut for good) stay.
    if (model && model == sourceModel()) {
        setFilter(false, {}, false);
        return;
    }
    if (sourceModel())
        sourceModel()->disconnect(this);
    m_filtering = m_hideOthers = false;
    m_rank.clear();
    m_matches.clear();
    QSortFilterProxyModel::setSourceModel(model);
    if (!model)
        return;
    // Kept in step with the model's rows before the proxy looks at new ones.
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) { rowsComing(first, last); });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) { rowsGone(first, last); });
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_filtering = m_hideOthers = false;
        m_rank.clear();
        m_matches.clear();
    });
    // Ordered by lessThan(): the model's order, or the matches' while hiding.
    sort(0);
}

int ShownItems::rank(int sourceRow) const
{
    return sourceRow >= 0 && size_t(sourceRow) < m_rank.size() ? m_rank[size_t(sourceRow)] : 0;
}

int ShownItems::shownNumber(int sourceRow) const { return m_filtering ? rank(sourceRow) : sourceRow + 1; }

bool ShownItems::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    // A filter does not show what was added after it began.
    return !hidesOthers() || rank(sourceRow) > 0;
}

bool ShownItems::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (hidesOthers())
        return rank(left.row()) < rank(right.row());
    return left.row() < right.row();
}

namespace {
// The item's comment as the first line of `text`, when it has one.
QString withComment(const QModelIndex &source, const QString &text)
{
    const QString comment = source.data(ItemRole::Comment).toString();
    return comment.isEmpty() ? text : comment + QLatin1Char('\n') + text;
}
} // namespace

QVariant ShownItems::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !sourceModel())
        return {};
    const QModelIndex source = mapToSource(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        // As shown: never the breaks the large-icon view draws into it.
        return shownCaption(source.data(Qt::DisplayRole).toString());
    case Qt::AccessibleDescriptionRole:
        return withComment(source, source.data(ItemRole::Detail).toString());
    case Qt::SizeHintRole:
        // Icons line up on one grid: every item takes its whole cell, so
        // the icon sits at the same place in each (centred above its
        // caption, or left of it), and a new caption never moves it.
        return fixedSize.isValid() ? QVariant(fixedSize) : QVariant();
    case Qt::ToolTipRole: {
        // The whole caption and the detail, which the cell may cut short.
        const QString caption = source.data(Qt::EditRole).toString();
        const QVariant detail = source.data(ItemRole::Detail);
        return withComment(source, detail.isValid() ? caption + QLatin1Char('\n') + detail.toString() : caption)
               + openingKeyLine(shownNumber(source.row()));
    }
    case ItemRole::ShownNumber:
        return shownNumber(source.row());
    case ItemRole::Faded:
        return m_filtering && !m_hideOthers && rank(source.row()) == 0;
    default:
        return source.data(role);
    }
}

Qt::ItemFlags ShownItems::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QSortFilterProxyModel::flags(index);
    if (!index.isValid())
        return f;
    // What a filter fades is out of reach until it ends.
    if (m_filtering && !m_hideOthers && rank(mapToSource(index).row()) == 0)
        return f & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
    // Moved inside the list only where icons are placed by hand; dragged out
    // wherever the model offers it.
    if (movable)
        f |= Qt::ItemIsDragEnabled;
    return f;
}

void ShownItems::setFilter(bool filtering, const std::vector<int> &matches, bool hideOthers)
{
    // Showing fewer items or another order is a new layout; fading only
    // changes how each looks, so the icons placed by hand stay put.
    const bool relayout = hideOthers || hidesOthers();
    const int rows = sourceModel() ? sourceModel()->rowCount() : 0;
    m_filtering = filtering;
    m_matches.clear();
    m_rank.assign(filtering ? size_t(rows) : 0, 0);
    if (filtering)
        for (int row : matches)
            if (row >= 0 && row < rows && !m_rank[size_t(row)]) {
                m_matches.push_back(row);
                m_rank[size_t(row)] = int(m_matches.size());
            }
    m_hideOthers = filtering && hideOthers;
    if (relayout)
        invalidate();
    else
        changedAll();
}

void ShownItems::rowsComing(int first, int last)
{
    if (!m_filtering)
        return;
    const int count = last - first + 1;
    for (int &match : m_matches)
        match += match >= first ? count : 0;
    m_rank.insert(m_rank.begin() + std::min<qsizetype>(first, qsizetype(m_rank.size())), size_t(count), 0);
}

void ShownItems::rowsGone(int first, int last)
{
    if (!m_filtering)
        return;
    // The matches after them move up, and every row after them as many places.
    const int count = last - first + 1;
    std::erase_if(m_matches, [&](int row) { return row >= first && row <= last; });
    for (int &match : m_matches)
        match -= match > last ? count : 0;
    m_rank.erase(m_rank.begin() + first, m_rank.begin() + std::min<qsizetype>(last + 1, qsizetype(m_rank.size())));
    for (size_t i = 0; i < m_matches.size(); ++i)
        m_rank[size_t(m_matches[i])] = int(i) + 1;
}

void ShownItems::changedAll()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

} // namespace platform
