#include "platform/process/Opener.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QUrl>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <system_error>

#include "platform/process/Terminal.h"
#include "platform/xdg/EntryLaunch.h"
#include "platform/xdg/PathOps.h"

namespace platform {

namespace {

const QString kTitle = QStringLiteral("Tessaflow");

QString quoted(const QString &text)
{
    //: Quotation marks around a file name, folder or address.
    return QCoreApplication::translate("Opener", "\u201C%1\u201D").arg(text);
}

std::optional<Command> desktopOpener(const QString &argument, QString *reason)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty()) {
        if (reason)
            *reason = QCoreApplication::translate("Opener", "No program to open it is installed (xdg-open is missing).");
        return std::nullopt;
    }
    return Command{program, {argument}, {}, true};
}

QString exitReason(const Command &command, int exitCode)
{
    if (QFileInfo(command.program).fileName() == QLatin1String("xdg-open")) {
        switch (exitCode) {
        case 1:
            return QCoreApplication::translate("Opener", "The desktop's opener (xdg-open) reported an error in its command line.");
        case 2:
            return QCoreApplication::translate("Opener", "The file or folder does not exist.");
        case 3:
            return QCoreApplication::translate("Opener", "No program to open it is installed.");
        case 4:
            return QCoreApplication::translate("Opener", "Opening it failed.");
        case 5:
            return QCoreApplication::translate("Opener", "You do not have permission to open it.");
        default:
            break;
        }
    }
    //: %1 is the program's file name, %2 the number it ended with.
    return QCoreApplication::translate("Opener", "%1 ended with code %2.")
        .arg(QFileInfo(command.program).fileName(), QString::number(exitCode));
}

QString failureText(const QString &target, const QString &reason)
{
    //: %1 is the quoted target, %2 the reason it could not be opened.
    return QCoreApplication::translate("Opener", "Could not open %1.\n\n%2").arg(quoted(target), reason);
}

} // namespace

std::optional<Command> DesktopOpener::commandForUri(const QString &uri, QString *reason)
{
    if (uri.isEmpty()) {
        if (reason)
            *reason = QCoreApplication::translate("Opener", "There is nothing to open.");
        return std::nullopt;
    }
    return desktopOpener(uri, reason);
}

std::optional<Command> DesktopOpener::commandFor(const QString &target, QString *reason)
{
    if (target.isEmpty()) {
        // QDir would turn "" into the current folder and open that.
        if (reason)
            *reason = QCoreApplication::translate("Opener", "There is nothing to open.");
        return std::nullopt;
    }
    // Absolute, so that no argument starts with "-" and no "name:rest" reads as a URI.
    const QString path = QDir::current().absoluteFilePath(target);
    int error = 0;
    switch (PathOps::PathPresence(path, &error)) {
    case PathOps::Presence::Missing:
        if (reason)
            *reason = QCoreApplication::translate("Opener", "The file or folder %1 does not exist.").arg(quoted(target));
        return std::nullopt;
    case PathOps::Presence::Unreachable:
        if (reason)
            //: %1 is the quoted path, %2 the system's reason.
            *reason = QCoreApplication::translate("Opener", "The file or folder %1 cannot be reached: %2.")
                          .arg(quoted(target), QString::fromStdString(std::generic_category().message(error)));
        return std::nullopt;
    case PathOps::Presence::Exists:
        break;
    }
    const QFileInfo info(path);
    if (info.isDir())
        return desktopOpener(path, reason);
    if (info.isFile()) {
        // Only gio starts the application a desktop entry describes;
        // xdg-open would merely show the entry as text.
        if (path.endsWith(QLatin1String(".desktop"))) {
            const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
            if (!gio.isEmpty())
                return Command{gio, {QStringLiteral("launch"), path}, {}, true};
            return desktopOpener(path, reason);
        }
        // Only a real program is run; a document with a stray execute bit
        // (FAT and NTFS mounts give every file one) is opened instead. An
        // execute-only file may still run: exec tells.
        if (PathOps::IsProgram(path).value_or(true))
            return Command{path, {}, {}, false};
    }
    return desktopOpener(path, reason);
}

bool DesktopOpener::opensByRunning(const QString &path)
{
    const std::optional<Command> command = commandFor(path);
    return command && !command->waitForExit && command->program == QDir::current().absoluteFilePath(path);
}

std::optional<Command> DesktopOpener::commandFor(const QString &path, const RunOptions &how, QString *reason)
{
    std::optional<Command> command = commandFor(path, reason);
    // The options belong to the program itself; a document, folder or
    // desktop entry opens as ever.
    if (!command || command->waitForExit || command->program != QDir::current().absoluteFilePath(path))
        return command;
    // Said before anything starts: the spawner could only tell "no such file".
    if (!how.workingDirectory.isEmpty() && !QFileInfo(how.workingDirectory).isDir()) {
        if (reason)
            //: %1 is the quoted folder.
            *reason = QCoreApplication::translate("Opener", "Its working folder %1 is not there.")
                          .arg(quoted(how.workingDirectory));
        return std::nullopt;
    }
    command->arguments = how.arguments;
    command->workingDirectory = how.workingDirectory;
    if (!how.terminal)
        return command;
    const auto terminal = findTerminal(
        [](const QString &name) { return QStandardPaths::findExecutable(name); },
        qEnvironmentVariable("TERMINAL"));
    if (!terminal) {
        if (reason)
            *reason = QCoreApplication::translate(
                "Opener", "It is to run in a terminal, and no terminal was found. Install one (such as xterm), or "
                          "name yours in the TERMINAL environment variable.");
        return std::nullopt;
    }
    return inTerminal(*terminal, *command);
}

