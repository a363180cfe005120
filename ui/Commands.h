#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

class QAbstractItemView;
class QAction;
class QMenu;

namespace ui {

// One thing the user can ask of the shortcut list, the same whether chosen
// from the context menu or typed as a key.
struct Command {
    // The action's object name.
    const char *name;
    // The menu's text, translated in the "ContextMenu" context; none: a key
    // only, not in the menu.
    const char *text = nullptr;
    // The keys that run it while the list has the focus; the menu shows the first.
    QList<QKeySequence> keys = {};
    // Acts on the selected shortcut: greyed out, and its keys do nothing, while none is.
    bool needsSelection = false;
    std::function<void()> run = {};
    // A line in the menu between groups of commands.
    bool separator = false;
    // Fits the action to the selected shortcut (its text, whether it
    // applies) whenever the selection changes or the menu comes up; for a
    // command that needs no selection, also while none is.
    std::function<void(QAction &)> fit = {};
    // Menu items made afresh each time the menu comes up, standing in this
    // row's place (the selected shortcut's own commands); parented to the
    // given object, which deletes them when the menu next comes up.
    std::function<QList<QAction *>(QObject &parent)> items = {};
    // Makes this row a submenu with the row's text, filled afresh by this
    // each time it opens (it starts empty).
    std::function<void(QMenu &)> submenu = {};
};

inline Command menuSeparator(const char *name) { return Command{name, nullptr, {}, false, {}, true}; }

// The list's commands, each one QAction: its keys work in the list and the
// same action stands in the context menu, so the key a menu item shows is
// the key that runs it.
class Commands : public QObject {
    Q_OBJECT
public:
    Commands(QAbstractItemView &list, const std::vector<Command> &table, std::function<bool()> hasSelection);
    ~Commands() override;

    // The context menu, titled "Popup", with the commands that have a text in
    // table order. The Menu key and Shift+F10 bring it up at the selected item.
    QMenu &menu() const { return *m_menu; }
    // Brings the menu up at `globalPos`, unless it is disabled.
    void popUp(const QPoint &globalPos);
    // Greys out the commands that need a selection while there is none. As
    // the menu comes up, the items made for the selected shortcut are made
    // afresh.
    void refresh();

private:
    void popUpAtSelection();

    QAbstractItemView &m_list;
    QMenu *m_menu;
    std::function<bool()> m_hasSelection;
    QList<QAction *> m_needSelection;
    struct Fitted {
        QAction *action;
        std::function<void(QAction &)> fit;
        bool needsSelection;
    };
    std::vector<Fitted> m_fitted;
    struct Made {
        QAction *place; // an item never shown, where the made ones go
        std::function<QList<QAction *>(QObject &)> make;
        QObject *owner = nullptr; // the parent of the items made last
    };
    std::vector<Made> m_made;
    void remake();
};

} // namespace ui
