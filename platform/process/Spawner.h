#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace platform {

// One process to start, always with an argument vector, never a shell string.
struct Command {
    QString program;         // absolute path of the executable
    QStringList arguments;
    QString workingDirectory;
    // Wait for the process to end and report its exit code (the desktop's
    // opener tells failures that way); otherwise report as soon as it runs.
    bool waitForExit = false;
    bool operator==(const Command &) const = default;
};

struct SpawnResult {
    bool started = false;   // the program could be executed
    int error = 0;          // errno when it could not
    int exitCode = 0;       // with waitForExit: the process's exit code
};

// Starts processes detached, in a session of their own: they outlive the
// launcher (even a crash of it) and leave no zombie. Never blocks; the
// result arrives later on the user-interface thread.
class Spawner {
public:
    using Callback = std::function<void(const SpawnResult &)>;
    virtual ~Spawner() = default;
    virtual void spawn(const Command &command, Callback done) = 0;
};

class DetachedSpawner : public Spawner {
public:
    // Call from a thread with an event loop (the user-interface thread).
    void spawn(const Command &command, Callback done) override;

private:
    // Processes outlive the spawner: once it is gone their results are
    // still collected (no zombie) but no longer reported.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace platform
