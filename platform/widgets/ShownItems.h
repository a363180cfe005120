#pragma once

#include <QSize>
#include <QSortFilterProxyModel>
#include <vector>

namespace platform {

// A caption as the list shows it, and so what typing in the list (and any
// filter over it) matches: a very long one is shortened to 1024 characters
// ending in an ellipsis. Breaks the large-icon view adds for wrapping are
// drawn only, never part of it.
QString shownCaption(const QString &text);

// The list view's items as it shows them: every row of the model of items in
// its order, or, while a filter is on, the matches best first with the others
// hidden, or every row in its place with the others faded and out of reach.
// Every role is read from the model's own row, so a shown row is always
// described by its own item. It also adds what depends on the view: the
// caption as shown, the tooltip, the cell size, whether items may be dragged.
class ShownItems : public QSortFilterProxyModel {
public:
    explicit ShownItems(QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *model) override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // A filter over the items: `matches` (rows of the model, best first) are
    // shown; with `hideOthers` only they, in that order, else every item in
    // its place with the others faded. `filtering` false ends it.
    void setFilter(bool filtering, const std::vector<int> &matches, bool hideOthers);
    bool filtering() const { return m_filtering; }
    bool hidesOthers() const { return m_hideOthers && m_filtering; }
    // Where a row of the model stands among those shown, from 1; 0 for one a
    // filter does not match.
    int shownNumber(int sourceRow) const;
    const std::vector<int> &matches() const { return m_matches; }

    // Every item drawn in a cell of this size, when valid.
    QSize fixedSize;
    // Items may be moved inside the list (icons placed by hand).
    bool movable = true;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    int rank(int sourceRow) const;
    void rowsComing(int first, int last);
    void rowsGone(int first, int last);
    void changedAll();

    bool m_filtering = false;
    bool m_hideOthers = false;
    // While filtering: per row of the model its number among the matches, or 0.
    std::vector<int> m_rank;
    std::vector<int> m_matches;
};

} // namespace platform
