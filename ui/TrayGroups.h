#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace launcher {
class Controller;
}

namespace ui {

// The groups in the tray menu when there are two or more: one entry per
// group by its shown title, in the user's order, placed before `before`;
// each brings the window back on that group. Follows the groups as they are
// added, renamed, deleted and reordered.
class TrayGroups : public QObject {
    Q_OBJECT
public:
    TrayGroups(QMenu &menu, QAction *before, launcher::Controller &controller, std::function<void()> bringBack,
               QObject *parent = nullptr);

private:
    void rebuild();

    QMenu &m_menu;
    QAction *m_before;
    launcher::Controller &m_controller;
    std::function<void()> m_bringBack;
    QList<QAction *> m_entries; // the groups' entries and the separator after them
};

} // namespace ui
