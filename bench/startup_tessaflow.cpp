// Tessaflow started as app/main.cpp starts it, with the profile given on the
// command line; prints when the list has painted with its shortcuts. With
// --exit it then closes the window as the user would (the profile is saved)
// and ends normally; otherwise it ends at once.
#include <QApplication>

#include "FirstPaint.h"
#include "app/CommandLine.h"
#include "app/Program.h"
#include "platform/ipc/SingleInstance.h"
#include "platform/widgets/FontWarmup.h"

int main(int argc, char *argv[])
{
    platform::FontWarmup fonts; // as main() does, before the application
    QApplication application(argc, argv);
    const auto fontsFilled = fonts.applicationReady();
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return 2;
    const bool exitNormally = args.contains(QStringLiteral("--exit"));
    // What main() does before the window: the command line, and the check
    // for a running copy (this one then listens for later starts).
    const app::CommandLine command = app::parseCommandLine({args.at(0)}, QString());
    app::Program::prepare();
    platform::SingleInstance instance(args.at(1), app::handedOverTarget);
    if (instance.start(command.targets) != platform::SingleInstance::Start::First)
        return 3;
    app::Program program(args.at(1));
    ui::MainWindow &window = program.window();
    QObject::connect(&window, &ui::MainWindow::unloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.start();
    // start() has loaded every shortcut: the next paint shows them.
    bench::FirstPaint firstPaint(window.lstButtons().viewport(), [&] {
        if (!exitNormally)
            bench::quitNow();
        window.exit(); // Exit, as from the tray menu
    });
    fonts.wait();
    return application.exec();
}
