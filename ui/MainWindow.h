#pragma once

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "launcher/Controller.h"
#include "options/frmOptions.h"
#include "platform/globalkey/GlobalKey.h"
#include "platform/icons/IconLookup.h"
#include "platform/process/Opener.h"
#include "platform/session/Autostart.h"
#include "platform/session/Clipboard.h"
#include "platform/session/FileChooser.h"
#include "platform/session/WindowActivation.h"
#include "platform/tray/Tray.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/ListView.h"
#include "platform/widgets/Monitors.h"
#include "platform/widgets/WindowGeometry.h"
#include "ui/Commands.h"
#include "ui/MainFrame.h"
#include "ui/ShowHide.h"
#include "ui/TargetCheck.h"

namespace ui {

// The platform services the window and its commands talk to, all owned by
// whoever makes the window (Program; tests hand in recorders).
struct Services {
    platform::Tray &tray;
    platform::Dialogs &dialogs;
    platform::IconLookup &iconLookup;
    platform::Opener &opener;
    platform::Clipboard &clipboard;
    platform::FileChooser &fileChooser;
    platform::Autostart &autostart;
    platform::GlobalKey &globalKey;
    platform::WindowActivation &activation;
    const platform::Monitors &monitors;
};

// The launcher's one lasting window: the shortcut list filling it, its
// context menu and keys, the tray icon and its menu. What the commands do
// is the controller's.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(const QString &profilePath, Services services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: shown, the profile read, the show/hide key and the tray icon set up.
    void start();
    // Started with --minimized: hidden in the tray, when there is one.
    void startMinimized();
    // A later start of the program: back from the tray, to the front, and
    // its shortcuts added.
    void showFromAnotherStart(const QStringList &targets, const QString &token = QString());
    // A click on the tray icon: back from the tray, or its menu.
    void trayClicked(platform::TrayClick click);
    // The options dialog, made on first use and shown again as it is.
    void showOptions();
    // Closes the window, also from the tray, and ends the program.
    void exit();
    // Ends the program the usual way on SIGTERM/SIGINT, or with the display
    // gone: nobody may be there to answer a message box, so a failed save
    // goes to standard error.
    void closeOnSignal();
    // The window has been unloaded; also before start().
    bool isUnloaded() const { return m_unloaded; }

    launcher::Controller &controller() { return m_controller; }
    ShowHide &showHide() { return *m_showHide; }
    platform::ListView &lstButtons() { return *m_lstButtons; }
    QMenu &mPopupSys() { return *m_mPopupSys; }
    QMenu &mnuPopup() { return m_commands->menu(); }
    // The options dialog while it is open.
    options::frmOptions *frmOptions() const { return m_frmOptions; }
    shortcuts::ShortcutModel &model() { return m_controller.model(); }
    shortcuts::Finder &finder() { return m_controller.finder(); }
    const QString &profilePath() const { return m_controller.profilePath(); }
    MainFrame &frame() { return *m_frame; }

    static QIcon applicationIcon();
    // The title without the version, which start() appends.
    static QString plainTitle();

signals:
    // The window has been unloaded: the program ends.
    void unloaded();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpList();
    void setUpTrayMenu();
    void trayHostChanged();
    void unload();

    Services m_services;
    platform::ListView *m_lstButtons;
    platform::RestoreBounds *m_restoreBounds;
    MainFrame *m_frame;
    launcher::Controller m_controller;
    TargetCheck *m_targetCheck;
    QMenu *m_mPopupSys;
    QAction *m_mPopLogin = nullptr;
    Commands *m_commands = nullptr;
    QPointer<options::frmOptions> m_frmOptions;
    ShowHide *m_showHide;
    bool m_unloaded = false;
};

} // namespace ui