void DesktopOpener::runPath(const QString &path, const RunOptions &how)
{
    QString reason;
    const std::optional<Command> command = commandFor(path, how, &reason);
    start(path, command, reason);
}

std::optional<std::vector<Command>> DesktopOpener::commandsForEntry(const QString &entryPath, const QString &actionId,
                                                                   const QStringList &targets, QString *reason,
                                                                   QString *title)
{
    const std::optional<DesktopEntry::Launch> launch =
        DesktopEntry::launchOf(entryPath, actionId, DesktopEntry::userLocale(), reason);
    if (!launch)
        return std::nullopt;
    if (title)
        *title = launch->title;
    const std::optional<std::vector<QStringList>> runs = DesktopEntry::expandExec(*launch, targets, reason);
    if (!runs)
        return std::nullopt;
    const auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    // The same terminal a shortcut set to run in one gets.
    const std::optional<Terminal> terminal =
        launch->terminal ? findTerminal([](const QString &name) { return QStandardPaths::findExecutable(name); },
                                        qEnvironmentVariable("TERMINAL"))
                         : std::nullopt;
    std::vector<Command> commands;
    for (QStringList arguments : *runs) {
        const QString name = arguments.takeFirst();
        QString program = name;
        if (!QDir::isAbsolutePath(name)) {
            // A relative path with a folder in it names nothing certain.
            program = name.contains(QLatin1Char('/')) ? QString() : QStandardPaths::findExecutable(name);
            if (program.isEmpty())
                //: %1 is the quoted name of a program.
                return refuse(QCoreApplication::translate("Opener", "The program %1 is not installed.").arg(quoted(name)));
        }
        // Waited for, so that a program that gives up at once is told.
        const Command command{program, arguments, launch->workingDirectory, true};
        commands.push_back(terminal ? inTerminal(*terminal, command) : command);
    }
    return commands;
}

void DesktopOpener::startEntry(const QString &entryPath, const QString &actionId, const QStringList &targets)
{
    QString reason, title;
    const std::optional<std::vector<Command>> commands =
        commandsForEntry(entryPath, actionId, targets, &reason, &title);
    // What the user chose to open: the file, else the action or application.
    const QString shown = !targets.isEmpty() ? targets.first() : !title.isEmpty() ? title : entryPath;
    if (!commands) {
        start(shown, std::nullopt, reason);
        return;
    }
    for (const Command &command : *commands)
        start(shown, command, reason);
}

void DesktopOpener::openPath(const QString &path)
{
    QString reason;
    const std::optional<Command> command = commandFor(path, &reason);
    start(path, command, reason);
}

void DesktopOpener::openUri(const QString &uri)
{
    QString reason;
    const std::optional<Command> command = commandForUri(uri, &reason);
    start(uri, command, reason);
}

void DesktopOpener::showInFolder(const QString &path)
{
    // The file managers of the common desktops answer this name, and select
    // the item in its folder, which opening the folder cannot do.
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_bus.isConnected()) {
        openPath(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // No startup id: the file manager's own window comes up as it would.
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call));
    std::weak_ptr<int> alive = m_alive;
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [this, alive, folder](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<> reply = *w;
        if (alive.expired() || !reply.isError())
            return;
        // Nobody there to show it (a slow one that timed out may still do):
        // the folder opens the usual way.
        if (reply.error().type() != QDBusError::Timeout && reply.error().type() != QDBusError::NoReply)
            openPath(folder);
    });
}

void DesktopOpener::start(const QString &target, const std::optional<Command> &command, const QString &reason)
{
    if (!command) {
        m_report(kTitle, failureText(target, reason));
        return;
    }
    std::weak_ptr<int> alive = m_alive;
    m_spawner.spawn(*command, [alive, report = m_report, target, command = *command](const SpawnResult &result) {
        if (alive.expired())
            return;
        if (!result.started) {
            const QString why = result.error != 0
                ? QString::fromStdString(std::generic_category().message(result.error))
                : QCoreApplication::translate("Opener", "unknown reason");
            //: %1 is the quoted program, %2 the system's reason.
            report(kTitle, failureText(target, QCoreApplication::translate("Opener", "%1 could not be started: %2.")
                                                       .arg(quoted(command.program), why)));
            return;
        }
        if (command.waitForExit && result.exitCode != 0)
            report(kTitle, failureText(target, exitReason(command, result.exitCode)));
    });
}

} // namespace platform
