#include "shortcuts/ContextMenu.h"

namespace shortcuts {

QMenu *makeContextMenu(const ContextMenuCommands &commands, QWidget *parent)
{
    auto *menu = new QMenu(QStringLiteral("Popup"), parent);
    menu->setObjectName(QStringLiteral("mnuPopup"));
    auto add = [menu](const char *name, const QString &caption, const std::function<void()> &run,
                      const QKeySequence &keys = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        // Shown only: the list's own keys run the command, and a menu that
        // is not in a menu bar never fires its actions' shortcuts.
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
        QObject::connect(action, &QAction::triggered, menu, [run] {
            if (run)
                run();
        });
        return action;
    };
    QAction *open = add("mnuOpen", QStringLiteral("&Open Shortcut"), commands.open, QKeySequence(Qt::Key_Return));
    QAction *rename = add("mnuRename", QStringLiteral("&Rename"), commands.rename, QKeySequence(Qt::Key_F2));
    QAction *remove = add("mnuDelete", QStringLiteral("&Delete Shortcut"), commands.remove, QKeySequence::Delete);
    menu->addSeparator()->setObjectName(QStringLiteral("mnuline1"));
    add("mnuURL", QStringLiteral("&Add URL Shortcut"), commands.addUrl);
    add("mnuPaste", QStringLiteral("&Paste"), commands.paste, QKeySequence(Qt::CTRL | Qt::Key_V));
    add("mnuAddFiles", QStringLiteral("Add &Files\u2026"), commands.addFiles, QKeySequence(Qt::Key_Insert));
    add("mnuAddFolders", QStringLiteral("Add Fo&lder\u2026"), commands.addFolders);
    menu->addSeparator()->setObjectName(QStringLiteral("mnuline2"));
    add("mnuOptions", QStringLiteral("&Options"), commands.options);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [=, has = commands.hasSelection] {
        const bool selected = !has || has();
        for (QAction *action : {open, rename, remove})
            action->setEnabled(selected);
    });
    return menu;
}

} // namespace shortcuts
