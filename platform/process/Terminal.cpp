#include "platform/process/Terminal.h"

#include <QFileInfo>

#include <vector>

namespace platform {

namespace {

struct Known {
    const char *name;
    QStringList before;
};

// The common terminals, each with the way it takes a program and its
// arguments as separate words. x-terminal-emulator (Debian's choice) takes "-e".
const std::vector<Known> &knownTerminals()
{
    static const std::vector<Known> known = {
        {"gnome-terminal", {QStringLiteral("--")}},
        {"konsole", {QStringLiteral("-e")}},
        {"xfce4-terminal", {QStringLiteral("-x")}},
        {"mate-terminal", {QStringLiteral("-x")}},
        {"kgx", {QStringLiteral("--")}},
        {"alacritty", {QStringLiteral("-e")}},
        {"kitty", {}},
        {"foot", {}},
        {"wezterm", {QStringLiteral("start"), QStringLiteral("--")}},
        {"lxterminal", {QStringLiteral("-e")}},
        {"terminator", {QStringLiteral("-x")}},
        {"urxvt", {QStringLiteral("-e")}},
        {"xterm", {QStringLiteral("-e")}},
    };
    return known;
}

// How a terminal of this file name takes a program: "-e" when it is not
// one of the known ones.
QStringList optionFor(const QString &program)
{
    const QString name = QFileInfo(program).fileName();
    for (const Known &known : knownTerminals())
        if (name == QLatin1String(known.name))
            return known.before;
    return {QStringLiteral("-e")};
}

} // namespace

std::optional<Terminal> findTerminal(const FindExecutable &find, const QString &terminalVariable)
{
    if (const QString debian = find(QStringLiteral("x-terminal-emulator")); !debian.isEmpty())
        return Terminal{debian, {QStringLiteral("-e")}};
    // The variable names one program (a path or a name on PATH); a value
    // with arguments in it is not split, as no shell is involved.
    if (const QString chosen = terminalVariable.trimmed(); !chosen.isEmpty())
        if (const QString program = find(chosen); !program.isEmpty())
            return Terminal{program, optionFor(program)};
    for (const Known &known : knownTerminals())
        if (const QString program = find(QLatin1String(known.name)); !program.isEmpty())
            return Terminal{program, known.before};
    return std::nullopt;
}

Command inTerminal(const Terminal &terminal, const Command &command)
{
    Command wrapped{terminal.program, terminal.before, command.workingDirectory, false};
    wrapped.arguments << command.program << command.arguments;
    return wrapped;
}

} // namespace platform
