#include "platform/process/Spawner.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstring>
#include <system_error>
#include <vector>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#include <QProcess>
#endif

namespace platform {

namespace {

// Runs `done` from the event loop, never from inside spawn(): callers may
// not expect their callback while they are still calling.
void callLater(Spawner::Callback done, SpawnResult result)
{
    QTimer::singleShot(0, QCoreApplication::instance(), [done = std::move(done), result] { done(result); });
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

// What the intermediate process tells the launcher, in one write.
struct Report {
    qint32 started;
    qint32 error;
    qint32 exitCode;
};

// Descriptor the intermediate keeps for its report; 0-2 stay for the program.
constexpr int kReportFd = 3;

void closeFrom(int first, long maxFd)
{
#ifdef SYS_close_range
    if (::syscall(SYS_close_range, static_cast<unsigned>(first), ~0U, 0U) == 0)
        return;
#endif
    for (long fd = first; fd < maxFd; ++fd)
        ::close(static_cast<int>(fd));
}

void sendReport(const Report &report)
{
    // The launcher may be gone: no SIGPIPE, and nothing to do about a failure.
    while (::send(kReportFd, &report, sizeof report, MSG_NOSIGNAL) < 0 && errno == EINTR) {
    }
}

// The intermediate child: runs between fork() and _exit(), so only
// async-signal-safe calls from here on.
[[noreturn]] void runIntermediate(int launcherEnd, int reportEnd, const char *path, char *const argv[],
                                  const char *folder, bool waitForExit, long maxFd)
{
    // Started programs get default signal handling, not the launcher's.
    struct sigaction dfl = {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig)
        ::sigaction(sig, &dfl, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);

    ::close(launcherEnd);
    if (reportEnd != kReportFd) {
        if (::dup3(reportEnd, kReportFd, O_CLOEXEC) < 0)
            ::_exit(127);
        if (reportEnd < kReportFd)
            ::close(reportEnd);
    }
    // Nothing of the launcher's (its X connection above all) may stay open
    // in a program that outlives it.
    closeFrom(kReportFd + 1, maxFd);

    const int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        ::dup2(devNull, 0);
        // Never leave 1 or 2 closed: the program's next file would land there.
        for (int fd = 1; fd <= 2; ++fd) {
            if (::fcntl(fd, F_GETFD) < 0)
                ::dup2(devNull, fd);
        }
        if (devNull > 2)
            ::close(devNull);
    }

    ::setsid();

    int execPipe[2];
    if (::pipe2(execPipe, O_CLOEXEC) < 0) {
        sendReport({0, errno, 0});
        ::_exit(0);
    }
    const pid_t program = ::fork();
    if (program < 0) {
        sendReport({0, errno, 0});
        ::_exit(0);
    }
    if (program == 0) {
        ::close(execPipe[0]);
        // A folder that cannot be entered is told as the program not starting.
        if (folder == nullptr || ::chdir(folder) == 0)
            ::execv(path, argv);
        const int error = errno;
        while (::write(execPipe[1], &error, sizeof error) < 0 && errno == EINTR) {
        }
        ::_exit(127);
    }
    ::close(execPipe[1]);

    // The pipe closes on a successful exec; errno arrives when it failed.
    int execError = 0;
    ssize_t got;
    while ((got = ::read(execPipe[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    ::close(execPipe[0]);

    int status = 0;
    if (got == static_cast<ssize_t>(sizeof execError)) {
        while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
        }
        sendReport({0, execError, 0});
        ::_exit(0);
    }
    if (!waitForExit) {
        // Exiting hands the program to init, which reaps it.
        sendReport({1, 0, 0});
        ::_exit(0);
    }
    pid_t waited;
    while ((waited = ::waitpid(program, &status, 0)) < 0 && errno == EINTR) {
    }
    int exitCode = 0;
    if (waited == program) {
        if (WIFEXITED(status))
            exitCode = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
            exitCode = 128 + WTERMSIG(status); // as a shell tells it
    }
    sendReport({1, 0, exitCode});
    ::_exit(0);
}

// Collects one intermediate's report on the user-interface thread.
struct Pending {
    int fd = -1;
    pid_t pid = -1;
    QByteArray received;
    QSocketNotifier *notifier = nullptr;
    Spawner::Callback done;
    std::weak_ptr<int> spawnerAlive;
    int reapTries = 0;
};

void finish(const std::shared_ptr<Pending> &pending)
{
    int status = 0;
    const pid_t reaped = ::waitpid(pending->pid, &status, WNOHANG);
    // The intermediate closes its end just before it exits: give it a moment
    // rather than block the window in waitpid.
    if (reaped == 0 && ++pending->reapTries < 1000) {
        QTimer::singleShot(5, QCoreApplication::instance(), [pending] { finish(pending); });
        return;
    }

    SpawnResult result;
    Report report;
    if (pending->received.size() == static_cast<qsizetype>(sizeof report)) {
        std::memcpy(&report, pending->received.constData(), sizeof report);
        result.started = report.started != 0;
        result.error = report.error;
        result.exitCode = report.exitCode;
    }
    // No report (the intermediate died): the program did not start, reason unknown.
    if (!pending->spawnerAlive.expired() && pending->done) {
        auto done = std::move(pending->done);
        done(result);
    }
}

void readReport(const std::shared_ptr<Pending> &pending)
{
    for (;;) {
        char buffer[64];
        const ssize_t n = ::read(pending->fd, buffer, sizeof buffer);
        if (n > 0) {
            pending->received.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        break; // end of file: the intermediate has said all it will
    }
    pending->notifier->setEnabled(false);
    pending->notifier->deleteLater();
    pending->notifier = nullptr;
    ::close(pending->fd);
    pending->fd = -1;
    finish(pending);
}

} // namespace

void DetachedSpawner::spawn(const Command &command, Callback done)
{
    // Everything that allocates happens here, before fork().
    const QByteArray path = QFile::encodeName(command.program);
    const QByteArray folder = QFile::encodeName(command.workingDirectory);
    std::vector<QByteArray> encoded;
    encoded.reserve(command.arguments.size() + 1);
    encoded.push_back(path);
    for (const QString &argument : command.arguments)
        encoded.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    argv.reserve(encoded.size() + 1);
    for (QByteArray &arg : encoded)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    long maxFd = ::sysconf(_SC_OPEN_MAX);
    if (maxFd < 0 || maxFd > 65536)
        maxFd = 65536;

    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) < 0) {
        callLater(std::move(done), {false, errno, 0});
        return;
    }

    // No handler of the launcher may run in the child before it resets them.
    sigset_t all, previous;
    sigfillset(&all);
    ::pthread_sigmask(SIG_BLOCK, &all, &previous);
    const pid_t pid = ::fork();
    if (pid == 0)
        runIntermediate(ends[0], ends[1], path.constData(), argv.data(),
                        folder.isEmpty() ? nullptr : folder.constData(), command.waitForExit, maxFd);
    const int forkError = errno;
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    ::close(ends[1]);

    if (pid < 0) {
        ::close(ends[0]);
        callLater(std::move(done), {false, forkError, 0});
        return;
    }

    ::fcntl(ends[0], F_SETFL, ::fcntl(ends[0], F_GETFL) | O_NONBLOCK);
    auto pending = std::make_shared<Pending>();
    pending->fd = ends[0];
    pending->pid = pid;
    pending->done = std::move(done);
    pending->spawnerAlive = m_alive;
    pending->notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(pending->notifier, &QSocketNotifier::activated, pending->notifier,
                     [pending] { readReport(pending); });
}

#else

void DetachedSpawner::spawn(const Command &command, Callback done)
{
    // Elsewhere the system starts programs detached itself; exit codes are not known.
    const bool started = QProcess::startDetached(command.program, command.arguments, command.workingDirectory);
    callLater(std::move(done), {started, 0, 0});
}

#endif

} // namespace platform
