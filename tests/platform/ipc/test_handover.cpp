// A running copy and a later start in one process: the hand-over, its rule
// and cap, the runtime folder, and the socket going with the copy.
#include "support/InstanceFixture.h"

#include "app/Start.h"

using namespace testing_support;
using platform::InstanceSocket::encode;

namespace {

using SingleInstanceTest = InstanceFixture;

// A runtime folder that is the user's own and private but not writable would
// make no socket, and each later start a copy of its own: the folder in the
// temporary folder is used instead, as for any unusable runtime folder.
TEST_F(SingleInstanceTest, APrivateRuntimeFolderThatCannotBeWrittenToIsPassedOver)
{
    const auto restore = privateRuntimeDir();
    const QString runtime = dir.filePath(QStringLiteral("runtime")), temp = dir.filePath(QStringLiteral("temp"));
    ASSERT_TRUE(QDir().mkpath(temp) && ::chmod(QFile::encodeName(runtime).constData(), 0500) == 0);
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp));
    const auto restoreTemp = qScopeGuard([&] {
        ::chmod(QFile::encodeName(runtime).constData(), 0700);
        if (savedTemp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", savedTemp);
    });
    QString why;
    EXPECT_EQ(platform::InstanceSocket::privateFolder(&why), temp + QStringLiteral("/tessaflow-%1").arg(::geteuid()))
        << why.toStdString();
    platform::SingleInstance first(dir.filePath(QStringLiteral("app/tsw.ini")),
                                   [](const QString &target, QString *) -> std::optional<QString> { return target; });
    ASSERT_EQ(first.start({}, &why), platform::SingleInstance::Start::First);
    EXPECT_TRUE(why.isEmpty()) << why.toStdString(); // listening
    EXPECT_TRUE(platform::SingleInstance::serverName(dir.filePath(QStringLiteral("app/tsw.ini"))).startsWith(temp));
}

// Refuses what has "refuse" in it, saying so; takes the rest through `take`.
platform::SingleInstance::Accept refusingRule(std::function<QString(const QString &)> take)
{
    return [take](const QString &target, QString *refusal) -> std::optional<QString> {
        if (target.contains(QLatin1String("refuse"))) {
            *refusal = QStringLiteral("refused: ") + target;
            return std::nullopt;
        }
        return take(target);
    };
}

// A running copy serving one request, sent from another thread as a later
// start sends it: what the copy took (nothing when it took nothing within
// 10 s), and what it answered the sender.
struct Served {
    std::optional<QStringList> taken;
    QStringList answer;
};
Served serveOne(platform::SingleInstance &running, const QString &socket, const QStringList &request)
{
    Served served;
    QObject::connect(&running, &platform::SingleInstance::requested,
                     [&](const QStringList &targets, const QString &, bool) { served.taken = targets; });
    running.serve();
    std::thread laterStart([&] {
        const int fd = unixSocket(socket, false);
        const QByteArray message = encode(request);
        if (::send(fd, message.constData(), size_t(message.size()), MSG_NOSIGNAL) == message.size())
            platform::InstanceSocket::receiveMessage(fd, QDeadlineTimer(10000), &served.answer);
        ::close(fd);
    });
    static_cast<void>(QTest::qWaitFor([&] { return served.taken.has_value(); }, 10000));
    laterStart.join();
    return served;
}

// The running copy takes what the rule it was handed accepts, in order, and
// tells the sender what the rule refused.
TEST_F(SingleInstanceTest, TheRuleHandedInDecidesWhatTheRunningCopyTakes)
{
    const auto restore = privateRuntimeDir();
    platform::SingleInstance running(dir.filePath(QStringLiteral("app/tsw.ini")),
                                     refusingRule([](const QString &target) { return target.toUpper(); }));
    QString why;
    ASSERT_EQ(running.start({}, &why), platform::SingleInstance::Start::First) << why.toStdString();
    const Served served = serveOne(running, socketName(), {"one", "refuse me", "two"});
    ASSERT_TRUE(served.taken.has_value());
    EXPECT_EQ(*served.taken, (QStringList{"ONE", "TWO"}));
    EXPECT_EQ(served.answer, (QStringList{"2", "refused: refuse me"}));
}

// A request past the cap is taken as far as the cap, and the answer counts
// only what was taken and says why the rest was not.
TEST_F(SingleInstanceTest, AHandOverIsCappedAndTheAnswerSaysSo)
{
    const auto restore = privateRuntimeDir();
    platform::SingleInstance running(dir.filePath(QStringLiteral("app/tsw.ini")),
                                     refusingRule([](const QString &target) { return target; }), 3);
    QString why;
    ASSERT_EQ(running.start({}, &why), platform::SingleInstance::Start::First) << why.toStdString();
    const Served served = serveOne(running, socketName(), {"one", "refuse me", "two", "three", "four"});
    ASSERT_TRUE(served.taken.has_value());
    EXPECT_EQ(*served.taken, (QStringList{"one", "two"}));
    EXPECT_EQ(served.answer, (QStringList{"2", "refused: refuse me", "2 more not added: at most 3 are taken at once"}));
}

