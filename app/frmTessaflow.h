#pragma once

#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "platform/session/Autostart.h"
#include "app/Commands.h"
#include "app/ShowHide.h"
#include "config/Config.h"
#include "config/IniFile.h"
#include "options/frmOptions.h"
#include "platform/session/Clipboard.h"
#include "platform/widgets/Dialogs.h"
#include "platform/session/FileChooser.h"
#include "platform/globalkey/GlobalKey.h"
#include "platform/session/WindowActivation.h"
#include "platform/icons/IconLookup.h"
#include "platform/widgets/ListView.h"
#include "platform/process/Opener.h"
#include "platform/tray/Tray.h"
#include "platform/widgets/WindowGeometry.h"
#include "shortcuts/Finder.h"
#include "shortcuts/Icons.h"
#include "shortcuts/ShortcutList.h"
#include "shortcuts/ShortcutModel.h"

namespace app {

// The platform services the window talks to, all owned by whoever makes the
// window (Program; tests hand in recorders).
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
};

// The launcher's one lasting window: the shortcut list filling it, the
// shortcuts behind it, and the tray icon. It wires events
// to the shortcut, configuration and options code.
class frmTessaflow : public QWidget, public config::WindowFrame {
    Q_OBJECT
public:
    frmTessaflow(const QString &profilePath, Services services, QWidget *parent = nullptr);
    ~frmTessaflow() override;

    // Start-up: show, load the profile, add the tray icon, append the version.
    void Form_Load();
    void Load_Config();
    // False when the profile could not be written (the user has been told).
    bool Save_Config();
    void Launch(const QString &sFileName);

    // A click on the tray icon: back from the tray, or its menu.
    void trayClicked(platform::TrayClick click);
    void mPopRestore_Click();
    void mPopExit_Click();
    void lstButtons_DblClick();
    void mnuOpen_Click();
    // Files and links dropped from outside; titles run beside the URLs.
    void lstButtons_linksDropped(const QList<QUrl> &urls, const QStringList &titles = {});
    void mnuURL_Click();
    void lstButtons_MouseDown(int button);
    void mnuDelete_Click();
    void mnuOptions_Click();

    // Shortcuts from the command line, a paste or the file chooser: local
    // paths as a drop adds them, URIs as web addresses; one save after them.
    void addTargets(const QStringList &targets);
    // A later start of the program: back from the tray, to the front, and
    // its shortcuts added.
    void showFromAnotherStart(const QStringList &targets, const QString &token = QString());
    // The show/hide key, --toggle, and the way back from the tray.
    ShowHide &showHide() { return *m_showHide; }
    // Started with --minimized: hidden in the tray, when there is one.
    void startMinimized();
    void mnuPaste_Click();
    void mnuAddFiles_Click();
    void mnuAddFolders_Click();
    void mPopLogin_Click(bool checked);

    // Ends the program the usual way on SIGTERM/SIGINT: nobody may be there to
    // answer a message box, so a failed save goes to standard error.
    void closeOnSignal();
    // The window has been unloaded; also before the event loop ran.
    bool isUnloaded() const { return m_unloaded; }

    platform::ListView &lstButtons() { return *m_lstButtons; }
    QMenu &mPopupSys() { return *m_mPopupSys; }
    QMenu &mnuPopup() { return m_commands->menu(); }
    // The options dialog while it is open.
    options::frmOptions *frmOptions() const { return m_frmOptions; }
    shortcuts::ShortcutModel &model() { return m_model; }
    shortcuts::Finder &finder() { return m_finder; }
    const QString &profilePath() const { return m_ini.path(); }

    // WindowFrame
    int frameState() const override;
    double frameTop() const override;
    double frameLeft() const override;
    double frameHeight() const override;
    double frameWidth() const override;
    bool framePositionKnown() const override { return platform::windowPositionKnown(); }
    void setFrame(std::optional<double> top, std::optional<double> left, std::optional<double> height,
                  std::optional<double> width) override;
    std::optional<QString> hotKey() const override { return m_hotKeyText; }
    void setHotKey(const QString &stored) override { m_hotKeyText = stored; }

    static QIcon applicationIcon();
    static QString designedTitle();

signals:
    // The window has been unloaded: the program ends.
    void unloaded();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Resize();
    void Form_Unload();
    // Closes the window, also from the tray, and ends the program.
    void unload();
    void trayHostChanged();
    void popUpContextMenu(const QPoint &globalPos);
    // The list's commands: their menu texts, keys and handlers.
    std::vector<Command> commandTable();
    void addTrayCommands();
    void reportSaveFailure(const QString &reason);
    void addChosen(const QStringList &chosen);
    // A message box, or standard error when ending on a signal.
    void report(const QString &text, bool failure);

    Services m_services;
    config::IniFile m_ini;
    platform::ListView *m_lstButtons;
    shortcuts::Icons m_icons;
    shortcuts::ShortcutModel m_model;
    shortcuts::ShortcutList m_list;
    shortcuts::Finder m_finder{m_list};
    QMenu *m_mPopupSys;
    Commands *m_commands = nullptr;
    QPointer<options::frmOptions> m_frmOptions;
    platform::RestoreBounds *m_restoreBounds;
    ShowHide *m_showHide;
    bool m_unloaded = false;
    bool m_saveFailureShown = false;
    bool m_endingOnSignal = false;
    QAction *m_mPopLogin = nullptr;
    // Where the file chooser opens: home, then the folder last chosen from.
    QString m_chooserFolder = QDir::homePath();
    // Set once the profile has been read: before that a save could only
    // replace the stored shortcuts with none.
    bool m_profileLoaded = false;
    // The show/hide key as stored, and what went wrong with it.
    QString m_hotKeyText;
};

} // namespace app
