#include "ui/Commands.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>

namespace ui {

namespace {

// Qt's menu counts greyed-out items among those that share an access key:
// with "&Open Shortcut" greyed out, O would never reach "&Options". Here an
// access key runs the one item it names, or moves between the items that
// share it, among those that can be chosen.
class Menu : public QMenu {
public:
    using QMenu::QMenu;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const QString typed = event->text().toUpper();
        if (typed.size() != 1 || !typed[0].isLetterOrNumber()
            || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            QMenu::keyPressEvent(event);
            return;
        }
        QList<QAction *> named;
        for (QAction *action : actions()) {
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            if (action->isEnabled() && action->isVisible() && !key.isEmpty()
                && (key[0].key() & ~Qt::KeyboardModifierMask) == typed[0].unicode())
                named << action;
        }
        if (named.isEmpty())
            return;
        const qsizetype at = named.indexOf(activeAction());
        setActiveAction(named[(at + 1) % named.size()]);
        if (named.size() == 1) {
            QKeyEvent choose(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QMenu::keyPressEvent(&choose);
        }
    }
};

} // namespace

Commands::Commands(QAbstractItemView &list, const std::vector<Command> &table, std::function<bool()> hasSelection)
    : QObject(&list),
      m_list(list),
      //: The context menu's title; most desktops do not show it.
      m_menu(new Menu(QCoreApplication::translate("ContextMenu", "Popup"), &list)),
      m_hasSelection(std::move(hasSelection))
{
    m_menu->setObjectName(QStringLiteral("mnuPopup"));
    // Screen readers name the menu by its title.
    m_menu->setAccessibleName(m_menu->title());
    for (const Command &command : table) {
        if (command.separator) {
            m_menu->addSeparator()->setObjectName(QLatin1String(command.name));
            continue;
        }
        if (command.items) {
            // A separator never shown: no command of its own, only a place.
            QAction *place = m_menu->addSeparator();
            place->setObjectName(QLatin1String(command.name));
            place->setVisible(false);
            m_made.push_back({place, command.items});
            continue;
        }
        if (command.submenu) {
            auto *submenu = new Menu(QCoreApplication::translate("ContextMenu", command.text), m_menu);
            submenu->setObjectName(QLatin1String(command.name));
            QAction *action = m_menu->addMenu(submenu);
            action->setObjectName(QLatin1String(command.name));
            if (command.needsSelection)
                m_needSelection << action;
            if (command.fit)
                m_fitted.push_back({action, command.fit, command.needsSelection});
            connect(submenu, &QMenu::aboutToShow, this, [submenu, fill = command.submenu] {
                submenu->clear();
                fill(*submenu);
            });
            continue;
        }
        auto *action = new QAction(command.text ? QCoreApplication::translate("ContextMenu", command.text) : QString(),
                                   &list);
        action->setObjectName(QLatin1String(command.name));
        action->setShortcuts(command.keys);
        // Only while the list has the focus: typing a caption in place, or
        // in a dialog, keeps its keys.
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        list.addAction(action);
        if (command.text)
            m_menu->addAction(action);
        if (command.needsSelection)
            m_needSelection << action;
        if (command.fit)
            m_fitted.push_back({action, command.fit, command.needsSelection});
        connect(action, &QAction::triggered, this, [run = command.run] {
            if (run)
                run();
        });
    }
    // The menu from the keyboard, at the selected shortcut.
    auto *menuKey = new QAction(&list);
    menuKey->setObjectName(QStringLiteral("menuKey"));
    menuKey->setShortcuts({Qt::Key_Menu, QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    menuKey->setShortcutContext(Qt::WidgetShortcut);
    list.addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, &Commands::popUpAtSelection);
    connect(m_menu, &QMenu::aboutToShow, this, &Commands::refresh);
    connect(m_menu, &QMenu::aboutToShow, this, &Commands::remake);
    if (QItemSelectionModel *selection = list.selectionModel())
        connect(selection, &QItemSelectionModel::selectionChanged, this, &Commands::refresh);
    if (QAbstractItemModel *model = list.model()) {
        connect(model, &QAbstractItemModel::rowsRemoved, this, &Commands::refresh);
        connect(model, &QAbstractItemModel::modelReset, this, &Commands::refresh);
    }
    refresh();
}

Commands::~Commands() = default;

void Commands::popUp(const QPoint &globalPos)
{
    if (m_menu->isEnabled())
        m_menu->exec(globalPos);
}

void Commands::popUpAtSelection()
{
    const QModelIndexList selected = m_list.selectionModel() ? m_list.selectionModel()->selectedIndexes()
                                                             : QModelIndexList();
    const QRect item = selected.isEmpty() ? QRect(m_list.viewport()->rect().center(), QSize(1, 1))
                                          : m_list.visualRect(selected.first());
    popUp(m_list.viewport()->mapToGlobal(item.center()));
}

void Commands::refresh()
{
    const bool selected = !m_hasSelection || m_hasSelection();
    for (QAction *action : std::as_const(m_needSelection))
        action->setEnabled(selected);
    for (const Fitted &fitted : m_fitted)
        if (selected || !fitted.needsSelection)
            fitted.fit(*fitted.action);
}

void Commands::remake()
{
    const bool selected = !m_hasSelection || m_hasSelection();
    for (Made &made : m_made) {
        // The items of the last showing go, with their parent.
        delete made.owner;
        made.owner = new QObject(this);
        if (!selected)
            continue;
        const QList<QAction *> items = made.make(*made.owner);
        m_menu->insertActions(made.place, items);
    }
}

} // namespace ui
