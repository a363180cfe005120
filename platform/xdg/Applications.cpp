#include "platform/xdg/Applications.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/xdg/DesktopEntry.h"
#include "platform/xdg/PathOps.h"

namespace platform {

namespace {

// Links may lead into a folder above; no menu is nested deeper than this.
constexpr int kMaxDepth = 8;

bool isExecutableFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st = {};
    return ::stat(name.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::access(name.constData(), X_OK) == 0;
}

class Lister {
public:
    explicit Lister(const ApplicationPlaces &places)
        : m_places(places), m_suffixes(DesktopEntry::localeSuffixes(places.locale))
    {
    }

    void walk(const QString &folder, const QString &idPrefix, int depth)
    {
        const QByteArray encoded = QFile::encodeName(folder);
        struct stat st = {};
        if (depth > kMaxDepth || ::stat(encoded.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            return;
        // A folder reached again through a link is not walked again.
        const QPair<quint64, quint64> node(quint64(st.st_dev), quint64(st.st_ino));
        if (m_walked.contains(node))
            return;
        m_walked.insert(node);
        DIR *dir = ::opendir(encoded.constData());
        if (!dir)
            return;
        struct Found {
            QString name;
            bool folder;
        };
        std::vector<Found> found;
        while (const dirent *entry = ::readdir(dir)) {
            const char *name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            bool folder = entry->d_type == DT_DIR;
            if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
                struct stat target = {};
                const QByteArray full = encoded + '/' + name;
                folder = ::stat(full.constData(), &target) == 0 && S_ISDIR(target.st_mode);
            }
            const QString decoded = QFile::decodeName(name);
            if (folder || decoded.endsWith(QLatin1String(".desktop")))
                found.push_back({decoded, folder});
        }
        ::closedir(dir);
        // The same order on every file system: which of two files named alike wins does not change.
        std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.name < b.name; });
        for (const Found &one : found) {
            const QString path = folder + QLatin1Char('/') + one.name;
            if (one.folder)
                walk(path, idPrefix + one.name + QLatin1Char('-'), depth + 1);
            else
                take(path, idPrefix + one.name);
        }
    }

    std::vector<Application> done() { return std::move(m_applications); }

private:
    void take(const QString &path, const QString &id)
    {
        if (m_ids.contains(id))
            return;
        const QHash<QString, QString> group = DesktopEntry::readGroup(path, QStringLiteral("Desktop Entry"));
        if (group.isEmpty())
            return; // not a regular file, unreadable, or no entry at all: the id stays free
        // Even a hidden entry takes its id: that is how a user hides a system one.
        m_ids.insert(id);
        if (!shown(group))
            return;
        Application app;
        app.id = id;
        app.path = path;
        app.name = DesktopEntry::localized(group, QStringLiteral("Name"), m_suffixes);
        if (app.name.isEmpty())
            return;
        app.genericName = DesktopEntry::localized(group, QStringLiteral("GenericName"), m_suffixes);
        app.comment = DesktopEntry::localized(group, QStringLiteral("Comment"), m_suffixes);
        // Typing finds an application by its keywords in either language.
        const QString keywords = QStringLiteral("Keywords");
        app.keywords = DesktopEntry::localizedList(group, keywords, m_suffixes);
        for (const QString &plain : DesktopEntry::listValue(group.value(keywords)))
            if (!app.keywords.contains(plain))
                app.keywords << plain;
        app.icon = DesktopEntry::unescaped(group.value(QStringLiteral("Icon")));
        app.mimeTypes = DesktopEntry::listValue(group.value(QStringLiteral("MimeType")));
        app.program = PathOps::GetFileName(
            DesktopEntry::execProgram(DesktopEntry::unescaped(group.value(QStringLiteral("Exec")))));
        m_applications.push_back(std::move(app));
    }

    bool shown(const QHash<QString, QString> &group)
    {
        const auto is = [&group](const char *key, const char *value) {
            return group.value(QLatin1String(key)) == QLatin1String(value);
        };
        if (!is("Type", "Application") || is("NoDisplay", "true") || is("Hidden", "true"))
            return false;
        const auto forUs = [this](const QString &list) {
            const QStringList desktops = DesktopEntry::listValue(list);
            return std::any_of(desktops.cbegin(), desktops.cend(),
                               [this](const QString &d) { return m_places.desktops.contains(d); });
        };
        const QString only = group.value(QStringLiteral("OnlyShowIn"));
        if (!only.isEmpty() && !forUs(only))
            return false;
        if (forUs(group.value(QStringLiteral("NotShowIn"))))
            return false;
        const QString tryExec = DesktopEntry::unescaped(group.value(QStringLiteral("TryExec")));
        return tryExec.isEmpty() || runnable(tryExec);
    }

    bool runnable(const QString &program)
    {
        if (program.startsWith(QLatin1Char('/')))
            return isExecutableFile(program);
        if (program.contains(QLatin1Char('/')))
            return false;
        // Many entries try the same few programs.
        const auto known = m_onPath.constFind(program);
        if (known != m_onPath.cend())
            return *known;
        const bool found = std::any_of(m_places.path.cbegin(), m_places.path.cend(), [&program](const QString &dir) {
            return !dir.isEmpty() && isExecutableFile(dir + QLatin1Char('/') + program);
        });
        m_onPath.insert(program, found);
        return found;
    }

    const ApplicationPlaces &m_places;
    const QStringList m_suffixes;
    QSet<QString> m_ids;
    QSet<QPair<quint64, quint64>> m_walked;
    QHash<QString, bool> m_onPath;
    std::vector<Application> m_applications;
};

QString homeData()
{
    const QString set = qEnvironmentVariable("XDG_DATA_HOME");
    return set.startsWith(QLatin1Char('/')) ? set : QDir::homePath() + QLatin1String("/.local/share");
}

} // namespace

ApplicationPlaces ApplicationPlaces::fromEnvironment()
{
    ApplicationPlaces places;
    places.dataDirs << homeData();
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString &dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (dir.startsWith(QLatin1Char('/'))) // relative ones are to be ignored
            places.dataDirs << dir;
    places.desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    places.path = qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    places.locale = DesktopEntry::userLocale();
    return places;
}

std::vector<Application> listApplications(const ApplicationPlaces &places)
{
    Lister lister(places);
    for (const QString &dir : places.dataDirs)
        lister.walk(QDir::cleanPath(dir) + QLatin1String("/applications"), QString(), 0);
    return lister.done();
}

} // namespace platform
