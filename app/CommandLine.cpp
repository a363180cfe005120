#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Version.h"
#include "shortcuts/Targets.h"

namespace app {

namespace {

QString versionText()
{
    return QStringLiteral("%1 %2.%3.%4\n")
        .arg(QLatin1String(version::kProductName))
        .arg(version::kVersionMajor)
        .arg(version::kVersionMinor)
        .arg(version::kVersionRevision);
}

// The parser names the program after the running application (or a
// stand-in when there is none): the usage line gets the name it was started
// as, in whatever language the line is written.
QString helpText(const QCommandLineParser &parser, const QStringList &arguments)
{
    QString text = parser.helpText();
    const QString program =
        arguments.isEmpty() ? QStringLiteral("tessaflow") : QFileInfo(arguments.first()).fileName();
    const QString named = QCoreApplication::instance() && !QCoreApplication::arguments().isEmpty()
                              ? QCoreApplication::arguments().constFirst()
                              : QStringLiteral("<executable_name>");
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    const qsizetype at = text.indexOf(named);
    if (!named.isEmpty() && at >= 0 && (lineEnd < 0 || at < lineEnd))
        text.replace(at, named.size(), program);
    return text;
}

} // namespace

std::optional<QString> commandLineTarget(const QString &argument, const QString &workingDir)
{
    const shortcuts::Target target = shortcuts::readTarget(argument, shortcuts::Source::CommandLine, workingDir);
    if (target.isLink() || target.present())
        return target.text;
    return std::nullopt;
}

std::optional<QString> handedOverTarget(const QString &target, QString *refusal)
{
    auto refuse = [refusal](const QString &why) {
        *refusal = why;
        return std::nullopt;
    };
    if (target.isEmpty() || target.contains(QChar(0)))
        return refuse(QCoreApplication::translate("CommandLine", "an empty or broken name, not added"));
    const shortcuts::Target read = shortcuts::readTarget(target, shortcuts::Source::HandOver);
    if (read.kind == shortcuts::Target::Kind::Nothing)
        return refuse(QCoreApplication::translate("CommandLine", "not an absolute path, not added: %1").arg(target));
    if (read.isLink() || read.present())
        return read.text;
    return refuse(QCoreApplication::translate("CommandLine", "not found, not added: %1").arg(target));
}

QString noSuchGroupText(const QString &name)
{
    //: Said when the command line's --group names no group; %1 is the name given.
    return QCoreApplication::translate("CommandLine", "no group named \"%1\"").arg(name);
}

CommandLine parseCommandLine(const QStringList &arguments, const QString &workingDir)
{
    // Marked for lupdate, translated when read.
    const auto said = [](const char *text) { return QCoreApplication::translate("CommandLine", text); };
    QCommandLineParser parser;
    parser.setApplicationDescription(
        said(QT_TRANSLATE_NOOP("CommandLine", "A launcher for files, folders and web addresses. Each PATH or URL given "
                                              "is added as a shortcut, in the copy already running if there is one.")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption minimized(
        QStringLiteral("minimized"),
        said(QT_TRANSLATE_NOOP("CommandLine", "Start hidden in the tray, when there is one.")));
    parser.addOption(minimized);
    const QCommandLineOption toggle(
        QStringLiteral("toggle"),
        said(QT_TRANSLATE_NOOP("CommandLine",
                             "Show the running copy, or hide it when it is the active window, as the show/hide key "
                             "does (bind this to a key in the desktop's keyboard settings). Starts Tessaflow when "
                             "none runs.")));
    parser.addOption(toggle);
    const QCommandLineOption group(
        QStringLiteral("group"),
        said(QT_TRANSLATE_NOOP("CommandLine",
                             "Show the group of shortcuts named NAME (as its tab shows it), in the running copy if "
                             "there is one; the PATHs and URLs given are added to that group.")),
        //: The value of --group in the help text.
        said(QT_TRANSLATE_NOOP("CommandLine", "NAME")));
    parser.addOption(group);
    const QCommandLineOption importOption(
        QStringLiteral("import"),
        said(QT_TRANSLATE_NOOP("CommandLine",
                               "Import the shortcuts of another profile file, a browser's bookmarks file (HTML) or a "
                               "folder of desktop entries, in the copy already running if there is one; what was "
                               "added is printed.")),
        //: The value of --import in the help text.
        said(QT_TRANSLATE_NOOP("CommandLine", "PATH")));
    parser.addOption(importOption);
    parser.addPositionalArgument(
        QStringLiteral("targets"),
        said(QT_TRANSLATE_NOOP("CommandLine", "Files, folders or web addresses to add as shortcuts.")),
        //: The arguments in the usage line.
        said(QT_TRANSLATE_NOOP("CommandLine", "[PATH|URL...]")));

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.errors = QStringLiteral("tessaflow: %1\n").arg(parser.errorText()) + helpText(parser, arguments);
        result.exitStatus = 2;
        return result;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.output = helpText(parser, arguments);
        result.exitStatus = 0;
        return result;
    }
    if (parser.isSet(version)) {
        result.output = versionText();
        result.exitStatus = 0;
        return result;
    }
    result.minimized = parser.isSet(minimized);
    result.toggle = parser.isSet(toggle);
    if (parser.isSet(group))
        result.group = parser.value(group);
    for (const QString &path : parser.values(importOption)) {
        const QFileInfo file(QDir(workingDir), path);
        if (file.exists())
            result.imports << file.absoluteFilePath();
        else
            result.errors += QStringLiteral("tessaflow: %1\n")
                                 .arg(said(QT_TRANSLATE_NOOP("CommandLine", "not found, not imported: %1")).arg(path));
    }
    const QStringList given = parser.positionalArguments();
    for (const QString &argument : given) {
        if (const auto target = commandLineTarget(argument, workingDir))
            result.targets << *target;
        else
            result.errors += QStringLiteral("tessaflow: %1\n")
                                 .arg(said(QT_TRANSLATE_NOOP("CommandLine", "not found, not added: %1")).arg(argument));
    }
    if (!given.isEmpty() && result.targets.isEmpty() && result.imports.isEmpty())
        result.exitStatus = 1;
    if (parser.isSet(importOption) && result.imports.isEmpty() && result.targets.isEmpty())
        result.exitStatus = 1;
    return result;
}

} // namespace app
