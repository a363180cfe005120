// Tessaflow started as app/main.cpp starts it, with the profile given on the
// command line; prints when the list has painted with its shortcuts. With
// --exit it then closes the window as the user would (the profile is saved)
// and ends normally; otherwise it ends at once.
#include <QApplication>

#include "FirstPaint.h"
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
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return 2;
    const bool exitNormally = args.contains(QStringLiteral("--exit"));
    QApplication::setApplicationName(QStringLiteral("Tessaflow"));
    QApplication::setQuitOnLastWindowClosed(false);
    app::initResources();
    platform::IconLookup::ensureIconTheme();

    platform::IconLookup icons;
    platform::SystemTray tray;
    platform::WidgetDialogs dialogs;
    platform::DetachedSpawner spawner;
    platform::DesktopOpener opener(spawner, dialogs);
    app::frmTessaflow window(args.at(1), {tray, dialogs, icons, opener});
    dialogs.setParent(&window);
    app::SignalWatcher signalWatcher;
    QObject::connect(&window, &app::frmTessaflow::unloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.Form_Load();
    // Form_Load has loaded every shortcut: the next paint shows them.
    bench::FirstPaint firstPaint(window.lstButtons().viewport(), [&] {
        if (!exitNormally)
            bench::quitNow();
        window.mPopExit_Click(); // Exit, as from the tray menu
    });
    return application.exec();
}
