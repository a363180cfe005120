// `tessaflow --toggle` against a running copy whose window is hidden: from
// the start of the --toggle process to the running copy's list painted.
//   bench_toggle_handover PROFILE TESSAFLOW RUNS  ->  "<median_ms> <min_ms> <max_ms>"
// This process is the running copy, wired as app/main.cpp wires it, on a copy
// of PROFILE; TESSAFLOW is copied beside that profile, so it finds this copy
// as a later start of the same profile does.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

#include "Clock.h"
#include "FirstPaint.h"
#include "app/CommandLine.h"
#include "app/Program.h"
#include "platform/ipc/SingleInstance.h"

extern char **environ;

namespace {

constexpr int kBetweenPressesMs = 300;

// Notes every paint of the list.
class Painted : public QObject {
public:
    explicit Painted(QWidget *viewport) { viewport->installEventFilter(this); }
    bool seen = false;
    QEventLoop *loop = nullptr;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            // Stamped once the paint itself has run.
            if (loop)
                QTimer::singleShot(0, loop, &QEventLoop::quit);
        }
        return false;
    }
};

// Sleeps in the event loop until the list has painted (or 5 s have gone):
// a busy wait would take the processor from the start being measured.
bool waitFor(Painted &painted)
{
    QEventLoop loop;
    painted.loop = &loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    if (!painted.seen)
        loop.exec();
    painted.loop = nullptr;
    return painted.seen;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        return 2;
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("tsw.ini"));
    const QString program = dir.filePath(QStringLiteral("tessaflow"));
    const QString runtime = dir.filePath(QStringLiteral("runtime"));
    if (!QFile::copy(QFile::decodeName(argv[1]), profile) || !QFile::copy(QFile::decodeName(argv[2]), program)
        || !QDir().mkdir(runtime))
        return 2;
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Both ends find the socket in a folder of this run's own.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const int runs = std::max(1, std::atoi(argv[3]));

    QApplication application(argc, argv);
    app::Program::prepare();
    platform::SingleInstance instance(profile, app::handedOverTarget);
    if (instance.start({}) != platform::SingleInstance::Start::First)
        return 3;
    app::Program running(profile);
    ui::MainWindow &window = running.window();
    window.start();
    QObject::connect(&instance, &platform::SingleInstance::requested, &window,
                     [&window](const QStringList &, const QString &token, bool) { window.showHide().toggle(token); });
    instance.serve();
    Painted painted(window.lstButtons().viewport());
    if (!waitFor(painted))
        return 4;

    const QByteArray path = QFile::encodeName(program);
    char toggle[] = "--toggle";
    char *const childArgs[] = {const_cast<char *>(path.constData()), toggle, nullptr};
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        window.hide();
        QApplication::processEvents();
        painted.seen = false;
        const long long started = bench::monotonicNs();
        pid_t child = 0;
        if (posix_spawn(&child, path.constData(), nullptr, nullptr, childArgs, environ) != 0)
            return 5;
        const bool shown = waitFor(painted);
        const long long drawn = bench::monotonicNs();
        int status = 0;
        waitpid(child, &status, 0);
        if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "--toggle did not bring the window back\n");
            return 6;
        }
        times.push_back((drawn - started) / 1e6);
        // The next press comes at a person's pace, once the window has been
        // on screen a moment and has looked at its targets again, not while
        // the last show's work is still going on.
        QEventLoop pause;
        QTimer::singleShot(kBetweenPressesMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
    std::sort(times.begin(), times.end());
    std::printf("%.2f %.2f %.2f\n", times[times.size() / 2], times.front(), times.back());
    bench::quitNow();
}
