#include "app/Start.h"

#include <QDir>
#include <cstdio>

#include "platform/ipc/SingleInstance.h"
#include "platform/session/StartupNotification.h"

namespace app {

StartRequest readStartRequest(int argc, char *argv[])
{
    StartRequest request;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    request.command = parseCommandLine(arguments, QDir::currentPath());
    // The desktop's proof that the user asked for the window: the running
    // copy may come to the front with it. Read before the application is
    // made: on X11 Qt takes DESKTOP_STARTUP_ID out of the environment then.
    request.startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    request.token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (request.token.isEmpty())
        request.token = request.startupId;
    return request;
}

int endHandedOver(const platform::SingleInstance &instance, const StartRequest &request)
{
    // This start shows no window, so Qt never ends the launch's busy cursor.
    if (!request.startupId.isEmpty())
        platform::endStartupNotification(request.startupId);
    for (const QString &report : instance.reports())
        std::printf("%s\n", qPrintable(report));
    for (const QString &refusal : instance.refusals())
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(refusal));
    if (instance.groupMissing()) {
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(noSuchGroupText(request.command.group.value_or(QString()))));
        return 1;
    }
    return !request.command.targets.isEmpty() && instance.taken() == 0 ? 1 : 0;
}

} // namespace app
