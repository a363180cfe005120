#pragma once

#include <QListView>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

#include "platform/icons/ImageList.h"
#include "platform/widgets/ListItemsModel.h"

class QLabel;

namespace platform {

// The shortcut list: a list view whose items are numbered from 1 in the order
// they were added (never sorted), each with a unique key, a caption, one image
// number naming a pair of images in a large and a small image list, and an
// icon position in twips.
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
    ListView(const ImageList &large, const ImageList &small, QWidget *parent = nullptr);
    ~ListView() override;

    // --- the items (1-based) ---
    int Count() const;
    // Appends an item; false and nothing added when the key is already there.
    bool Add(const QString &key, const QString &text, int icon, int smallIcon);
    bool Remove(int i);
    bool hasKey(const QString &key) const;
    // `base` when no item has it as key, else `base` U+001F n with the lowest
    // free n from 2 (two shortcuts may share a caption, never a key).
    QString uniqueKey(const QString &base) const;
    QString Key(int i) const;
    QString Text(int i) const;
    bool setText(int i, const QString &text);
    int Icon(int i) const;
    int SmallIcon(int i) const;
    // Icon position in twips, relative to the list's contents.
    double Left(int i) const;
    double Top(int i) const;
    bool setLeft(int i, double twips);
    bool setTop(int i, double twips);

    // 1-based index of the selected item, 0 when none.
    int SelectedItem() const;
    void setSelectedItem(int i);
    // Selects item i, scrolls it into view and gives the list the focus, so
    // that the keys act on it at once.
    void showItem(int i);
    // Begins editing the selected item's caption in place (as F2 does);
    // false when nothing is selected.
    bool StartLabelEdit();
    // Shown in the middle of the list while it has no items.
    void setPlaceholderText(const QString &text);
    const QString &placeholderText() const { return m_placeholder; }

    int View() const { return m_view; }
    bool setView(int view);
    int Arrange() const { return m_arrange; }
    bool setArrange(int arrange);

    // What dragging items (1-based, in order) out of the list hands to the
    // program they are dropped on; until it is set, items only move inside.
    using DragData = ListItemsModel::DragData;
    void setDragData(DragData dragData);
    // Shown under the caption in item i's tooltip (the shortcut's target),
    // and what screen readers say of the item after its caption.
    void setItemDetail(std::function<QString(int)> detail);
    // What screen readers are told of the number of items, kept up to date;
    // an empty list adds its placeholder text.
    void setCountText(std::function<QString(int count)> countText);

    // --- finding by typing (ListViewFilter.cpp) ---
    // Shows the items `matches` (1-based, best first) and selects the first:
    // while icons are placed by hand every icon stays in its place and the
    // others are faded; otherwise only the matches show, in that order.
    void showMatches(const std::vector<int> &matches);
    // The whole list again, scrolled and selected as before the filter began.
    void showAll();
    bool filtered() const;
    // The n-th item as shown (1-based): among the matches while filtered,
    // else in list order; 0 when there is none.
    int shownItem(int n) const;
    // Shown in a small line at the bottom of the list while not empty.
    void setFilterText(const QString &text);
    QString filterText() const;
    // The view index of item i; invalid while a filter hides it.
    QModelIndex indexOf(int i) const;
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
        int m_selected = 0;
        QPoint m_scroll;
        bool m_active = false;
    };

signals:
    // A double-click anywhere in the list.
    void DblClick();
    // A button press: 1 left, 2 right, 4 middle.
    void MouseDown(int button, Qt::KeyboardModifiers modifiers, const QPoint &pos);
    // The user changed item i's caption in place.
    void AfterLabelEdit(int i);
    // Printable text typed into the list (which, unlike a plain list, never
    // selects by the start of a caption); Backspace and Escape in it.
    void TextTyped(const QString &text);
    void BackspaceTyped();
    void EscapeTyped();
    // Items were added, removed or renamed.
    void ItemsChanged();
    // A change of view or arrangement ended the filter.
    void FilterEnded();
    // Files or links were dropped from outside: those that can become
    // shortcuts, in the drop's order, with each link's title where the drag
    // gave one.
    void OLEDragDrop(const QList<QUrl> &urls, const QStringList &titles);

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

private:
    bool validItem(int i) const { return i >= 1 && i <= Count(); }
    bool freePlacement() const;
    void applySettings();
    void applyPositions();
    void capturePositions();
    QPoint pixelsOf(const QPointF &twips) const;
    QPointF twipsOf(const QPoint &pixels) const;
    QSize cellSize() const;
    QSize itemSize(const QModelIndex &index) const;
    double position(int i, bool left) const;
    bool setPosition(int i, std::optional<double> left, std::optional<double> top);
    void keepHandMoves();
    void describeCount();
    int itemOf(const QModelIndex &index) const;
    // Up/Down and Ctrl+N/Ctrl+P while filtered: the next or previous match.
    bool stepThroughMatches(QKeyEvent *event);
    void endFilterForLayout();
    // Where item i stands in the list laid out without the filter.
    QPoint unfilteredPlace(int i) const;
    void placeFilterLine();

    ListItemsModel *m_model;
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
    std::function<QString(int)> m_countText;
    // Where the list stood when a filter began, given back when it ends.
    int m_selectedBeforeFilter = 0;
    QPoint m_scrollBeforeFilter;
    QLabel *m_filterLine = nullptr;
    // Each item's place without the filter, measured once for many questions.
    mutable std::vector<QPoint> m_unfilteredPlaces;
};

} // namespace platform
