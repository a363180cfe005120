#pragma once

#include <QString>
#include <memory>

#include "platform/process/SignalWatcher.h"
#include "platform/session/DisplayLoss.h"
#include "ui/MainWindow.h"
#include "platform/xdg/OpenedStore.h"
#include "shortcuts/Frecency.h"
#include "platform/widgets/Dialogs.h"
#include "platform/icons/IconLookup.h"
#include "platform/process/Opener.h"
#include "platform/globalkey/GlobalKey.h"
#include "platform/tray/Tray.h"
#include "platform/session/Autostart.h"
#include "platform/session/Clipboard.h"
#include "platform/session/FileChooser.h"
#include "platform/session/WindowActivation.h"
#include "platform/session/FolderWatch.h"
#include "launcher/OutsideChanges.h"

namespace app {

// The program as every start wires it: the desktop's services and the main
// window on the given profile. Call prepare() once the QApplication exists and
// before a Program is made.
class Program {
public:
    // Application name, quitting, resources, translations and icon theme.
    static void prepare();

    explicit Program(const QString &profilePath);
    ui::MainWindow &window() { return m_window; }
    // Emitted when the X display is gone, after the window's last save and
    // just before the process ends without unwinding: what must still be
    // cleaned up then (the running-copy socket) connects here.
    platform::DisplayLoss &displayLoss() { return m_displayLoss; }

private:
    platform::IconLookup m_icons;
    platform::SystemTray m_tray;
    platform::WidgetDialogs m_dialogs;
    platform::DetachedSpawner m_spawner;
    platform::DesktopOpener m_opener{m_spawner, platform::notifyThrough(m_dialogs)};
    platform::DesktopActivation m_activation;
    platform::DeskMonitors m_monitors;
    platform::SystemClipboard m_clipboard;
    platform::DialogFileChooser m_fileChooser;
    // The login entry starts this very executable.
    platform::Autostart m_autostart;
    // The show/hide key the desktop allows: a grab on X11, the portal elsewhere.
    std::unique_ptr<platform::GlobalKey> m_globalKey;
    // How often and how lately each shortcut was opened: a state file of the
    // profile's own, so that opening never rewrites the profile.
    platform::OpenedStore m_openedStore;
    shortcuts::Frecency m_frecency;
    ui::MainWindow m_window;
    // What other programs write to the profile while the window is open.
    platform::SystemFolderWatch m_folderWatch;
    launcher::ProfileWatch m_profileWatch{m_window.controller(), m_folderWatch};
    platform::SignalWatcher m_signalWatcher;
    platform::DisplayLoss m_displayLoss;
};

} // namespace app
