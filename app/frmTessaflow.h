#pragma once

#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "app/Autostart.h"
#include "app/SysTray.h"
#include "config/Config.h"
#include "config/IniFile.h"
#include "options/frmOptions.h"
#include "platform/desktop/Clipboard.h"
#include "platform/widgets/Dialogs.h"
#include "platform/desktop/FileChooser.h"
#include "platform/desktop/GlobalKey.h"
#include "platform/desktop/WindowActivation.h"
#include "platform/icons/IconLookup.h"
#include "platform/widgets/ListView.h"
#include "platform/desktop/Opener.h"
#include "platform/desktop/Tray.h"
#include "platform/widgets/WindowGeometry.h"
#include "shortcuts/Finder.h"
#include "shortcuts/Icons.h"
#include "shortcuts/ShortcutList.h"
#include "shortcuts/ShortcutModel.h"

namespace app {

// The platform services the window talks to; tests hand in recorders.
struct Services {
    platform::Tray &tray;
    platform::Dialogs &dialogs;
    platform::IconLookup &iconLookup;
    platform::Opener &opener;
    // Left out: the desktop's own clipboard, file chooser and login entry.
    platform::Clipboard *clipboard = nullptr;
    platform::FileChooser *fileChooser = nullptr;
    Autostart *autostart = nullptr;
    // Left out: no show/hide key, and windows raised the plain way.
    platform::GlobalKey *globalKey = nullptr;
    platform::WindowActivation *activation = nullptr;
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

    // Mouse events on the tray icon, as their message codes.
    void Form_MouseMove(int code);
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
    // The show/hide key or `--toggle`: the window comes to the front, or goes
    // away when it is the active window already. `token` lets it come forward.
    void toggle(const QString &token = QString());
    // Away as minimising sends it: to the tray when there is one.
    void hideAway();
    // Shown by the key or --toggle: goes away again once a shortcut is opened.
    bool shownByKey() const { return m_shownByKey; }
    void setShownByKey() { m_shownByKey = true; }
    // What went wrong with the show/hide key; empty when it works.
    const QString &hotKeyProblem() const { return m_hotKeyProblem; }
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
    QMenu &mnuPopup() { return *m_mnuPopup; }
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
    void restore(const QString &token = QString());
    void useHotKey(const QKeySequence &key);
    void hotKeyReported(const QString &problem);
    void openedShortcut();
    void popUpContextMenu(const QPoint &globalPos);
    void addKeyboardCommands();
    void addDesktopCommands();
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
    QMenu *m_mnuPopup;
    QPointer<options::frmOptions> m_frmOptions;
    TrayIconData m_trayIconData;
    platform::RestoreBounds *m_restoreBounds;
    bool m_unloaded = false;
    bool m_saveFailureShown = false;
    bool m_endingOnSignal = false;
    platform::SystemClipboard m_systemClipboard;
    platform::DialogFileChooser m_dialogFileChooser;
    Autostart m_ownAutostart;
    QAction *m_mPopLogin = nullptr;
    // Where the file chooser opens: home, then the folder last chosen from.
    QString m_chooserFolder = QDir::homePath();
    // Set once the profile has been read: before that a save could only
    // replace the stored shortcuts with none.
    bool m_profileLoaded = false;
    // The show/hide key as stored, and what went wrong with it.
    QString m_hotKeyText;
    QString m_hotKeyProblem;
    QString m_hotKeyReported;
    bool m_shownByKey = false;
};

} // namespace app
