#include "config/StoredVersions.h"

#include <QCoreApplication>
#include <QHash>

#include "config/Config.h"

namespace config {

namespace {

QString keyOf(const shortcuts::Shortcut &shortcut) { return shortcut.target + u'\n' + shortcut.caption; }

// The captions of `from` with no counterpart left in `other` (as many of a
// kind as `from` has more than `other`).
QStringList beyond(const std::vector<shortcuts::Shortcut> &from, const std::vector<shortcuts::Shortcut> &other)
{
    QHash<QString, int> counts;
    for (const auto &shortcut : other)
        ++counts[keyOf(shortcut)];
    QStringList captions;
    for (const auto &shortcut : from) {
        int &left = counts[keyOf(shortcut)];
        if (left > 0)
            --left;
        else
            captions << shortcut.caption;
    }
    return captions;
}

QString names(const QStringList &captions, int most)
{
    QStringList shown = captions.mid(0, most);
    if (captions.size() > most)
        shown << QStringLiteral("\u2026");
    return shown.join(QStringLiteral(", "));
}

} // namespace

bool readVersion(const QString &versionPath, shortcuts::ListState &state, QString *error)
{
    const IniFile ini(versionPath);
    NoWindowFrame frame;
    ListLook look;
    QStringList unshown;
    std::vector<shortcuts::Shortcut> shortcuts;
    QString reason;
    Load_Config(ini, frame, look, shortcuts, unshown, &reason);
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    // Every version kept was a profile with its section: one without is
    // damaged (or no version at all), and restoring it would empty the list.
    platform::ProfileDocument doc;
    if (ini.file().load(doc) && doc.keys(kSection).isEmpty()) {
        if (error)
            //: %1 is the path of an earlier version of the profile.
            *error = QCoreApplication::translate("StoredVersions", "%1 holds no shortcuts section").arg(versionPath);
        return false;
    }
    state.shortcuts = std::move(shortcuts);
    state.groups = look.groups;
    return true;
}

VersionDifference differenceOf(const shortcuts::ListState &version, const shortcuts::ListState &now)
{
    return {beyond(version.shortcuts, now.shortcuts), beyond(now.shortcuts, version.shortcuts),
            version.groups != now.groups};
}

QString differenceText(const VersionDifference &difference, int most)
{
    QStringList parts;
    if (!difference.added.isEmpty())
        parts << QStringLiteral("+ ") + names(difference.added, most);
    if (!difference.removed.isEmpty())
        parts << QStringLiteral("\u2212 ") + names(difference.removed, most);
    if (parts.isEmpty() && difference.groupsDiffer)
        //: In the list of earlier versions: the shortcuts are the same, only the groups differ.
        parts << QCoreApplication::translate("StoredVersions", "other groups");
    return parts.join(QStringLiteral("; "));
}

} // namespace config
