#include "platform/icons/IconPictures.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QMimeDatabase>
#include <QPainter>

#include "platform/xdg/DesktopEntry.h"
#include "platform/icons/ThemeIconCache.h"

namespace platform::IconPictures {

namespace {

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

QIcon ofDesktopEntry(const QString &entryPath)
{
    const auto entry = DesktopEntry::read(entryPath, QString());
    return entry ? namedIcon(entry->icon) : QIcon();
}

QIcon named(const QString &iconValue) { return namedIcon(iconValue); }

QIcon ofOwnType(const QString &extensionKey)
{
    if (extensionKey == QLatin1String("."))
        return {};
    const QMimeType mime =
        QMimeDatabase().mimeTypeForFile(QLatin1Char('x') + extensionKey, QMimeDatabase::MatchExtension);
    if (!mime.isValid() || mime.isDefault() || mime.name() == QLatin1String("text/plain"))
        return {};
    return firstThemed({mime.iconName()});
}

QIcon ofStyle(QStyle::StandardPixmap which)
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        if (const QStyle *style = QApplication::style())
            return style->standardIcon(which);
    return {};
}

QIcon dimmed(const QIcon &icon) { return QIcon(new DimmedEngine(icon)); }

} // namespace platform::IconPictures
