#include "ui/TrayGroups.h"

#include <QAction>
#include <QMenu>

#include "launcher/Controller.h"

namespace ui {

TrayGroups::TrayGroups(QMenu &menu, QAction *before, launcher::Controller &controller,
                       std::function<void()> bringBack, QObject *parent)
    : QObject(parent), m_menu(menu), m_before(before), m_controller(controller), m_bringBack(std::move(bringBack))
{
    connect(&controller.model(), &shortcuts::ShortcutModel::groupsChanged, this, &TrayGroups::rebuild);
    rebuild();
}

void TrayGroups::rebuild()
{
    // Made anew each time: a group's entry knows it by its own name, which a
    // rename changes; there are a handful of groups at most.
    for (QAction *entry : std::as_const(m_entries)) {
        m_menu.removeAction(entry);
        entry->deleteLater();
    }
    m_entries.clear();
    const QStringList &groups = m_controller.groups();
    if (groups.size() < 2)
        return;
    for (const QString &group : groups) {
        // The user's name as it is: an "&" in it is shown, not a mnemonic.
        auto *entry = new QAction(shortcuts::groupTitle(group).replace(QLatin1Char('&'), QStringLiteral("&&")), this);
        entry->setObjectName(QStringLiteral("mPopGroup"));
        connect(entry, &QAction::triggered, this, [this, group] {
            m_controller.showGroup(group);
            m_bringBack();
        });
        m_entries << entry;
    }
    m_entries << new QAction(this);
    m_entries.last()->setSeparator(true);
    m_menu.insertActions(m_before, m_entries);
}

} // namespace ui
