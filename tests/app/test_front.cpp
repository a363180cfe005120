// The front executable: a later start is handed over with Qt Core alone, and
// what the front learnt is not asked again by the program it loads.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "app/ProfileLocation.h"
#include "platform/ipc/InstanceSocket.h"
#include "platform/ipc/SingleInstance.h"

namespace {

class FrontTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString appDir = dir.filePath(QStringLiteral("app"));
    QString runtime = dir.filePath(QStringLiteral("runtime"));
    std::vector<std::unique_ptr<QProcess>> started;

    void SetUp() override
    {
        QDir(dir.path()).mkpath(QStringLiteral("app"));
        QDir(dir.path()).mkpath(QStringLiteral("runtime"));
        QFile(runtime).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // A copy elsewhere, as a portable copy is: its profile is beside it.
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSAFLOW_BINARY), appDir + QStringLiteral("/tessaflow")));
    }
    void TearDown() override
    {
        for (auto &process : started) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }
    QProcess &start(const QStringList &arguments, const QStringList &extraEnvironment = {})
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath(QStringLiteral("state")));
        for (const QString &entry : extraEnvironment)
            env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        process->setProcessEnvironment(env);
        process->start(appDir + QStringLiteral("/tessaflow"), arguments);
        EXPECT_TRUE(process->waitForStarted());
        started.push_back(std::move(process));
        return *started.back();
    }
    // The socket the copy in appDir listens on, as the front finds it.
    QString socketName()
    {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const QString name = platform::SingleInstance::serverName(app::profilePath(appDir));
        qputenv("XDG_RUNTIME_DIR", saved);
        return name;
    }
    static QStringList loadedLibraries(const QByteArray &loaderTrace)
    {
        // LD_DEBUG=files: "file=libQt6Core.so.6 [0];  needed by ..." and
        // "file=/path/tessaflow-program.so [0];  dynamically loaded by ...".
        QStringList names;
        for (const QByteArray &line : loaderTrace.split('\n')) {
            const int at = line.indexOf("file=");
            if (at >= 0 && (line.contains("needed by") || line.contains("dynamically loaded")))
                names << QString::fromUtf8(line.mid(at + 5, line.indexOf(' ', at) - at - 5)).section('/', -1);
        }
        return names;
    }
};

TEST_F(FrontTest, ALaterStartLoadsQtCoreAloneAndTheFirstLoadsTheProgram)
{
    QProcess &first = start({}, {QStringLiteral("LD_DEBUG=files")});
    const QString socket = socketName();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 10000));
    const QStringList firstLoaded = loadedLibraries(first.readAllStandardError());
    EXPECT_TRUE(firstLoaded.contains(QStringLiteral("tessaflow-program.so"))) << firstLoaded.join(' ').toStdString();
    EXPECT_TRUE(firstLoaded.contains(QStringLiteral("libQt6Widgets.so.6")));

    QProcess &toggle = start({QStringLiteral("--toggle")}, {QStringLiteral("LD_DEBUG=files")});
    ASSERT_TRUE(toggle.waitForFinished(10000));
    EXPECT_EQ(toggle.exitCode(), 0);
    const QStringList loaded = loadedLibraries(toggle.readAllStandardError());
    EXPECT_TRUE(loaded.contains(QStringLiteral("libQt6Core.so.6"))) << loaded.join(' ').toStdString();
    for (const char *never : {"tessaflow-program.so", "libQt6Widgets.so.6", "libQt6Gui.so.6", "libQt6DBus.so.6"})
        EXPECT_FALSE(loaded.contains(QString::fromLatin1(never))) << never;
    EXPECT_EQ(first.state(), QProcess::Running);
}

// A copy that takes the request and never answers: the front waits for it
// once, and the program it then loads says so at once instead of asking again.
TEST_F(FrontTest, ACopyThatDidNotAnswerIsNotAskedTwice)
{
    sockaddr_un address;
    ASSERT_TRUE(platform::InstanceSocket::socketAddress(socketName(), &address));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 8), 0);

    QProcess &later = start({});
    ASSERT_TRUE(later.waitForFinished(60000));
    EXPECT_EQ(later.exitCode(), 1);
    EXPECT_TRUE(later.readAllStandardError().endsWith("tessaflow: the running copy does not answer\n"));
    int connections = 0;
    for (int fd; (fd = ::accept(listener, nullptr, nullptr)) >= 0; ++connections)
        ::close(fd);
    EXPECT_EQ(connections, 1);
    ::close(listener);
}

} // namespace
