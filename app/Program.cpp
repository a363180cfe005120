#include "app/Program.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>

#include "app/Resources.h"
#include "app/Translations.h"
#include "platform/widgets/Accessibility.h"
#include "platform/globalkey/X11GlobalKey.h"
#include "platform/globalkey/PortalGlobalKey.h"

namespace app {

void Program::prepare()
{
    QApplication::setApplicationName(QStringLiteral("Tessaflow"));
    // The installed desktop entry's id, the same as the AppStream id: Wayland
    // compositors and taskbars take the program's icon and name from it,
    // portals know who asks.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaflow.Tessaflow"));
    // The window may be hidden in the tray while another one closes; the
    // program ends when the main window is unloaded, not before.
    QApplication::setQuitOnLastWindowClosed(false);
    initResources();
    installTranslations(*QCoreApplication::instance());
    platform::installAccessibleWindowRoles();
    platform::installAccessibleListItems();
    platform::IconLookup::ensureIconTheme();
}

namespace {
std::unique_ptr<platform::GlobalKey> desktopGlobalKey()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return std::make_unique<platform::X11GlobalKey>();
    if (platform.startsWith(QLatin1String("wayland")))
        return std::make_unique<platform::PortalGlobalKey>();
    return std::make_unique<platform::NoGlobalKey>();
}
} // namespace

Program::Program(const QString &profilePath)
    : m_autostart(platform::Autostart::defaultEntryPath(), QCoreApplication::applicationFilePath()),
      m_globalKey(desktopGlobalKey()),
      m_openedStore(platform::OpenedStore::pathFor(profilePath), profilePath),
      m_frecency(m_openedStore, [] { return QDateTime::currentSecsSinceEpoch(); }),
      m_window(profilePath, {m_tray, m_dialogs, m_icons, m_opener, m_clipboard, m_fileChooser, m_autostart,
                             *m_globalKey, m_activation, m_monitors})
{
    m_dialogs.setParent(&m_window);
    m_window.controller().setFrecency(&m_frecency);
    m_tray.setMenu(&m_window.mPopupSys());
    QObject::connect(&m_signalWatcher, &platform::SignalWatcher::terminationRequested, &m_window,
                     &ui::MainWindow::closeOnSignal);
    // Qt ends the process as soon as it sees the display gone: the window
    // saves and leaves first, as on SIGTERM.
    QObject::connect(&m_displayLoss, &platform::DisplayLoss::lost, &m_window, &ui::MainWindow::closeOnSignal);
}

} // namespace app
