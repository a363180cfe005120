#include "app/Run.h"

#include <QApplication>
#include <cstdio>

#include "app/Program.h"
#include "platform/ipc/SingleInstance.h"
#include "platform/session/StartupNotification.h"
#include "platform/widgets/FontWarmup.h"
#include "shortcuts/Adding.h"

namespace app {

int run(int &argc, char **argv, const StartRequest &request)
{
    CommandLine command = request.command;
    platform::SingleInstance instance(request.profile, handedOverTarget, shortcuts::kMaxDropNames);
    instance.setImports(command.imports);
    if (request.copyUnanswered)
        instance.copyDidNotAnswer();

    platform::FontWarmup fonts;
    QApplication application(argc, argv);
    const auto fontsFilled = fonts.applicationReady();
    Program::prepare();
    QString why;
    switch (instance.start(command.targets, &why, request.token, command.toggle, command.group)) {
    case platform::SingleInstance::Start::HandedOver:
        return endHandedOver(instance, request);
    case platform::SingleInstance::Start::Failed:
        if (!request.startupId.isEmpty())
            platform::endStartupNotification(request.startupId);
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(why));
        return 1;
    case platform::SingleInstance::Start::First:
        if (!why.isEmpty())
            std::fprintf(stderr, "tessaflow: %s\n", qPrintable(why));
        break;
    }

    Program program(request.profile);
    // The display gone: the window has saved; later starts find no socket.
    QObject::connect(&program.displayLoss(), &platform::DisplayLoss::lost, &instance, &platform::SingleInstance::stop);
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
    launcher::Controller &controller = window.controller();
    // A group that is not there: the launcher is what was started, so it
    // stays, on the group it shows; the shortcuts meant for it are not added.
    const std::optional<QString> group = command.group ? controller.groupNamed(*command.group) : std::nullopt;
    if (command.group && !group) {
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(noSuchGroupText(*command.group)));
        command.targets.clear();
    }
    if (group)
        controller.showGroup(*group);
    controller.addTargets(command.targets);
    instance.setFindGroup([&controller](const QString &name) { return controller.groupNamed(name); });
    QObject::connect(&instance, &platform::SingleInstance::groupRequested, &window,
                     [&window](const QString &group, const QStringList &targets, const QString &token) {
                         window.controller().showGroup(group);
                         window.showFromAnotherStart(targets, token);
                     });
    for (const QString &path : std::as_const(command.imports))
        std::printf("%s\n", qPrintable(controller.importFrom(path)));
    std::fflush(stdout);
    instance.setImporter([&controller](const QString &path) { return controller.importFrom(path); });
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

} // namespace app
