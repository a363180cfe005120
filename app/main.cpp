#include <QApplication>

#include "app/ProfileLocation.h"
#include "app/Program.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::Program::prepare();
    app::Program program(app::profilePath(QCoreApplication::applicationDirPath()));
    app::frmTessaflow &window = program.window();
    QObject::connect(&window, &app::frmTessaflow::unloaded, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    window.Form_Load();
    // Ended by a signal during start-up: the event loop would never be told to quit.
    if (window.isUnloaded())
        return 0;
    return application.exec();
}
