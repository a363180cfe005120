#include "app/Program.h"

#include <QApplication>

#include "app/Resources.h"
#include "platform/widgets/Accessibility.h"

namespace app {

void Program::prepare()
{
    QApplication::setApplicationName(QStringLiteral("Tessaflow"));
    // The installed desktop entry's id: Wayland compositors and taskbars take
    // the program's icon and name from it, portals know who asks.
    QGuiApplication::setDesktopFileName(QStringLiteral("tessaflow"));
    // The window may be hidden in the tray while another one closes; the
    // program ends when the main window is unloaded, not before.
    QApplication::setQuitOnLastWindowClosed(false);
    initResources();
    platform::installAccessibleWindowRoles();
    platform::IconLookup::ensureIconTheme();
}

Program::Program(const QString &profilePath)
    : m_window(profilePath, {m_tray, m_dialogs, m_icons, m_opener})
{
    m_dialogs.setParent(&m_window);
    m_tray.setMenu(&m_window.mPopupSys());
    QObject::connect(&m_signalWatcher, &SignalWatcher::terminationRequested, &m_window,
                     &frmTessaflow::closeOnSignal);
}

} // namespace app
