#include <QApplication>
#include <QDir>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/ProfileLocation.h"
#include "app/Resources.h"
#include "app/SignalWatcher.h"
#include "app/SingleInstance.h"
#include "app/frmTessaflow.h"
#include "platform/Dialogs.h"
#include "platform/IconLookup.h"
#include "platform/Opener.h"
#include "platform/Tray.h"

int main(int argc, char *argv[])
{
    // Read before the application exists: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const app::CommandLine command = app::parseCommandLine(arguments, QDir::currentPath());
    std::fputs(qPrintable(command.output), stdout);
    std::fputs(qPrintable(command.errors), stderr);
    if (command.exitStatus)
        return *command.exitStatus;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaflow"));
    // The window may be hidden in the tray while another one closes; the
    // program ends when the main window is unloaded, not before.
    QApplication::setQuitOnLastWindowClosed(false);
    app::initResources();
    platform::IconLookup::ensureIconTheme();

    const QString profile = app::profilePath(QCoreApplication::applicationDirPath());
    app::SingleInstance instance(profile);
    QString why;
    switch (instance.start(command.targets, &why)) {
    case app::SingleInstance::Start::HandedOver:
        return 0;
    case app::SingleInstance::Start::Failed:
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(why));
        return 1;
    case app::SingleInstance::Start::First:
        break;
    }

    platform::IconLookup icons;
    platform::SystemTray tray;
    platform::WidgetDialogs dialogs;
    platform::DetachedSpawner spawner;
    platform::DesktopOpener opener(spawner, dialogs);
    app::frmTessaflow window(profile, {tray, dialogs, icons, opener});
    dialogs.setParent(&window);
    app::SignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &app::SignalWatcher::terminationRequested, &window, &app::frmTessaflow::closeOnSignal);
    QObject::connect(&window, &app::frmTessaflow::unloaded, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    window.Form_Load();
    if (command.minimized)
        window.startMinimized();
    window.addTargets(command.targets);
    QObject::connect(&instance, &app::SingleInstance::requested, &window, &app::frmTessaflow::showFromAnotherStart);
    instance.serve();
    return application.exec();
}
