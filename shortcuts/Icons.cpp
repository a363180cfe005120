#include "shortcuts/Icons.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/xdg/PathOps.h"
#include "platform/xdg/SchemeHandlers.h"
#include "platform/icons/IconPictures.h"
#include "shortcuts/Targets.h"

namespace shortcuts {

namespace {

const QString kUri = QStringLiteral("uri:");
const QString kFolder = QStringLiteral("folder:");
const QString kDesktop = QStringLiteral("desktop:");
const QString kProgram = QStringLiteral("program:");
const QString kMissing = QStringLiteral("missing:");
const QString kOwn = QStringLiteral("own:");

using platform::IconPictures::firstThemed;

// The user's own folders (home, Desktop, Documents, ...) by absolute path,
// with the theme icon each has.
QHash<QString, QString> userFolders()
{
    QHash<QString, QString> folders;
    const std::pair<QStandardPaths::StandardLocation, const char *> known[] = {
        {QStandardPaths::DesktopLocation, "user-desktop"},     {QStandardPaths::DocumentsLocation, "folder-documents"},
        {QStandardPaths::DownloadLocation, "folder-download"}, {QStandardPaths::MusicLocation, "folder-music"},
        {QStandardPaths::PicturesLocation, "folder-pictures"}, {QStandardPaths::MoviesLocation, "folder-videos"},
        // Last, so a user folder set to the home folder itself shows as home.
        {QStandardPaths::HomeLocation, "user-home"},
    };
    for (const auto &[location, icon] : known) {
        const QString path = QStandardPaths::writableLocation(location);
        if (!path.isEmpty())
            folders.insert(QDir::cleanPath(path), QLatin1String(icon));
    }
    return folders;
}

} // namespace

QString Icons::keyFor(const QString &target)
{
    using namespace platform;
    const Target read = readTarget(target, Source::Stored);
    if (read.isLink())
        return kUri + read.scheme();
    const QString path = read.text.isEmpty() ? target : read.text;
    const QString typeKey = QLatin1Char('.') + PathOps::GetExtensionName(path);
    const QFileInfo info(path);
    if (!info.exists())
        return kMissing + typeKey;
    if (info.isDir()) {
        if (!m_userFolders)
            m_userFolders = userFolders();
        return kFolder + m_userFolders->value(QDir::cleanPath(info.absoluteFilePath()));
    }
    if (typeKey.compare(QLatin1String(".desktop"), Qt::CaseInsensitive) == 0)
        return kDesktop + info.absoluteFilePath();
    if (info.isExecutable() && PathOps::IsProgram(path).value_or(false))
        return kProgram + typeKey;
    return typeKey;
}

QString Icons::keyFor(const QString &target, const QString &iconName)
{
    const QString kind = keyFor(target);
    if (iconName.isEmpty())
        return kind;
    // Faded as any other when the target is gone; the kind's key follows,
    // for when the own icon is not found.
    return (kind.startsWith(kMissing) ? kMissing : QString()) + kOwn + iconName + u'\n' + kind;
}

QIcon Icons::iconForKey(const QString &key)
{
    // A themed icon scales; handing the list the icon itself rather than a
    // rendered pixmap keeps it sharp at any device pixel ratio, drawn at 32
    // or 16 pixels.
    if (const auto kind = m_kinds.constFind(key); kind != m_kinds.cend())
        return *kind;
    if (const auto icon = kindIcon(key)) {
        m_kinds.insert(key, *icon);
        return *icon;
    }
    return m_lookup.iconForKey(key);
}

std::optional<QIcon> Icons::kindIcon(const QString &key)
{
    using namespace platform;
    if (key.startsWith(kMissing)) {
        const QString usual = key.mid(kMissing.size());
        const auto kind = kindIcon(usual);
        return IconPictures::dimmed(kind ? *kind : m_lookup.iconForKey(usual));
    }
    QIcon icon;
    if (key.startsWith(kOwn)) {
        const qsizetype end = key.indexOf(u'\n');
        const QString name = key.mid(kOwn.size(), end - kOwn.size());
        const QString kind = key.mid(end + 1);
        // An image file's path or a theme icon's name, as a desktop entry's Icon= is read.
        icon = IconPictures::named(name);
        if (icon.isNull())
            return kindIcon(kind).value_or(m_lookup.iconForKey(kind));
        return icon;
    }
    if (key.startsWith(kUri)) {
        icon = IconPictures::ofDesktopEntry(SchemeHandlers::desktopEntryFor(key.mid(kUri.size())));
        if (icon.isNull())
            icon = firstThemed({QStringLiteral("text-html"), QStringLiteral("internet-web-browser")});
    } else if (key.startsWith(kFolder)) {
        icon = firstThemed({key.mid(kFolder.size()), QStringLiteral("inode-directory"), QStringLiteral("folder")});
        if (icon.isNull())
            icon = IconPictures::ofStyle(QStyle::SP_DirIcon);
    } else if (key.startsWith(kDesktop)) {
        icon = IconPictures::ofDesktopEntry(key.mid(kDesktop.size()));
        if (icon.isNull())
            icon = firstThemed({QStringLiteral("application-x-desktop")});
    } else if (key.startsWith(kProgram)) {
        // A type of its own (a shell script) says more than "a program".
        icon = IconPictures::ofOwnType(key.mid(kProgram.size()));
        if (icon.isNull())
            icon = firstThemed({QStringLiteral("application-x-executable")});
    } else {
        return std::nullopt;
    }
    return icon.isNull() ? m_lookup.iconForKey(QString()) : icon;
}

} // namespace shortcuts
