#include <QApplication>

#include "app/ProfileLocation.h"
#include "app/Resources.h"
#include "app/SignalWatcher.h"
#include "app/frmTessaflow.h"
#include "platform/Dialogs.h"
#include "platform/IconLookup.h"
#include "platform/Opener.h"
#include "platform/Tray.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaflow"));
    // The window may be hidden in the tray while another one closes; the
    // program ends when the main window is unloaded, not before.
    QApplication::setQuitOnLastWindowClosed(false);
    app::initResources();
    platform::IconLookup::ensureIconTheme();

    platform::IconLookup icons;
    platform::SystemTray tray;
    platform::WidgetDialogs dialogs;
    platform::DetachedSpawner spawner;
    platform::DesktopOpener opener(spawner, dialogs);
    app::frmTessaflow window(app::profilePath(QCoreApplication::applicationDirPath()),
                             {tray, dialogs, icons, opener});
    dialogs.setParent(&window);
    app::SignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &app::SignalWatcher::terminationRequested, &window, &app::frmTessaflow::closeOnSignal);
    QObject::connect(&window, &app::frmTessaflow::unloaded, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    window.Form_Load();
    // Ended by a signal during start-up: the event loop would never be told to quit.
    if (window.isUnloaded())
        return 0;
    return application.exec();
}