TEST_F(SingleInstanceTest, AnEarlyHandOverOnlyHandsOverAndLeavesTheRestToStart)
{
    const auto restore = privateRuntimeDir();
    const QString profilePath = dir.filePath(QStringLiteral("app/tsw.ini"));
    auto acceptAll = [](const QString &target, QString *) -> std::optional<QString> { return target; };

    // No copy runs: nothing is made, start() decides.
    platform::SingleInstance alone(profilePath, acceptAll);
    EXPECT_EQ(alone.handOverEarly({QStringLiteral("x")}), platform::SingleInstance::Start::First);
    EXPECT_FALSE(listening());
    ASSERT_EQ(alone.start({}), platform::SingleInstance::Start::First);
    ASSERT_TRUE(listening());
    std::optional<std::tuple<QStringList, QString, bool>> asked;
    QObject::connect(&alone, &platform::SingleInstance::requested,
                     [&](const QStringList &targets, const QString &token, bool toggle) {
                         asked = std::tuple(targets, token, toggle);
                     });
    alone.serve();

    // A copy runs: the request, its token and toggle, reach it.
    platform::SingleInstance::Start early = platform::SingleInstance::Start::Failed;
    int taken = -1;
    std::thread later([&] {
        platform::SingleInstance instance(profilePath, acceptAll);
        early = instance.handOverEarly({QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("tok"), true);
        taken = instance.taken();
    });
    const bool served = QTest::qWaitFor([&] { return asked.has_value(); }, 10000);
    later.join();
    ASSERT_TRUE(served);
    EXPECT_EQ(early, platform::SingleInstance::Start::HandedOver);
    EXPECT_EQ(taken, 2);
    EXPECT_EQ(*asked, std::tuple(QStringList{"a", "b"}, QStringLiteral("tok"), true));
}

// Stopped (the display gone, destructors skipped): the socket goes at once,
// and the next start is the first again.
TEST_F(SingleInstanceTest, AStoppedCopyLeavesNoSocket)
{
    const auto restore = privateRuntimeDir();
    const QString profilePath = dir.filePath(QStringLiteral("app/tsw.ini"));
    auto acceptAll = [](const QString &target, QString *) -> std::optional<QString> { return target; };
    platform::SingleInstance running(profilePath, acceptAll);
    ASSERT_EQ(running.start({}), platform::SingleInstance::Start::First);
    running.serve();
    ASSERT_TRUE(listening());
    running.stop();
    EXPECT_FALSE(listening());
    platform::SingleInstance next(profilePath, acceptAll);
    EXPECT_EQ(next.handOverEarly({QStringLiteral("x")}), platform::SingleInstance::Start::First);
    EXPECT_EQ(next.start({}), platform::SingleInstance::Start::First);
    EXPECT_TRUE(listening());
}

// A later start naming a group: the running copy finds it by the rule it
// was handed and shows it with the targets; a name it has no group for is
// answered "no such group", nothing is done, and the start ends with 1,
// naming the group.
TEST_F(SingleInstanceTest, AGroupNamedByALaterStartIsFoundOrAnsweredAsMissing)
{
    const auto restore = privateRuntimeDir();
    const QString profilePath = dir.filePath(QStringLiteral("app/tsw.ini"));
    auto acceptAll = [](const QString &target, QString *) -> std::optional<QString> { return target; };
    platform::SingleInstance running(profilePath, acceptAll);
    ASSERT_EQ(running.start({}), platform::SingleInstance::Start::First);
    running.setFindGroup([](const QString &name) -> std::optional<QString> {
        if (name.compare(QLatin1String("work"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Work");
        return std::nullopt;
    });
    QStringList heard;
    QObject::connect(&running, &platform::SingleInstance::requested,
                     [&](const QStringList &targets, const QString &, bool) { heard << QStringLiteral("plain ") + targets.join(u','); });
    QObject::connect(&running, &platform::SingleInstance::groupRequested,
                     [&](const QString &group, const QStringList &targets, const QString &token) {
                         heard << group + u' ' + targets.join(u',') + u' ' + token;
                     });
    running.serve();

    struct Later {
        platform::SingleInstance::Start start = platform::SingleInstance::Start::Failed;
        bool missing = false;
        int taken = -1;
        int status = -1;
        std::string errors;
    } nope, work;
    std::thread later([&] {
        const auto handOver = [&](Later &out, const QString &group) {
            platform::SingleInstance instance(profilePath, acceptAll);
            out.start = instance.handOverEarly({QStringLiteral("/a")}, QStringLiteral("tok"), false, group);
            out.missing = instance.groupMissing();
            out.taken = instance.taken();
            app::StartRequest request;
            request.command.group = group;
            request.command.targets = QStringList{QStringLiteral("/a")};
            testing::internal::CaptureStderr();
            out.status = app::endHandedOver(instance, request);
            out.errors = testing::internal::GetCapturedStderr();
        };
        handOver(nope, QStringLiteral("Nope"));
        handOver(work, QStringLiteral("WORK"));
    });
    // Requests are served in turn: once the second is heard, the first was
    // answered and would have been heard before it.
    const bool served = QTest::qWaitFor([&] { return !heard.isEmpty(); }, 10000);
    later.join();
    ASSERT_TRUE(served);
    EXPECT_EQ(heard, QStringList{QStringLiteral("Work /a tok")});

    EXPECT_EQ(nope.start, platform::SingleInstance::Start::HandedOver);
    EXPECT_TRUE(nope.missing);
    EXPECT_EQ(nope.taken, 0);
    EXPECT_EQ(nope.status, 1);
    EXPECT_EQ(nope.errors, "tessaflow: no group named \"Nope\"\n");

    EXPECT_EQ(work.start, platform::SingleInstance::Start::HandedOver);
    EXPECT_FALSE(work.missing);
    EXPECT_EQ(work.taken, 1);
    EXPECT_EQ(work.status, 0);
    EXPECT_EQ(work.errors, "");
}

} // namespace
