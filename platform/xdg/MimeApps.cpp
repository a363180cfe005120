#include "platform/xdg/MimeApps.h"

#include <QCollator>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>

#include "platform/xdg/DesktopEntry.h"

namespace platform::MimeApps {

namespace {

// $XDG_DATA_HOME, then $XDG_DATA_DIRS.
QStringList dataDirs() { return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation); }

QStringList listedIn(const DesktopEntry::KeyFile &file, const char *group, const QString &type)
{
    QStringList ids;
    for (const QString &id : file.value(QLatin1String(group)).value(type).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        ids << id.trimmed();
    return ids;
}

} // namespace

QStringList listFiles()
{
    QStringList desktops;
    for (const QString &name :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        desktops << name.toLower();

    // $XDG_CONFIG_HOME, then $XDG_CONFIG_DIRS.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString &data : dataDirs())
        folders << data + QStringLiteral("/applications");

    QStringList files;
    for (const QString &folder : std::as_const(folders)) {
        for (const QString &desktop : std::as_const(desktops))
            files << folder + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
        files << folder + QStringLiteral("/mimeapps.list");
    }
    return files;
}

QString installedEntry(const QString &id)
{
    if (!id.endsWith(QLatin1String(".desktop")) || id.contains(QLatin1Char('/')))
        return {};
    for (const QString &data : dataDirs()) {
        const QString folder = data + QStringLiteral("/applications/");
        if (QFileInfo(folder + id).isFile())
            return folder + id;
        const QString nested = QString(id).replace(QLatin1Char('-'), QLatin1Char('/'));
        if (nested != id && QFileInfo(folder + nested).isFile())
            return folder + nested;
    }
    return {};
}

QStringList typesOfFile(const QString &path)
{
    const QMimeDatabase mimes;
    const QMimeType own = mimes.mimeTypeForFile(path);
    if (!own.isValid())
        return {};
    QStringList types;
    const auto add = [&types](const QMimeType &type) {
        for (const QString &name : QStringList{type.name()} + type.aliases())
            if (!types.contains(name))
                types << name;
    };
    add(own);
    for (const QString &parent : own.allAncestors())
        if (parent != QLatin1String("application/octet-stream"))
            add(mimes.mimeTypeForName(parent));
    return types;
}

std::vector<Application> applicationsFor(const QStringList &types, const std::vector<Application> &installed,
                                         const QStringList &lists)
{
    std::vector<DesktopEntry::KeyFile> files;
    for (const QString &path : lists)
        files.push_back(DesktopEntry::readKeyFile(path));
    QHash<QString, int> byId;
    for (int i = 0; i < int(installed.size()); ++i)
        byId.insert(installed[size_t(i)].id, i);

    std::vector<int> order;
    std::vector<bool> taken(installed.size(), false);
    const auto take = [&](int i) {
        if (!taken[size_t(i)]) {
            taken[size_t(i)] = true;
            order.push_back(i);
        }
    };
    // Per type, walking the lists most important first: what each takes
    // away holds for the lists below it.
    QHash<QString, QSet<QString>> removedFor;
    bool haveDefault = false;
    for (const QString &type : types) {
        QSet<QString> removed;
        for (const DesktopEntry::KeyFile &file : files) {
            for (const QString &id : listedIn(file, "Default Applications", type)) {
                if (!haveDefault && !removed.contains(id) && byId.contains(id)) {
                    take(byId.value(id));
                    haveDefault = true;
                }
            }
            for (const QString &id : listedIn(file, "Removed Associations", type))
                removed.insert(id);
        }
    }
    for (const QString &type : types) {
        QSet<QString> removed;
        for (const DesktopEntry::KeyFile &file : files) {
            for (const QString &id : listedIn(file, "Added Associations", type))
                if (!removed.contains(id) && byId.contains(id))
                    take(byId.value(id));
            for (const QString &id : listedIn(file, "Removed Associations", type))
                removed.insert(id);
        }
        removedFor.insert(type, removed);
    }
    const QSet<QString> wanted(types.cbegin(), types.cend());
    std::vector<int> declared;
    for (int i = 0; i < int(installed.size()); ++i) {
        if (taken[size_t(i)])
            continue;
        const Application &app = installed[size_t(i)];
        for (const QString &type : app.mimeTypes) {
            if (wanted.contains(type) && !removedFor.value(type).contains(app.id)) {
                declared.push_back(i);
                break;
            }
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(declared.begin(), declared.end(), [&](int a, int b) {
        return collator.compare(installed[size_t(a)].name, installed[size_t(b)].name) < 0;
    });
    std::vector<Application> offered;
    offered.reserve(order.size() + declared.size());
    for (int i : order)
        offered.push_back(installed[size_t(i)]);
    for (int i : declared)
        offered.push_back(installed[size_t(i)]);
    return offered;
}

} // namespace platform::MimeApps
