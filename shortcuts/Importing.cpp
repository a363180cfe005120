#include "shortcuts/Importing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include "platform/xdg/DesktopEntry.h"

namespace shortcuts {

namespace {

QString said(const char *text) { return QCoreApplication::translate("Importing", text); }

// A shortcut to a desktop entry when it is an application's, else why not.
void takeEntry(const QString &path, const QString &name, Found &found)
{
    const QHash<QString, QString> group = platform::DesktopEntry::readGroup(path, QStringLiteral("Desktop Entry"));
    if (group.isEmpty()) {
        found.skipped.push_back({name, said(QT_TRANSLATE_NOOP("Importing", "not a readable desktop entry"))});
        return;
    }
    if (group.value(QStringLiteral("Type")) != QLatin1String("Application")) {
        found.skipped.push_back({name, said(QT_TRANSLATE_NOOP("Importing", "not an application"))});
        return;
    }
    Shortcut shortcut;
    shortcut.target = QDir::cleanPath(path);
    const auto entry = platform::DesktopEntry::read(path);
    shortcut.caption = entry && !entry->name.isEmpty() ? entry->name : QFileInfo(path).completeBaseName();
    found.shortcuts.push_back(std::move(shortcut));
}

// A desktop entry named by a path or by its file name alone.
QString entryPath(const QString &named, const QStringList &applicationFolders)
{
    QString name = named.trimmed();
    if (name.startsWith(QLatin1String("file://")))
        name = QUrl(name).toLocalFile();
    if (QDir::isAbsolutePath(name))
        return QFileInfo(name).isFile() ? QDir::cleanPath(name) : QString();
    for (const QString &folder : applicationFolders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

void takeNamed(const QString &named, const QStringList &applicationFolders, Found &found)
{
    const QString path = entryPath(named, applicationFolders);
    if (path.isEmpty())
        found.skipped.push_back({named.trimmed(), said(QT_TRANSLATE_NOOP("Importing", "not found"))});
    else
        takeEntry(path, QFileInfo(path).fileName(), found);
}

QFileInfoList sortedFiles(const QString &folder, const QStringList &patterns)
{
    return QDir(folder).entryInfoList(patterns, QDir::Files | QDir::Readable, QDir::Name);
}

QFileInfoList sortedFolders(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryInfoList({pattern}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString fileText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 4 * 1024 * 1024)
        return {};
    return QString::fromUtf8(file.readAll());
}

// xfce4-panel keeps a copy of each launcher's entry in a folder of its own;
// the installed entry of the same name is the one that stays up to date.
void readXfce(const QString &home, const QStringList &applicationFolders, Found &found)
{
    const QString panel = home + QStringLiteral("/.config/xfce4/panel");
    for (const QFileInfo &folder : sortedFolders(panel, QStringLiteral("launcher-*")))
        for (const QFileInfo &file : sortedFiles(folder.filePath(), {QStringLiteral("*.desktop")})) {
            const QString installed = entryPath(file.fileName(), applicationFolders);
            takeEntry(installed.isEmpty() ? file.filePath() : installed, file.fileName(), found);
        }
}

// Plank: one key file per dock item, "Launcher=" a file:// URI.
void readPlank(const QString &home, Found &found)
{
    for (const QFileInfo &dock : sortedFolders(home + QStringLiteral("/.config/plank"), QStringLiteral("*")))
        for (const QFileInfo &item : sortedFiles(dock.filePath() + QStringLiteral("/launchers"),
                                                 {QStringLiteral("*.dockitem")})) {
            const QString launcher = platform::DesktopEntry::readGroup(item.filePath(),
                                                                       QStringLiteral("PlankDockItemPreferences"))
                                         .value(QStringLiteral("Launcher"));
            const QString path = QUrl(launcher).toLocalFile();
            if (launcher.isEmpty() || path.isEmpty() || !QFileInfo::exists(path))
                found.skipped.push_back({item.fileName(), said(QT_TRANSLATE_NOOP("Importing", "not found"))});
            else if (path.endsWith(QLatin1String(".desktop")))
                takeEntry(path, QFileInfo(path).fileName(), found);
            else
                {
                Shortcut shortcut;
                shortcut.target = QDir::cleanPath(path);
                shortcut.caption = QFileInfo(path).fileName();
                found.shortcuts.push_back(std::move(shortcut));
            }
        }
}

// LXQt's panel.conf: "apps\N\desktop=PATH" in its quick launch sections.
void readLxqt(const QString &home, const QStringList &applicationFolders, Found &found)
{
    static const QRegularExpression app(QStringLiteral(R"(^apps\\\d+\\desktop\s*=\s*(.+)$)"),
                                        QRegularExpression::MultilineOption);
    const QString text = fileText(home + QStringLiteral("/.config/lxqt/panel.conf"));
    for (auto it = app.globalMatch(text); it.hasNext();)
        takeNamed(it.next().captured(1), applicationFolders, found);
}

// lxpanel: a launch bar's "Button { id=NAME.desktop }" in each panel file.
void readLxpanel(const QString &home, const QStringList &applicationFolders, Found &found)
{
    static const QRegularExpression id(QStringLiteral(R"(^\s*id\s*=\s*(\S.*\.desktop)\s*$)"),
                                       QRegularExpression::MultilineOption);
    for (const QFileInfo &profile : sortedFolders(home + QStringLiteral("/.config/lxpanel"), QStringLiteral("*")))
        for (const QFileInfo &panel : sortedFiles(profile.filePath() + QStringLiteral("/panels"), {}))
            for (auto it = id.globalMatch(fileText(panel.filePath())); it.hasNext();)
                takeNamed(it.next().captured(1), applicationFolders, found);
}

QString targetKey(const QString &target)
{
    return QDir::isAbsolutePath(target) ? QDir::cleanPath(target) : target;
}

QString firstFew(const QStringList &names)
{
    constexpr int kShown = 3;
    QStringList shown = names.mid(0, kShown);
    if (names.size() > kShown)
        shown << QStringLiteral("\u2026");
    return shown.join(QStringLiteral(", "));
}

} // namespace

Found readDesktopFolder(const QString &folder)
{
    Found found;
    for (const QFileInfo &file : sortedFiles(folder, {QStringLiteral("*.desktop")}))
        takeEntry(file.filePath(), file.fileName(), found);
    return found;
}

Found readDocks(const QString &home, const QStringList &applicationFolders)
{
    Found found;
    readXfce(home, applicationFolders, found);
    readPlank(home, found);
    readLxqt(home, applicationFolders, found);
    readLxpanel(home, applicationFolders, found);
    return found;
}

Imported takeIn(const ListState &current, const Found &found, const QString &addingGroup)
{
    Imported merged{current, {}, {}, found.skipped};
    QSet<QString> present;
    for (const Shortcut &shortcut : current.shortcuts)
        present.insert(targetKey(shortcut.target));
    // A group of the source is the group of the same title here, if any.
    auto groupHere = [&merged](const QString &name) {
        for (const QString &group : std::as_const(merged.state.groups))
            if (groupTitle(group).compare(groupTitle(name), Qt::CaseInsensitive) == 0)
                return group;
        merged.state.groups << name;
        return name;
    };
    for (const QString &group : found.groups)
        if (!group.isEmpty())
            groupHere(group);
    for (Shortcut shortcut : found.shortcuts) {
        const QString key = targetKey(shortcut.target);
        if (present.contains(key)) {
            merged.alreadyThere << shortcut.caption;
            continue;
        }
        present.insert(key);
        // The source's first or only group is the one shown.
        shortcut.group = shortcut.group.isEmpty() ? addingGroup : groupHere(shortcut.group);
        shortcut.left.reset();
        shortcut.top.reset();
        shortcut.shown.reset();
        merged.added << shortcut.caption;
        merged.state.shortcuts.push_back(std::move(shortcut));
    }
    return merged;
}

QString importReport(const Imported &merged)
{
    QStringList lines;
    if (merged.added.isEmpty())
        lines << said(QT_TRANSLATE_NOOP("Importing", "No shortcut was added."));
    else
        //: %1 is a list of the first few captions.
        lines << QCoreApplication::translate("Importing", "%n added: %1", nullptr, int(merged.added.size()))
                     .arg(firstFew(merged.added));
    if (!merged.alreadyThere.isEmpty())
        //: Shortcuts of the same target were there before the import. %1 is a list of captions.
        lines << QCoreApplication::translate("Importing", "%n already there: %1", nullptr,
                                             int(merged.alreadyThere.size()))
                     .arg(firstFew(merged.alreadyThere));
    if (!merged.skipped.empty()) {
        QStringList why;
        for (const Skipped &skipped : merged.skipped)
            //: A name and why it was not imported, as in "mail.desktop (not an application)".
            why << QCoreApplication::translate("Importing", "%1 (%2)").arg(skipped.name, skipped.why);
        //: %1 is a list of names, each with its reason.
        lines << QCoreApplication::translate("Importing", "%n skipped: %1", nullptr, int(merged.skipped.size()))
                     .arg(firstFew(why));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace shortcuts
