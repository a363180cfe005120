#include "shortcuts/ContextMenu.h"

namespace shortcuts {

QMenu *makeContextMenu(const ContextMenuCommands &commands, QWidget *parent)
{
    auto *menu = new QMenu(QStringLiteral("Popup"), parent);
    menu->setObjectName(QStringLiteral("mnuPopup"));
    auto add = [menu](const char *name, const QString &caption, const std::function<void()> &run) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, menu, [run] {
            if (run)
                run();
        });
    };
    add("mnuOpen", QStringLiteral("&Open Shortcut"), commands.open);
    add("mnuDelete", QStringLiteral("&Delete Shortcut"), commands.remove);
    menu->addSeparator()->setObjectName(QStringLiteral("mnuline1"));
    add("mnuURL", QStringLiteral("&Add URL Shortcut"), commands.addUrl);
    menu->addSeparator()->setObjectName(QStringLiteral("mnuline2"));
    add("mnuOptions", QStringLiteral("&Options"), commands.options);
    return menu;
}

} // namespace shortcuts
