#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "platform/process/Spawner.h"

namespace platform {

// The desktop's terminal, and how each one is told the program to run in
// it: the command line after the terminal's own option, as separate
// arguments, never as a shell string.
struct Terminal {
    QString program;  // absolute path
    // What goes between the terminal and the program ("-e", "--", "-x"; may
    // be empty or two words).
    QStringList before;
};

// Finds an executable by name on PATH (absolute names as they are); empty
// when there is none.
using FindExecutable = std::function<QString(const QString &name)>;

// The desktop's terminal: x-terminal-emulator on PATH, else the one the
// TERMINAL variable names (`terminalVariable`), else the first known one on
// PATH (gnome-terminal, konsole, xfce4-terminal, ...). Nothing when there is
// none.
std::optional<Terminal> findTerminal(const FindExecutable &find, const QString &terminalVariable);

// `command` run in `terminal`: the terminal starts in the command's folder
// and runs its program with its arguments.
Command inTerminal(const Terminal &terminal, const Command &command);

} // namespace platform
