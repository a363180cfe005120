#pragma once

#include <QDialog>
#include <vector>

#include "launcher/Controller.h"
#include "platform/profile/ProfileVersions.h"
#include "shortcuts/ShortcutModel.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace ui {

// "Tessaflow - Earlier Versions": the versions of the profile kept before
// saves that changed the shortcuts, newest first, each with when it was
// kept, how many shortcuts it holds, what restoring it would bring back
// ("+") and take away ("−") and whether another program had made it. "&Restore"
// puts the chosen version's shortcuts and groups back as one change (the
// shortcuts replaced become a version themselves); a version that cannot be
// read is listed as such and cannot be chosen.
class EarlierVersions : public QDialog {
    Q_OBJECT
public:
    EarlierVersions(launcher::Controller &controller, QWidget *parent = nullptr);

    // Opens one over `window`, or brings back the one that is open.
    static EarlierVersions *openOver(QWidget &window, launcher::Controller &controller);

    QListWidget &list() const { return *m_list; }
    // Reads the versions again and lists them.
    void refresh();
    // Restores the selected version; false when none readable is selected.
    bool restoreSelected();

private:
    void selectionChanged();

    launcher::Controller &m_controller;
    QListWidget *m_list;
    QLabel *m_problem;
    QPushButton *m_restore;
    // One per row: the version and what it holds (nothing: unreadable).
    struct Row {
        platform::ProfileVersion version;
        std::optional<shortcuts::ListState> state;
    };
    std::vector<Row> m_rows;
};

} // namespace ui
