#include "platform/xdg/EntryLaunch.h"

#include <QCoreApplication>
#include <QSet>
#include <QUrl>
#include <algorithm>

namespace platform::DesktopEntry {

namespace {

const QString kEntryGroup = QStringLiteral("Desktop Entry");

std::nullopt_t refuse(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return std::nullopt;
}

// A piece of one Exec argument: plain text, or a field code to fill in.
struct Piece {
    QChar code; // null for text
    QString text;
};
using Word = std::vector<Piece>;

bool isCode(const Word &word, const char *codes)
{
    for (const Piece &piece : word)
        if (!piece.code.isNull() && QLatin1String(codes).contains(piece.code))
            return true;
    return false;
}

bool standsAlone(const Word &word) { return word.size() == 1 && !word.front().code.isNull(); }

// Exec split into arguments as the quoting rules have it (double quotes,
// with \" \` \$ \\ inside), "%%" as "%" and the field codes marked. Field
// codes are read inside quotes too, as "%%" is.
std::optional<std::vector<Word>> split(const QString &exec, QString *why)
{
    static const QString known = QStringLiteral("fFuUickdDnNvm");
    std::vector<Word> words;
    Word current;
    bool any = false, inQuotes = false;
    const auto addText = [&current](QChar c) {
        if (current.empty() || !current.back().code.isNull())
            current.push_back({QChar(), QString()});
        current.back().text += c;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == u'%') {
            const QChar code = i + 1 < exec.size() ? exec[++i] : QChar();
            if (code == u'%')
                addText(code);
            else if (!code.isNull() && known.contains(code))
                current.push_back({code, QString()});
            else
                //: %1 is what follows a "%" in the program's command, such as "%z".
                return refuse(why, QCoreApplication::translate("DesktopEntry",
                                                               "The desktop entry's command holds %1, which is no field code.")
                                       .arg(code.isNull() ? QStringLiteral("%") : QLatin1Char('%') + QString(code)));
            any = true;
        } else if (inQuotes) {
            if (c == u'\\' && i + 1 < exec.size())
                addText(exec[++i]);
            else if (c == u'"')
                inQuotes = false;
            else
                addText(c);
        } else if (c == u'"') {
            inQuotes = any = true;
        } else if (c == u' ' || c == u'\t') {
            if (any)
                words.push_back(std::move(current));
            current.clear();
            any = false;
        } else {
            addText(c);
            any = true;
        }
    }
    if (inQuotes)
        return refuse(why, QCoreApplication::translate("DesktopEntry",
                                                       "The desktop entry's command has a quote that is not closed."));
    if (any)
        words.push_back(std::move(current));
    return words;
}

// A target as a local path, empty when it is a link to elsewhere.
QString localPath(const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target;
    const QUrl url(target);
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

QString uriOf(const QString &target)
{
    return target.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded) : target;
}

} // namespace

std::vector<Action> actions(const KeyFile &file, const QStringList &suffixes)
{
    std::vector<Action> found;
    const auto entry = file.constFind(kEntryGroup);
    if (entry == file.cend())
        return found;
    QSet<QString> seen;
    for (const QString &id : listValue(entry->value(QStringLiteral("Actions")))) {
        if (seen.contains(id))
            continue;
        seen.insert(id);
        const auto group = file.constFind(QStringLiteral("Desktop Action ") + id);
        if (group == file.cend())
            continue;
        Action action{id, localized(*group, QStringLiteral("Name"), suffixes),
                      unescaped(group->value(QStringLiteral("Icon"))), unescaped(group->value(QStringLiteral("Exec")))};
        if (!action.name.isEmpty() && !action.exec.trimmed().isEmpty())
            found.push_back(std::move(action));
    }
    return found;
}

std::vector<Action> readActions(const QString &path, const QString &locale)
{
    const KeyFile file = readKeyFile(path);
    if (file.value(kEntryGroup).value(QStringLiteral("Type")) != QLatin1String("Application"))
        return {};
    return actions(file, localeSuffixes(locale));
}

