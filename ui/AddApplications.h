#pragma once

#include <QDialog>
#include <QStringList>

#include "launcher/Controller.h"
#include "platform/xdg/Applications.h"
#include "shortcuts/ApplicationList.h"

class QLineEdit;
class QListView;
class QPushButton;

namespace ui {

// "Tessaflow - Add Applications": the applications the desktop's menus show,
// read once as it opens, sorted by name. Typing in the filter field, which
// has the focus, ranks them as typing in the main window ranks shortcuts;
// Up and Down move in the list from there. Enter or "&Add" adds each chosen
// one as a shortcut to its desktop entry, as dropping that file would, and
// closes; Escape or "&Close" closes.
class AddApplications : public QDialog {
    Q_OBJECT
public:
    AddApplications(launcher::Controller &controller, const platform::ApplicationPlaces &places,
                    QWidget *parent = nullptr);

    // Opens one over `window`, window-modal, with the places the environment names.
    static AddApplications *openOver(QWidget &window, launcher::Controller &controller);

    QLineEdit &filter() const { return *m_filter; }
    QListView &list() const { return *m_list; }
    // The desktop entries Enter adds: the selected rows in the order shown,
    // else the one the keys are on.
    QStringList chosen() const;
    // Adds the chosen applications and closes; nothing when none is chosen.
    void add();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filterChanged(const QString &text);

    launcher::Controller &m_controller;
    shortcuts::ApplicationModel m_model;
    shortcuts::RankedApplications m_shown{m_model};
    QLineEdit *m_filter;
    QListView *m_list;
    QPushButton *m_add;
};

} // namespace ui
