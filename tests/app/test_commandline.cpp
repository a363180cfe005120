// The command line: options, and the shortcuts it names.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>
#include <gtest/gtest.h>

#include <cstring>

#include "app/CommandLine.h"
#include "app/Resources.h"
#include "support/QtPrinters.h"

namespace {

TEST(CommandLine, OptionsEndTheProgramWithTheirStatus)
{
    const struct {
        QStringList arguments;
        std::optional<int> status;
        const char *output, *firstErrorLine;
    } rows[] = {
        {{"tessaflow", "--help"}, 0, "Usage: tessaflow [options] [PATH|URL...]", ""},
        {{"/opt/t/tessaflow", "-h"}, 0, "Usage: tessaflow [options] [PATH|URL...]", ""},
        {{"tessaflow", "--version"}, 0, "Tessaflow 1.1.0", ""},
        {{"tessaflow", "--bogus"}, 2, "", "tessaflow: Unknown option 'bogus'."},
        {{"tessaflow", "--minimized"}, std::nullopt, "", ""},
        {{"tessaflow"}, std::nullopt, "", ""},
    };
    for (const auto &row : rows) {
        const app::CommandLine command = app::parseCommandLine(row.arguments, QDir::tempPath());
        const QString context = row.arguments.join(QLatin1Char(' '));
        SCOPED_TRACE(context.toStdString());
        EXPECT_EQ(command.exitStatus, row.status);
        EXPECT_EQ(command.output.section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(row.output));
        EXPECT_EQ(command.errors.section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(row.firstErrorLine));
        EXPECT_TRUE(command.targets.isEmpty());
    }
    EXPECT_TRUE(app::parseCommandLine({"tessaflow", "--bogus"}, QDir::tempPath()).errors.contains("Usage:"));
    EXPECT_TRUE(app::parseCommandLine({"tessaflow", "--minimized"}, QDir::tempPath()).minimized);
}

TEST(CommandLine, PathsAndUrisBecomeTargetsInOrderAndMissingPathsAreReported)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("Games"));
    QFile(dir.filePath(QStringLiteral("a b.txt"))).open(QIODevice::WriteOnly);
    const QString file = dir.filePath(QStringLiteral("a b.txt"));

    const app::CommandLine command = app::parseCommandLine(
        {"tessaflow", "a b.txt", "missing.txt", "mailto:me@example.org", "HTTPS://example.org/x",
         QUrl::fromLocalFile(dir.filePath(QStringLiteral("Games"))).toString(), "www.example.net", "--",
         "./Games/../a b.txt"},
        dir.path());
    EXPECT_EQ(command.exitStatus, std::nullopt);
    EXPECT_EQ(command.targets, (QStringList{file, "mailto:me@example.org", "HTTPS://example.org/x",
                                            dir.filePath(QStringLiteral("Games")), "http://www.example.net", file}));
    EXPECT_EQ(command.errors, QStringLiteral("tessaflow: not found, not added: missing.txt\n"));

    const app::CommandLine nothing =
        app::parseCommandLine({"tessaflow", "missing.txt", "file:///no/such/file"}, dir.path());
    EXPECT_EQ(nothing.exitStatus, 1);
    EXPECT_EQ(nothing.errors.count(QStringLiteral("not found")), 2);
}

