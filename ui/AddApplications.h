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
// The same list serves "Tessaflow - Open With": one application is chosen
// and Enter or "&Open" opens a shortcut's target with it.
class AddApplications : public QDialog {
    Q_OBJECT
public:
    // `openTarget` empty: applications are added as shortcuts; else the one
    // chosen opens that target.
    AddApplications(launcher::Controller &controller, const platform::ApplicationPlaces &places,
                    QWidget *parent = nullptr, const QString &openTarget = QString());

    // Opens one over `window`, window-modal, with the places the environment names.
    static AddApplications *openOver(QWidget &window, launcher::Controller &controller);
    // The same, to choose the application that opens `target`.
    static AddApplications *openWithOver(QWidget &window, launcher::Controller &controller, const QString &target);

    QLineEdit &filter() const { return *m_filter; }
    QListView &list() const { return *m_list; }
    // The desktop entries Enter adds: the selected rows in the order shown,
    // else the one the keys are on.
    QStringList chosen() const;
    // Adds the chosen applications (or opens the target with the chosen
    // one) and closes; nothing when none is chosen.
    void add();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filterChanged(const QString &text);

    launcher::Controller &m_controller;
    const QString m_openTarget;
    shortcuts::ApplicationModel m_model;
    shortcuts::RankedApplications m_shown{m_model};
    QLineEdit *m_filter;
    QListView *m_list;
    QPushButton *m_add;
};

} // namespace ui
