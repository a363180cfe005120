#include "config/ProfileImport.h"

#include <QCoreApplication>

#include "config/Config.h"

namespace config {

shortcuts::Found readProfileToImport(const QString &path, QString *error)
{
    shortcuts::Found found;
    NoWindowFrame frame;
    ListLook look;
    QStringList unshown;
    std::vector<shortcuts::Shortcut> read;
    QString why;
    if (!Load_Config(IniFile(path), frame, look, read, unshown, &why) && !why.isEmpty()) {
        *error = why;
        return found;
    }
    found.shortcuts = std::move(read);
    for (const QString &group : std::as_const(look.groups))
        if (!group.isEmpty() && !found.groups.contains(group))
            found.groups << group;
    for (const QString &entry : std::as_const(unshown))
        found.skipped.push_back(
            {entry.left(60), QCoreApplication::translate("Importing", "an entry this version cannot read")});
    return found;
}

} // namespace config
