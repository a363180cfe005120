#include <QCoreApplication>
#include <cstdio>
#include <optional>

#include "app/ProfileLocation.h"
#include "app/ProgramModule.h"
#include "app/Resources.h"
#include "app/Start.h"
#include "app/Translations.h"
#include "platform/ipc/SingleInstance.h"
#include "shortcuts/Adding.h"

// The front: it links Qt Core alone. What it can finish by itself (--help,
// --version, a mistake, a request the running copy takes) ends here; only a
// start that shows the program loads it.
int main(int argc, char *argv[])
{
    // Read before the application exists: --help and --version need no display.
    app::StartRequest request = app::readStartRequest(argc, argv);
    const app::CommandLine &command = request.command;
    if (!command.output.isEmpty() || !command.errors.isEmpty()) {
        // Something to print: read again in the user's language. Only then
        // is a (core) application made for the translations, so an ordinary
        // start pays nothing for it.
        QCoreApplication core(argc, argv);
        app::initResources();
        app::installTranslations(core);
        request.command = app::readStartRequest(argc, argv).command;
    }
    std::fputs(qPrintable(command.output), stdout);
    std::fputs(qPrintable(command.errors), stderr);
    if (command.exitStatus)
        return *command.exitStatus;

    request.profile = app::profilePath(app::executableDir());
    {
        platform::SingleInstance instance(request.profile, app::handedOverTarget, shortcuts::kMaxDropNames);
        instance.setImports(command.imports);
        if (instance.handOverEarly(command.targets, request.token, command.toggle, command.group)
            == platform::SingleInstance::Start::HandedOver) {
            // The copy has no such group: said here, in the user's language.
            std::optional<QCoreApplication> core;
            if (instance.groupMissing()) {
                core.emplace(argc, argv);
                app::initResources();
                app::installTranslations(*core);
            }
            return app::endHandedOver(instance, request);
        }
        request.copyUnanswered = instance.copyUnanswered();
    }
    return app::runProgramModule(argc, argv, request);
}
