#include "shortcuts/ContextMenu.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace shortcuts {

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

QMenu *makeContextMenu(const ContextMenuCommands &commands, QWidget *parent)
{
    //: The context menu's title; most desktops do not show it.
    auto *menu = new Menu(QCoreApplication::translate("ContextMenu", "Popup"), parent);
    menu->setObjectName(QStringLiteral("mnuPopup"));
    auto add = [menu](const char *name, const char *caption, const std::function<void()> &run,
                      const QKeySequence &keys = {}) {
        QAction *action = menu->addAction(QCoreApplication::translate("ContextMenu", caption));
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
    QAction *open =
        add("mnuOpen", QT_TRANSLATE_NOOP("ContextMenu", "&Open Shortcut"), commands.open, QKeySequence(Qt::Key_Return));
    QAction *rename =
        add("mnuRename", QT_TRANSLATE_NOOP("ContextMenu", "&Rename"), commands.rename, QKeySequence(Qt::Key_F2));
    QAction *remove =
        add("mnuDelete", QT_TRANSLATE_NOOP("ContextMenu", "&Delete Shortcut"), commands.remove, QKeySequence::Delete);
    menu->addSeparator()->setObjectName(QStringLiteral("mnuline1"));
    add("mnuURL", QT_TRANSLATE_NOOP("ContextMenu", "&Add URL Shortcut"), commands.addUrl);
    add("mnuPaste", QT_TRANSLATE_NOOP("ContextMenu", "&Paste"), commands.paste, QKeySequence(Qt::CTRL | Qt::Key_V));
    add("mnuAddFiles", QT_TRANSLATE_NOOP("ContextMenu", "Add &Files\u2026"), commands.addFiles,
        QKeySequence(Qt::Key_Insert));
    add("mnuAddFolders", QT_TRANSLATE_NOOP("ContextMenu", "Add Fo&lder\u2026"), commands.addFolders);
    menu->addSeparator()->setObjectName(QStringLiteral("mnuline2"));
    add("mnuOptions", QT_TRANSLATE_NOOP("ContextMenu", "&Options"), commands.options);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [=, has = commands.hasSelection] {
        const bool selected = !has || has();
        for (QAction *action : {open, rename, remove})
            action->setEnabled(selected);
    });
    return menu;
}

} // namespace shortcuts
