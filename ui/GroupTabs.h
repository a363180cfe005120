#pragma once

#include <QTabBar>

#include "launcher/Controller.h"
#include "platform/widgets/ListView.h"

class QMenu;

namespace ui {

// The groups of shortcuts as tabs above the list, one per group in the
// user's order, shown only while there are two or more. A click shows a
// group; tabs can be dragged into another order; their context menu renames,
// deletes and makes groups. Files and links dropped on a tab are added to its
// group, and shortcuts dragged from the list onto a tab move there.
class GroupTabs : public QTabBar {
    Q_OBJECT
public:
    GroupTabs(launcher::Controller &controller, platform::ListView &list, QWidget *parent = nullptr);

    // The group a tab stands for.
    QString groupAt(int tab) const;
    // The menu of a tab's group, as a right-click on it brings up.
    QMenu *menuFor(int tab);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The tabs made again from the groups, the shown one current.
    void follow();
    // Whether a drag could end on a tab: shortcuts from the list, or
    // something that can become one.
    bool takes(const QDropEvent &event) const;

    launcher::Controller &m_controller;
    platform::ListView &m_list;
    bool m_following = false;
};

} // namespace ui
