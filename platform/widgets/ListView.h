#pragma once

#include <QListView>
#include <QList>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

#include "platform/widgets/ShownItems.h"
#include "platform/widgets/ShownRows.h"

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
// Several items can be selected (Ctrl/Shift-click, Shift+arrows, Ctrl+A).
// Dragged inside the list, items take the place of the item they are dropped
// on: the list says so (itemsDroppedOnto) and the model is reordered above;
// where icons are placed by hand the list moves them itself as well.
//
// Qt forgets free item positions whenever it re-lays out the view (an insert,
// a removal, an icon-size change). The positions are therefore kept here and
// put back after each layout, once per batch of changes. While icons are
// placed by hand, an item's own place (what Left and Top give, and what the
// profile stores) is where the icon view shows it:
//  - the first layout after loading moves an icon that would cover an
//    earlier one to the nearest free cell, and that is its place from then
//    on (so icons stored on one spot do not spread anew with each width);
//  - a change between large and small icons takes the places over into the
//    new cells, rows staying rows and order kept (CellScaling), nothing
//    covering another; for the session the view remembers the places of the
//    view it left, and changing back gives each icon not moved since its
//    exact old place (ListViewScaling.cpp);
//  - list and report keep the places as the last icon view left them.
// Overlaps the user makes by hand stay until the next change of view.
class ListView : public QListView {
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);
    ~ListView() override;

    // --- the items: rows of the model (from 0) ---
    // The model of the items; the view does not own it. Set again (another
    // set of items in the same model), the items are laid out from their own
    // places, as after loading.
    void setItems(QAbstractItemModel *items);
    QAbstractItemModel *items() const;
    int count() const;
    // The selected item, -1 when none: the one the keys are on when it is
    // selected, else the first selected.
    int selectedRow() const;
    // Every selected item, in the model's order.
    std::vector<int> selectedRows() const;
    // Selects item `row`; clears the selection when it is not shown.
    void selectRow(int row);
    // Adds item `row` to the selection; the item the keys are on stays.
    void addToSelection(int row);
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
    // own place while icons are placed by hand (where an icon view shows it),
    // else where the list puts it (without a filter). Lays the list out when
    // it has to, so a change of view is taken over first.
    QPointF placeOf(int row) const;

    // Icons stay where they are put (large or small icons, arranged by hand).
    bool placedByHand() const { return freePlacement(); }

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
    // The item a row of the view shows, -1 for none (an offer).
    int rowOf(const QModelIndex &index) const;

    // --- offers while typing (ListViewOffers.cpp) ---
    // Rows of another model offered after the matches while a filter is on
    // (the view does not own it; whoever set it takes it back, with
    // nullptr, before it goes): they follow the matches in the list, or,
    // where icons are placed by hand, stand in a small list under the filter
    // line. An offer is never an item: rowOf(), selectedRow() and
    // selectedRows() never name one, and it is neither dragged nor edited.
    void setOffers(QAbstractItemModel *offers);
    int offerCount() const;
    // The selected offer (the one the keys are on), -1 when none.
    int selectedOffer() const;
    // Selects offer `row` alone and shows it.
    void selectOffer(int row);
    // A row of the view (as assistive tools name it) asked to be opened: an
    // item as openRow() opens it, an offer as offerOpenRequested says.
    void openViewRow(int viewRow);
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
    // Offer `row`, now selected, is to be opened (a double-click on it).
    void offerOpenRequested(int row);
    // Which offer is selected changed.
    void offerSelectionChanged();
    // Files or links were dropped from outside: those that can become
    // shortcuts, in the drop's order, with each link's title where the drag
    // gave one.
    void linksDropped(const QList<QUrl> &urls, const QStringList &titles);
    // Items `rows` were dragged onto item `target`'s place (count(): after
    // the last) to take it in the list's order; where icons are placed by
    // hand they stand where they were dropped already.
    void itemsDroppedOnto(const std::vector<int> &rows, int target);
    // Icons placed by hand are about to be dragged to new places (what they
    // had is still in the model), and were: `rows` took the places they were
    // dropped on without covering another (then itemsDroppedOnto instead).
    void handMoveStarting();
    void movedByHand(const std::vector<int> &rows);

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
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void keyboardSearch(const QString &search) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) override;
    void commitData(QWidget *editor) override;