// --group takes the next argument as the name (spaces, a leading dash
// after "=", any case kept as typed); the paths after it are still targets,
// and --help tells of the option.
TEST(CommandLine, GroupTakesItsNameAndLeavesThePathsAsTargets)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    const struct {
        QStringList arguments;
        std::optional<QString> group;
        QStringList targets;
    } rows[] = {
        {{"tessaflow", "--group", "Work"}, QStringLiteral("Work"), {}},
        {{"tessaflow", "--group", "my work", "a.txt", "www.example.net"}, QStringLiteral("my work"),
         {file, "http://www.example.net"}},
        {{"tessaflow", "a.txt", "--group=-odd"}, QStringLiteral("-odd"), {file}},
        {{"tessaflow", "--group", ""}, QString(), {}},
        {{"tessaflow", "a.txt"}, std::nullopt, {file}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const app::CommandLine command = app::parseCommandLine(row.arguments, dir.path());
        EXPECT_EQ(command.exitStatus, std::nullopt) << command.errors.toStdString();
        EXPECT_EQ(command.group, row.group);
        EXPECT_EQ(command.targets, row.targets);
    }
    // No name at all: a mistake, said with the usage.
    const app::CommandLine missing = app::parseCommandLine({"tessaflow", "--group"}, dir.path());
    EXPECT_EQ(missing.exitStatus, 2);
    EXPECT_TRUE(missing.errors.startsWith(QStringLiteral("tessaflow: Missing value after '--group'."))) << missing.errors.toStdString();
    EXPECT_TRUE(missing.errors.contains(QStringLiteral("Usage:")));
    const QString help = app::parseCommandLine({"tessaflow", "--help"}, dir.path()).output;
    EXPECT_TRUE(help.contains(QStringLiteral("--group <NAME>"))) << help.toStdString();
    EXPECT_EQ(app::noSuchGroupText(QStringLiteral("Nope")), QStringLiteral("no group named \"Nope\""));
}

TEST(CommandLine, TargetsHandedOverAreCheckedWithoutTheSendersWorkingFolder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a b.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    const struct {
        QString handed, target; // a null target: refused, and why
        const char *refusal;
    } rows[] = {
        {QUrl::fromLocalFile(file).toString(), file, ""},
        {QStringLiteral("www.example.net"), QStringLiteral("http://www.example.net"), ""},
        {QString(), QString(), "an empty or broken name, not added"},
        {QStringLiteral("a b.txt"), QString(), "not an absolute path, not added: a b.txt"},
        {file + QStringLiteral(".gone"), QString(), "not found, not added: "},
    };
    for (const auto &row : rows) {
        QString refusal;
        EXPECT_EQ(app::handedOverTarget(row.handed, &refusal).value_or(QString()), row.target);
        EXPECT_EQ(refusal.left(int(std::strlen(row.refusal))), QLatin1String(row.refusal));
    }
}

} // namespace

#include "platform/ipc/InstanceSocket.h"

