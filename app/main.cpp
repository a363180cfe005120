#include <QApplication>
#include <QDir>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/ProfileLocation.h"
#include "app/Program.h"
#include "app/Resources.h"
#include "app/Translations.h"
#include "platform/ipc/SingleInstance.h"
#include "platform/session/StartupNotification.h"
#include "platform/widgets/FontWarmup.h"
#include "shortcuts/Adding.h"

int main(int argc, char *argv[])
{
    // Read before the application exists: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    app::CommandLine command = app::parseCommandLine(arguments, QDir::currentPath());
    if (!command.output.isEmpty() || !command.errors.isEmpty()) {
        // Something to print: read again in the user's language. Only then
        // is a (core) application made for the translations, so an ordinary
        // start pays nothing for it.
        QCoreApplication core(argc, argv);
        app::initResources();
        app::installTranslations(core);
        command = app::parseCommandLine(arguments, QDir::currentPath());
    }
    std::fputs(qPrintable(command.output), stdout);
    std::fputs(qPrintable(command.errors), stderr);
    if (command.exitStatus)
        return *command.exitStatus;

    // The desktop's proof that the user asked for the window: the running
    // copy may come to the front with it. Read before the application is
    // made: on X11 Qt takes DESKTOP_STARTUP_ID out of the environment then.
    const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty())
        token = startupId;

    // A later start (--toggle above all) hands its message to the running
    // copy before building an application it would not use.
    const QString profile = app::profilePath(app::executableDir());
    platform::SingleInstance instance(profile, app::handedOverTarget, shortcuts::kMaxDropNames);
    auto handedOver = [&] {
        // This start shows no window, so Qt never ends the launch's busy cursor.
        if (!startupId.isEmpty())
            platform::endStartupNotification(startupId);
        for (const QString &refusal : instance.refusals())
            std::fprintf(stderr, "tessaflow: %s\n", qPrintable(refusal));
        // As on the command line: 1 when shortcuts were given and none was added.
        return !command.targets.isEmpty() && instance.taken() == 0 ? 1 : 0;
    };
    if (instance.handOverEarly(command.targets, token, command.toggle) == platform::SingleInstance::Start::HandedOver)
        return handedOver();

    platform::FontWarmup fonts;
    QApplication application(argc, argv);
    const auto fontsFilled = fonts.applicationReady();
    app::Program::prepare();
    QString why;
    const auto start = instance.start(command.targets, &why, token, command.toggle);
    switch (start) {
    case platform::SingleInstance::Start::HandedOver:
        return handedOver();
    case platform::SingleInstance::Start::Failed:
        if (!startupId.isEmpty())
            platform::endStartupNotification(startupId);
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(why));
        return 1;
    case platform::SingleInstance::Start::First:
        if (!why.isEmpty())
            std::fprintf(stderr, "tessaflow: %s\n", qPrintable(why));
        break;
    }

    app::Program program(profile);
    ui::MainWindow &window = program.window();
    QObject::connect(&window, &ui::MainWindow::unloaded, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    window.start();
    if (command.minimized && !command.toggle)
        window.startMinimized();
    // Started by --toggle: shown, and away again once a shortcut is opened.
    if (command.toggle)
        window.showHide().setShownByKey();
    // The first start takes no more than a hand-over would.
    if (command.targets.size() > shortcuts::kMaxDropNames) {
        std::fprintf(stderr, "tessaflow: %s\n",
                     qPrintable(platform::SingleInstance::beyondCapText(
                         command.targets.size() - shortcuts::kMaxDropNames, shortcuts::kMaxDropNames)));
        command.targets.resize(shortcuts::kMaxDropNames);
    }
    window.controller().addTargets(command.targets);
    QObject::connect(&instance, &platform::SingleInstance::requested, &window,
                     [&window](const QStringList &targets, const QString &token, bool toggle) {
                         if (toggle && targets.isEmpty())
                             window.showHide().toggle(token);
                         else
                             window.showFromAnotherStart(targets, token);
                     });
    instance.serve();
    // The first paint lays out text: the fonts must have been read by then.
    fonts.wait();
    return application.exec();
}