std::optional<Launch> launchOf(const QString &path, const QString &actionId, const QString &locale, QString *why)
{
    const KeyFile file = readKeyFile(path);
    const auto entry = file.constFind(kEntryGroup);
    if (entry == file.cend())
        return refuse(why, QCoreApplication::translate("DesktopEntry", "The desktop entry could not be read."));
    if (entry->value(QStringLiteral("Type")) != QLatin1String("Application"))
        return refuse(why, QCoreApplication::translate("DesktopEntry", "The desktop entry is not an application."));
    const QStringList suffixes = localeSuffixes(locale);
    Launch launch;
    launch.name = localized(*entry, QStringLiteral("Name"), suffixes);
    launch.icon = unescaped(entry->value(QStringLiteral("Icon")));
    launch.entryPath = path;
    launch.workingDirectory = unescaped(entry->value(QStringLiteral("Path")));
    launch.terminal = entry->value(QStringLiteral("Terminal")) == QLatin1String("true");
    if (actionId.isEmpty()) {
        launch.exec = unescaped(entry->value(QStringLiteral("Exec")));
        launch.title = launch.name;
    } else {
        const std::vector<Action> all = actions(file, suffixes);
        const auto found = std::find_if(all.cbegin(), all.cend(), [&](const Action &a) { return a.id == actionId; });
        if (found == all.cend())
            //: %1 is the action's id as the desktop entry names it.
            return refuse(why, QCoreApplication::translate("DesktopEntry", "The desktop entry has no action %1.")
                                   .arg(actionId));
        launch.exec = found->exec;
        launch.title = found->name;
    }
    if (launch.exec.trimmed().isEmpty())
        return refuse(why, QCoreApplication::translate("DesktopEntry", "The desktop entry names no program to start."));
    return launch;
}

std::optional<std::vector<QStringList>> expandExec(const Launch &launch, const QStringList &targets, QString *why)
{
    const std::optional<std::vector<Word>> words = split(launch.exec, why);
    if (!words)
        return std::nullopt;
    // The program comes first, as written: a file name in its place is no program.
    if (words->empty() || isCode(words->front(), "fFuUickdDnNvm"))
        return refuse(why, QCoreApplication::translate("DesktopEntry", "The desktop entry names no program to start."));
    bool many = false, one = false, files = false;
    for (const Word &word : *words) {
        if (!standsAlone(word)) {
            for (const Piece &piece : word)
                if (piece.code == u'F' || piece.code == u'U' || piece.code == u'i')
                    //: %1 is a field code such as "%F".
                    return refuse(why, QCoreApplication::translate("DesktopEntry",
                                                                   "In the desktop entry's command, %1 must stand as "
                                                                   "an argument of its own.")
                                           .arg(QLatin1Char('%') + piece.code));
        }
        many = many || isCode(word, "FU");
        one = one || isCode(word, "fu");
        files = files || isCode(word, "fF");
    }
    if (files) {
        for (const QString &target : targets)
            if (localPath(target).isEmpty())
                //: %1 is a web address or other link.
                return refuse(why, QCoreApplication::translate("DesktopEntry", "The program opens only files, and %1 is not one.")
                                       .arg(target));
    }
    std::vector<QStringList> runs;
    const auto run = [&](const QStringList &given) {
        QStringList argv;
        for (const Word &word : *words) {
            if (standsAlone(word)) {
                switch (word.front().code.unicode()) {
                case u'f': if (!given.isEmpty()) argv << localPath(given.first()); break;
                case u'u': if (!given.isEmpty()) argv << uriOf(given.first()); break;
                case u'F': for (const QString &t : given) argv << localPath(t); break;
                case u'U': for (const QString &t : given) argv << uriOf(t); break;
                case u'i': if (!launch.icon.isEmpty()) argv << QStringLiteral("--icon") << launch.icon; break;
                case u'c': if (!launch.name.isEmpty()) argv << launch.name; break;
                case u'k': if (!launch.entryPath.isEmpty()) argv << launch.entryPath; break;
                default: break; // the deprecated ones give nothing
                }
                continue;
            }
            QString argument;
            for (const Piece &piece : word) {
                switch (piece.code.unicode()) {
                case 0: argument += piece.text; break;
                case u'f': argument += given.isEmpty() ? QString() : localPath(given.first()); break;
                case u'u': argument += given.isEmpty() ? QString() : uriOf(given.first()); break;
                case u'c': argument += launch.name; break;
                case u'k': argument += launch.entryPath; break;
                default: break;
                }
            }
            argv << argument;
        }
        runs.push_back(argv);
    };
    if (one && !many && targets.size() > 1) {
        // A program that takes one file at a time is started for each.
        for (const QString &target : targets)
            run({target});
    } else {
        run(targets);
    }
    if (runs.front().value(0).isEmpty())
        return refuse(why, QCoreApplication::translate("DesktopEntry", "The desktop entry names no program to start."));
    return runs;
}

} // namespace platform::DesktopEntry