namespace {

TEST(CommandLine, ToggleAndTheActivationTokenReachTheRunningCopy)
{
    const app::CommandLine command =
        app::parseCommandLine({QStringLiteral("tessaflow"), QStringLiteral("--toggle")}, QDir::tempPath());
    EXPECT_FALSE(command.exitStatus);
    EXPECT_TRUE(command.toggle);
    EXPECT_TRUE(command.targets.isEmpty());

    using platform::InstanceSocket::decodeRequest;
    using platform::InstanceSocket::encodeRequest;
    const struct {
        QStringList targets;
        QString token;
        bool toggle;
        QString tokenRead;
    } rows[] = {
        {{}, QStringLiteral("abc_TIME42"), true, QStringLiteral("abc_TIME42")},
        {{QStringLiteral("/a b"), QStringLiteral("http://x")}, {}, false, {}},
        {{QStringLiteral("/a")}, QStringLiteral("two words"), false, {}},          // not a token: left out
        {{}, QString(600, QLatin1Char('t')), true, {}},                            // far too long for one
    };
    for (const auto &row : rows) {
        QStringList targets;
        QString token;
        bool toggle = !row.toggle;
        decodeRequest(encodeRequest(row.targets, row.token, row.toggle), &targets, &token, &toggle);
        EXPECT_EQ(targets, row.targets);
        EXPECT_EQ(token, row.tokenRead);
        EXPECT_EQ(toggle, row.toggle);
    }
    // A group asked for travels beside the targets, and is never one of
    // them for a copy that does not read it (an older one).
    for (const std::optional<QString> &group : {std::optional<QString>(), std::optional<QString>(QString()),
                                                std::optional<QString>(QStringLiteral("a=b \u0001c"))}) {
        const QStringList request =
            encodeRequest({QStringLiteral("/a")}, QStringLiteral("tok"), false, group);
        QStringList targets;
        QString token;
        bool toggle = true;
        std::optional<QString> read = QStringLiteral("stale");
        decodeRequest(request, &targets, &token, &toggle, &read);
        EXPECT_EQ(read, group);
        EXPECT_EQ(targets, QStringList{QStringLiteral("/a")});
        EXPECT_EQ(token, QStringLiteral("tok"));
        decodeRequest(request, &targets, &token, &toggle);
        EXPECT_EQ(targets, QStringList{QStringLiteral("/a")});
    }
    // What an older start sends is all targets; a marked entry is never one.
    QStringList targets;
    QString token;
    bool toggle = true;
    decodeRequest({QStringLiteral("/x"), QStringLiteral("\u0001other")}, &targets, &token, &toggle);
    EXPECT_EQ(targets, QStringList{QStringLiteral("/x")});
    EXPECT_FALSE(toggle);
}

TEST(CommandLine, ImportsAreAbsoluteTravelWithARequestAndComeBackAsReports)
{
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("marks.html"))).open(QIODevice::WriteOnly);
    const app::CommandLine command = app::parseCommandLine(
        {"tessaflow", "--import", "marks.html", "--import", "gone.ini"}, dir.path());
    EXPECT_EQ(command.exitStatus, std::nullopt);
    EXPECT_EQ(command.imports, QStringList{dir.filePath(QStringLiteral("marks.html"))});
    EXPECT_TRUE(command.targets.isEmpty());
    EXPECT_TRUE(command.errors.contains(QStringLiteral("not found, not imported: gone.ini"))) << qPrintable(command.errors);
    // Nothing to import and nothing else to do: a failure.
    EXPECT_EQ(app::parseCommandLine({"tessaflow", "--import", "gone.ini"}, dir.path()).exitStatus, 1);

    namespace socket = platform::InstanceSocket;
    const QStringList request =
        socket::encodeRequest({QStringLiteral("/a")}, {}, false) + socket::importEntries(command.imports);
    QStringList targets;
    QString token;
    bool toggle = false;
    socket::decodeRequest(request, &targets, &token, &toggle);
    EXPECT_EQ(targets, QStringList{QStringLiteral("/a")}); // an import is never a target
    EXPECT_EQ(socket::decodeImports(request), command.imports);
    QString report;
    EXPECT_TRUE(socket::isReport(socket::reportEntry(QStringLiteral("2 added")), &report));
    EXPECT_EQ(report, QStringLiteral("2 added"));
    EXPECT_FALSE(socket::isReport(QStringLiteral("not found, not added: /x"), &report));
}

TEST(CommandLine, HelpAndMistakesAreWrittenInTheUsersLanguage)
{
    app::initResources();
    QTranslator own, qt;
    ASSERT_TRUE(own.load(QStringLiteral(":/i18n/tessaflow_de.qm")));
    QCoreApplication::installTranslator(&own);
    const bool qtToo = qt.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtToo)
        QCoreApplication::installTranslator(&qt);

    const app::CommandLine help = app::parseCommandLine({"/opt/t/tessaflow", "--help"}, QDir::tempPath());
    EXPECT_TRUE(help.output.contains(QStringLiteral("Ein Starter f\u00FCr Dateien"))) << help.output.toStdString();
    EXPECT_TRUE(help.output.contains(QStringLiteral("Versteckt im Infobereich starten"))) << help.output.toStdString();
    EXPECT_FALSE(help.output.contains(QStringLiteral("Start hidden"))) << help.output.toStdString();
    if (qtToo) // Qt's own lines too, the program named as it was started
        EXPECT_TRUE(help.output.startsWith(QStringLiteral("Aufruf: tessaflow "))) << help.output.toStdString();

    QTemporaryDir dir;
    const app::CommandLine missing = app::parseCommandLine({"tessaflow", "weg.txt"}, dir.path());
    EXPECT_EQ(missing.errors, QStringLiteral("tessaflow: nicht gefunden, nicht hinzugef\u00FCgt: weg.txt\n"));
    const app::CommandLine bogus = app::parseCommandLine({"tessaflow", "--bogus"}, dir.path());
    EXPECT_EQ(bogus.exitStatus, 2);
    EXPECT_TRUE(bogus.errors.contains(QStringLiteral("Versteckt im Infobereich starten")));
    if (qtToo)
        EXPECT_FALSE(bogus.errors.contains(QStringLiteral("Unknown option"))) << bogus.errors.toStdString();

    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&own);
}

} // namespace
