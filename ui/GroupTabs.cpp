#include "ui/GroupTabs.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <utility>

#include "platform/session/DroppedLinks.h"

namespace ui {

GroupTabs::GroupTabs(launcher::Controller &controller, platform::ListView &list, QWidget *parent)
    : QTabBar(parent), m_controller(controller), m_list(list)
{
    setObjectName(QStringLiteral("tabGroups"));
    // Screen readers hear each tab as a page tab named after its group (Qt
    // names the bar after the current tab).
    setMovable(true);
    setExpanding(false);
    setDocumentMode(true);
    setUsesScrollButtons(true);
    // The list keeps the keys: Ctrl+PgDown and the like switch tabs from there.
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(true);
    connect(this, &QTabBar::currentChanged, this, [this](int tab) {
        if (!m_following && tab >= 0)
            m_controller.showGroup(groupAt(tab));
    });
    connect(this, &QTabBar::tabMoved, this, [this](int from, int to) {
        if (!m_following)
            m_controller.moveGroup(from, to);
    });
    connect(&controller.model(), &shortcuts::ShortcutModel::groupsChanged, this, &GroupTabs::follow);
    connect(&controller, &launcher::Controller::groupShown, this, &GroupTabs::follow);
    follow();
}

QString GroupTabs::groupAt(int tab) const { return tabData(tab).toString(); }

void GroupTabs::follow()
{
    const bool following = std::exchange(m_following, true);
    const QStringList &groups = m_controller.groups();
    while (count() > groups.size())
        removeTab(count() - 1);
    for (int tab = 0; tab < groups.size(); ++tab) {
        // A name from the user: no "&" of it marks an access key.
        const QString text = QString(shortcuts::groupTitle(groups[tab])).replace(u'&', QStringLiteral("&&"));
        if (tab == count())
            addTab(text);
        else
            setTabText(tab, text);
        setTabData(tab, groups[tab]);
    }
    setCurrentIndex(int(groups.indexOf(m_controller.shownGroup())));
    setVisible(groups.size() > 1);
    m_following = following;
}

QMenu *GroupTabs::menuFor(int tab)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuGroup"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString group = groupAt(tab);
    if (tab >= 0) {
        menu->addAction(tr("&Rename Group\u2026"), this, [this, group] { m_controller.renameGroup(group); })
            ->setObjectName(QStringLiteral("mnuRenameGroup"));
        QAction *remove =
            menu->addAction(tr("&Delete Group\u2026"), this, [this, group] { m_controller.deleteGroup(group); });
        remove->setObjectName(QStringLiteral("mnuDeleteGroup"));
        // The last group stays.
        remove->setEnabled(m_controller.groups().size() > 1);
        menu->addSeparator();
    }
    menu->addAction(tr("&New Group\u2026"), this, [this] { m_controller.newGroup(); })
        ->setObjectName(QStringLiteral("mnuNewGroupTab"));
    return menu;
}

void GroupTabs::contextMenuEvent(QContextMenuEvent *event)
{
    menuFor(tabAt(event->pos()))->popup(event->globalPos());
}

bool GroupTabs::takes(const QDropEvent &event) const
{
    if (event.source() == &m_list)
        return !m_list.filtered();
    return !platform::droppedLinks(*event.mimeData()).isEmpty();
}

void GroupTabs::dragEnterEvent(QDragEnterEvent *event)
{
    if (takes(*event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void GroupTabs::dragMoveEvent(QDragMoveEvent *event)
{
    // Only onto a tab, and for shortcuts of the list onto another group's.
    const int tab = tabAt(event->position().toPoint());
    const bool own = event->source() == &m_list;
    if (tab < 0 || !takes(*event) || (own && groupAt(tab) == m_controller.shownGroup())) {
        event->ignore();
        return;
    }
    // Never a move: the list would take that as its shortcuts gone.
    event->setDropAction(own ? Qt::LinkAction : event->proposedAction());
    event->accept(tabRect(tab));
}

void GroupTabs::dropEvent(QDropEvent *event)
{
    const int tab = tabAt(event->position().toPoint());
    if (tab < 0 || !takes(*event)) {
        event->ignore();
        return;
    }
    const QString group = groupAt(tab);
    if (event->source() == &m_list) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
        m_controller.moveToGroup(m_list.selectedRows(), group);
        return;
    }
    const platform::DroppedLinks dropped = platform::droppedLinks(*event->mimeData());
    event->acceptProposedAction();
    m_controller.addDroppedToGroup(group, dropped.urls, dropped.titles);
}

} // namespace ui
