#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/process/Spawner.h"

namespace platform {

// How a target that opens by running it (a program or a script) runs: its
// arguments, each one argv entry; the folder it starts in (empty: the
// launcher's own); whether it runs in the desktop's terminal.
struct RunOptions {
    QStringList arguments;
    QString workingDirectory;
    bool terminal = false;
    bool operator==(const RunOptions &) const = default;
};

// The desktop's "open": a program starts, a document opens in its program, a
// folder in the file manager, a web address in the browser. It returns at
// once; whether the open worked is never reported to the caller. The caller
// has decided whether a target is a path or a URI; the opener never guesses.
class Opener {
public:
    virtual ~Opener() = default;
    // A file, folder or program; a relative path is taken against the
    // current folder.
    virtual void openPath(const QString &path) = 0;
    // The same, a program or script run as `how` says; any other target
    // opens as openPath() opens it, `how` unused.
    virtual void runPath(const QString &path, const RunOptions &how) = 0;
    // A URI ("https://…", "mailto:…"), handed to the desktop as it is.
    virtual void openUri(const QString &uri) = 0;
    // A file or folder (an absolute path) shown selected in its folder by
    // the desktop's file manager; the folder is opened when no file manager
    // takes the request.
    virtual void showInFolder(const QString &path) = 0;
    // Starts the application a desktop entry describes, or its action
    // `actionId` ([Desktop Action <id>]) when that is not empty, with
    // `targets` (absolute paths or URIs) where its Exec asks for them.
    virtual void startEntry(const QString &entryPath, const QString &actionId, const QStringList &targets) = 0;
};

// Opens targets the way a Linux desktop does. When that fails it hands a
// title ("Tessaflow") and a text for the user to `report`; showing them is
// the caller's part, so this room needs no widgets.
class DesktopOpener : public Opener {
public:
    using Report = std::function<void(const QString &title, const QString &text)>;
    // `bus` is the session bus, where the desktop's file manager answers.
    DesktopOpener(Spawner &spawner, Report report, QDBusConnection bus = QDBusConnection::sessionBus())
        : m_spawner(spawner), m_report(std::move(report)), m_bus(std::move(bus))
    {
    }
    void openPath(const QString &path) override;
    void runPath(const QString &path, const RunOptions &how) override;
    void openUri(const QString &uri) override;
    void showInFolder(const QString &path) override;
    void startEntry(const QString &entryPath, const QString &actionId, const QStringList &targets) override;

    // What would be started for a path or a URI; nothing, with a reason for
    // the user, when it cannot be opened at all.
    static std::optional<Command> commandFor(const QString &path, QString *reason = nullptr);
    // The same for a path run as `how` says: only a program or script takes
    // the options; a terminal is the one findTerminal() finds on PATH (and
    // in TERMINAL), nothing with a reason when there is none.
    static std::optional<Command> commandFor(const QString &path, const RunOptions &how, QString *reason = nullptr);
    // Whether a path opens by running it: a program or script that is there.
    static bool opensByRunning(const QString &path);
    static std::optional<Command> commandForUri(const QString &uri, QString *reason = nullptr);
    // What is started for startEntry(): one command per run the Exec line
    // asks for, its program found on PATH, in the entry's Path= folder, in
    // x-terminal-emulator for Terminal=true where there is one. Nothing, with
    // a reason, when it cannot start; `title` gets what the user chose (the
    // action's or the application's name) where the entry could be read.
    static std::optional<std::vector<Command>> commandsForEntry(const QString &entryPath, const QString &actionId,
                                                                const QStringList &targets, QString *reason = nullptr,
                                                                QString *title = nullptr);

private:
    void start(const QString &target, const std::optional<Command> &command, const QString &reason);

    Spawner &m_spawner;
    Report m_report;
    QDBusConnection m_bus;
    // xdg-open may run for as long as the program it started: a late result
    // must not reach an opener that no longer exists.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace platform
