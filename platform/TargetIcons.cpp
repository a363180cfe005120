#include "platform/TargetIcons.h"

#include "platform/ThemeIconCache.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QMimeDatabase>
#include <QPainter>
#include <QStandardPaths>
#include <QStyle>

#include "platform/DesktopEntry.h"
#include "platform/PathOps.h"
#include "platform/SchemeHandlers.h"

namespace platform::TargetIcons {

namespace {

const QString kUri = QStringLiteral("uri:");
const QString kFolder = QStringLiteral("folder:");
const QString kDesktop = QStringLiteral("desktop:");
const QString kProgram = QStringLiteral("program:");
const QString kMissing = QStringLiteral("missing:");


// An Icon= value: an absolute path, or a theme name (some entries add an
// extension), or a picture in the old pixmaps folder.
QIcon namedIcon(const QString &value)
{
    if (value.isEmpty())
        return {};
    if (QDir::isAbsolutePath(value))
        return QFileInfo(value).isFile() ? QIcon(value) : QIcon();
    QIcon icon = QIcon::fromTheme(value);
    const QString bare = QFileInfo(value).completeBaseName();
    if (icon.isNull() && bare != value)
        icon = QIcon::fromTheme(bare);
    for (const char *suffix : {".svg", ".png", ".xpm"}) {
        if (!icon.isNull())
            break;
        const QString file = QStringLiteral("/usr/share/pixmaps/") + bare + QLatin1String(suffix);
        if (QFileInfo(file).isFile())
            icon = QIcon(file);
    }
    return icon;
}

QIcon entryIcon(const QString &entryPath)
{
    const auto entry = DesktopEntry::read(entryPath, QString());
    return entry ? namedIcon(entry->icon) : QIcon();
}

QIcon styleIcon(QStyle::StandardPixmap which)
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        if (const QStyle *style = QApplication::style())
            return style->standardIcon(which);
    return {};
}

bool isProgram(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == QByteArray("\x7f" "ELF", 4) || head.startsWith("#!");
}

class DimmedEngine : public QIconEngine {
public:
    explicit DimmedEngine(QIcon base) : m_base(std::move(base)) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->save();
        painter->setOpacity(painter->opacity() * 0.4);
        m_base.paint(painter, rect, Qt::AlignCenter, mode, state);
        painter->restore();
    }
    // Asked in device pixels: drawn from the base icon at that size, so it
    // stays as sharp as the base.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_base.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_base.availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("tessaflow-dimmed"); }
    QIconEngine *clone() const override { return new DimmedEngine(m_base); }

private:
    QIcon m_base;
};

} // namespace

QIcon firstThemed(std::initializer_list<QString> names)
{
    for (const QString &name : names) {
        if (name.isEmpty())
            continue;
        QIcon icon = cachedThemeIcon(name);
        if (!icon.isNull())
            return icon;
    }
    return {};
}

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

QString keyFor(const QString &target, const QHash<QString, QString> &userFolders)
{
    if (PathOps::HasUrlScheme(target))
        return kUri + target.left(target.indexOf(QLatin1Char(':'))).toLower();
    if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return kUri + QStringLiteral("http");
    const QString typeKey = QLatin1Char('.') + PathOps::GetExtensionName(target);
    const QFileInfo info(target);
    if (!info.exists())
        return kMissing + typeKey;
    if (info.isDir())
        return kFolder + userFolders.value(QDir::cleanPath(info.absoluteFilePath()));
    if (typeKey.compare(QLatin1String(".desktop"), Qt::CaseInsensitive) == 0)
        return kDesktop + info.absoluteFilePath();
    if (info.isExecutable() && isProgram(target))
        return kProgram + typeKey;
    return typeKey;
}

std::optional<QIcon> iconFor(const QString &key, const std::function<QIcon(const QString &)> &plain)
{
    if (key.startsWith(kMissing)) {
        const QString usual = key.mid(kMissing.size());
        return dimmed(iconFor(usual, plain).value_or(plain(usual)));
    }
    QIcon icon;
    if (key.startsWith(kUri)) {
        const QString scheme = key.mid(kUri.size());
        icon = entryIcon(SchemeHandlers::desktopEntryFor(scheme));
        if (icon.isNull())
            icon = firstThemed({QStringLiteral("text-html"), QStringLiteral("internet-web-browser")});
    } else if (key.startsWith(kFolder)) {
        icon = firstThemed({key.mid(kFolder.size()), QStringLiteral("inode-directory"), QStringLiteral("folder")});
        if (icon.isNull())
            icon = styleIcon(QStyle::SP_DirIcon);
    } else if (key.startsWith(kDesktop)) {
        icon = entryIcon(key.mid(kDesktop.size()));
        if (icon.isNull())
            icon = firstThemed({QStringLiteral("application-x-desktop")});
    } else if (key.startsWith(kProgram)) {
        // A type of its own (a shell script) says more than "a program".
        const QString typeKey = key.mid(kProgram.size());
        const QMimeType mime = QMimeDatabase().mimeTypeForFile(QLatin1Char('x') + typeKey, QMimeDatabase::MatchExtension);
        if (typeKey != QLatin1String(".") && mime.isValid() && !mime.isDefault()
            && mime.name() != QLatin1String("text/plain"))
            icon = firstThemed({mime.iconName()});
        if (icon.isNull())
            icon = firstThemed({QStringLiteral("application-x-executable")});
    } else {
        return std::nullopt;
    }
    return icon.isNull() ? plain(QString()) : icon;
}

QIcon dimmed(const QIcon &icon) { return QIcon(new DimmedEngine(icon)); }

QString desktopEntryName(const QString &target)
{
    if (!target.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive) || PathOps::HasUrlScheme(target))
        return {};
    const auto entry = DesktopEntry::read(target);
    return entry ? entry->name.trimmed() : QString();
}

} // namespace platform::TargetIcons
