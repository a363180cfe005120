#pragma once

#include <QListView>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

#include "platform/widgets/ShownItems.h"

class QLabel;
class QPainter;

namespace platform {

// The shortcut list: a list view over a model of items (the shortcuts), in
// the model's order, each with a caption, an icon and an icon position in
// twips, read and written through the roles of ItemRoles.h. Items are named
// by their row in that model (from 0), whatever the view shows where: the
// view reads them through a filter of its own (ShownItems), so a shown row
// is always read against its own item.
//
//   View     0 large icons, 1 small icons, 2 list, 3 report (one column)
//   Arrange  0 icons stay where they are put, 1 arranged in columns from the
//            left, 2 arranged in rows from the top
//
// Qt forgets free item positions whenever it re-lays out the view (an insert,
// a removal, an icon-size change). The positions are therefore kept here and
// put back after each layout, once per batch of changes. Each item keeps the
// user's own position (what Left and Top give while icons are placed by
// hand) apart from where the current view shows it: a change of view, and
// the first layout after loading, move an icon that would cover an earlier
// one to the nearest free cell without forgetting its own place, so changing
// back puts it there again.
class ListView : public QListView {
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);
    ~ListView() override;

    // --- the items: rows of the model (from 0) ---
    // The model of the items; the view does not own it.
    void setItems(QAbstractItemModel *items);
    QAbstractItemModel *items() const;
    int count() const;
    // The selected item, -1 when none.
    int selectedRow() const;
    // Selects item `row`; clears the selection when it is not shown.
    void selectRow(int row);
    // Selects item `row`, scrolls it into view and gives the list the focus,
    // so that the keys act on it at once.
    void showRow(int row);
    // Selects item `row` and asks for it to be opened (openRequested), as a
    // double-click on it does: for assistive tools.
    void openRow(int row);
    // Begins editing the selected item's caption in place (as F2 does);
    // false when nothing is selected.
    bool editCaption();
    // Shown in the middle of the list while it has no items.
    void setPlaceholderText(const QString &text);
    const QString &placeholderText() const { return m_placeholder; }
    // Where item `row` stands, in twips relative to the list's contents: its
    // own place while icons are placed by hand, else where the list puts it
    // (without a filter). Lays the list out when it has to.
    QPointF placeOf(int row) const;

    int View() const { return m_view; }
    bool setView(int view);
    int Arrange() const { return m_arrange; }
    bool setArrange(int arrange);

    // What screen readers are told of the number of items, kept up to date
    // (once the items added or removed together are all in); an empty list
    // adds its placeholder text.
    void setCountText(std::function<QString(int count)> countText);
    // What they are told while a filter is on: how many of all match (none:
    // the no-match text).
    void setMatchText(std::function<QString(int matching, int count)> matchText);

    // --- finding by typing (ListViewFilter.cpp) ---
    // Shows the items `matches` (rows, best first) and selects the first:
    // while icons are placed by hand every icon stays in its place and the
    // others are faded; otherwise only the matches show, in that order.
    void showMatches(const std::vector<int> &matches);
    // The whole list again, scrolled and selected as before the filter began.
    void showAll();
    bool filtered() const;
    // The item shown n-th, counting from 1: among the matches while
    // filtered, else in the model's order; -1 when there is none.
    int shownRow(int n) const;
    // Shown in a small line at a corner of the list while not empty, never
    // over the selected match.
    void setFilterText(const QString &text);
    QString filterText() const;
    // Shown in the middle of the list while a filter matches no item.
    void setNoMatchText(const QString &text);
    const QString &noMatchText() const { return m_noMatch; }
    // A filter is on and matches no item: the list shows noMatchText().
    bool showsNoMatch() const;
    // The view's index of item `row`; invalid while a filter hides it.
    QModelIndex indexOf(int row) const;
    // The list without the filter's order for as long as it lives.
    class Unfiltered {
    public:
        explicit Unfiltered(ListView &list);
        ~Unfiltered();
        Unfiltered(const Unfiltered &) = delete;
        Unfiltered &operator=(const Unfiltered &) = delete;

    private:
        ListView &m_list;
        std::vector<int> m_matches;
        int m_selected = -1;
        QPoint m_scroll;
        bool m_active = false;
    };

signals:
    // A double-click with the left button anywhere in the list.
    void doubleClickedAnywhere();
    // Item `row`, now selected, is to be opened (openRow).
    void openRequested(int row);
    // A mouse button pressed in the list, at `pos` in the viewport.
    void buttonPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &pos);
    // The user changed item `row`'s caption in place.
    void captionEdited(int row);
    // Printable text typed into the list (which, unlike a plain list, never
    // selects by the start of a caption); Backspace and Escape in it.
    void TextTyped(const QString &text);
    void BackspaceTyped();
    void EscapeTyped();
    // A change of view or arrangement ended the filter.
    void FilterEnded();
    // Files or links were dropped from outside: those that can become
    // shortcuts, in the drop's order, with each link's title where the drag
    // gave one.
    void linksDropped(const QList<QUrl> &urls, const QStringList &titles);

protected:
    void doItemsLayout() override;
    void paintEvent(QPaintEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void keyboardSearch(const QString &search) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) override;
    void commitData(QWidget *editor) override;

private:
    bool validRow(int row) const { return row >= 0 && row < count(); }
    bool freePlacement() const;
    // Whether dragging items out hands something to other programs.
    bool dragsOut() const;
    void applySettings();
    void applyPositions();
    void capturePositions();
    QPoint pixelsOf(const QPointF &twips) const;
    QPointF twipsOf(const QPoint &pixels) const;
    QSize cellSize() const;
    QSize itemSize(const QModelIndex &index) const;
    // An item's own place and the view's note of where it shows it, read
    // and written through the item roles (view rows).
    std::optional<double> placeRole(int viewRow, int role) const;
    std::optional<QPoint> shownAt(int viewRow) const;
    void setPlace(int viewRow, const QPointF &twips);
    void setShownAt(int viewRow, const QPoint &pixels);
    void keepHandMoves();
    void describeCount();
    void itemsChanged();
    int rowOf(const QModelIndex &index) const;
    // Up/Down and Ctrl+N/Ctrl+P while filtered: the next or previous match.
    bool stepThroughMatches(QKeyEvent *event);
    void endFilterForLayout();
    // Where item `row` stands in the list laid out without the filter.
    QPoint unfilteredPlace(int row) const;
    void placeFilterLine();
    void drawMiddleText(QPainter &painter, const QString &text) const;

    ShownItems *m_shown;
    // Set while the view writes its own notes into the items: those changes
    // need no new layout.
    bool m_writingPlaces = false;
    int m_view = 0;
    int m_arrange = 0;
    // The next layout with items lays out from the icons' own places, moving
    // those that would cover another: after loading and after a view change.
    bool m_separateOverlaps = true;
    // Moving through the items with the keyboard has begun.
    bool m_keyboardUsed = false;
    // The drag hovering over the list carries something to add.
    bool m_dropUsable = false;
    QString m_placeholder;
    QString m_noMatch;
    std::function<QString(int)> m_countText;
    std::function<QString(int, int)> m_matchText;
    // The count changed and is told when the event loop comes back.
    bool m_countPending = false;
    // Where the list stood when a filter began, given back when it ends.
    int m_selectedBeforeFilter = -1;
    QPoint m_scrollBeforeFilter;
    QLabel *m_filterLine = nullptr;
    // Each item's place without the filter, measured once for many questions.
    mutable std::vector<QPoint> m_unfilteredPlaces;
};

} // namespace platform