private:
    // Makes `index` the current and only selected item (none: clears).
    void selectOnly(const QModelIndex &index);
    bool validRow(int row) const { return row >= 0 && row < count(); }
    bool freePlacement() const;
    // Whether dragging items out hands something to other programs.
    bool dragsOut() const;
    void applySettings();
    void applyPositions();
    void capturePositions();
    QPoint pixelsOf(const QPointF &twips) const;
    QPointF twipsOf(const QPoint &pixels) const;
    QSize cellSize() const { return cellOf(m_view); }
    static QSize cellOf(int view);
    QSize itemSize(const QModelIndex &index) const;
    // An item's own place and the view's note of where it shows it, read
    // and written through the item roles (view rows).
    std::optional<double> placeRole(int viewRow, int role) const;
    std::optional<QPoint> shownAt(int viewRow) const;
    void setPlace(int viewRow, const QPointF &twips);
    void setShownAt(int viewRow, const QPoint &pixels);
    void keepHandMoves();
    // A change between large and small icons (ListViewScaling.cpp): the own
    // places become this view's, each given back exactly where remembered
    // (true for those), the others scaled to its cells.
    std::vector<bool> placesForView();
    void rememberPlaces();
    void forgetOtherView();
    void describeCount();
    void itemsChanged();
    // The view's index of one of its rows; an item's view row is the same in
    // the filter's own rows.
    QModelIndex viewIndex(int viewRow) const;
    // The offer a row of the view shows, -1 for none.
    int offerOf(const QModelIndex &index) const;
    // The offers follow the matches in the list (rather than a list of their own).
    bool offersInList() const;
    // Puts the offers where the arrangement shows them; shows or hides their own list.
    void placeOffers();
    void offersChanged();
    void showOfferList();
    // Up/Down and Ctrl+N/Ctrl+P while filtered: the next or previous match.
    bool stepThroughMatches(QKeyEvent *event);
    void endFilterForLayout();
    // Where item `row` stands in the list laid out without the filter.
    QPoint unfilteredPlace(int row) const;
    void placeFilterLine();
    // Inside the list: the item a dragged one would take the place of
    // (count() past the last item), -1 for none.
    int dropTarget(const QPoint &pos) const;
    void dropInside(QDropEvent *event);
    // Where the dragged items would go: a bar on the side of the target.
    void drawDropMark(QPainter &painter) const;
    // Where icons are placed by hand, a dragged icon that lands on another:
    // one changes places with it, several push it to the nearest free cell.
    void makeRoom(const std::vector<int> &dragged, int covered, const std::vector<QPoint> &before);
    void drawMiddleText(QPainter &painter, const QString &text) const;

    ShownItems *m_shown;
    // What the view shows: the filter's rows, then the offers where they
    // follow the matches in the list.
    ShownRows *m_rows;
    QAbstractItemModel *m_offers = nullptr;
    // The offers' own list, where icons are placed by hand.
    QListView *m_offerList = nullptr;
    // Set while the view writes its own notes into the items: those changes
    // need no new layout.
    bool m_writingPlaces = false;
    int m_view = 0;
    int m_arrange = 0;
    // The next layout with items lays out from the icons' own places, moving
    // those that would cover another: after loading and after a view change.
    bool m_separateOverlaps = true;
    // The icon view the own places were last laid out in; -1 before the first
    // layout with items (loaded places belong to the view they are loaded in).
    int m_placesView = -1;
    // What a change of icon view leaves behind, for the session: the place an
    // item had in the view it left (`there`, in m_rememberedView) and the one
    // it was given in the view it came to (`here`). Changing back gives an
    // item `there` again while it still stands `here`.
    struct RememberedPlace {
        QPersistentModelIndex item;
        QPointF there, here;
    };
    std::vector<RememberedPlace> m_remembered;
    int m_rememberedView = -1;
    // Moving through the items with the keyboard has begun.
    bool m_keyboardUsed = false;
    // The drag hovering over the list carries something to add.
    bool m_dropUsable = false;
    // The item a drag inside the list would take the place of, marked while
    // it hovers; -1 for none.
    int m_dropTarget = -1;
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
