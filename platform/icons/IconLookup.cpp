#include "platform/icons/IconLookup.h"

#include "platform/icons/IconPictures.h"
#include "platform/icons/ThemeIconCache.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStandardPaths>
#include <QStyle>

namespace platform {

namespace {

const QString kPreferredTheme = QStringLiteral("breeze");

using IconPictures::firstThemed;

// Last resort, drawn rather than loaded so that nothing can be missing: a
// plain page with a folded corner.
QIcon drawnPageIcon()
{
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal u = size / 16.0;
        const qreal left = 2.5 * u, right = 13.5 * u, top = 0.5 * u, bottom = 15.5 * u, fold = 4 * u;
        QPainterPath page;
        page.moveTo(left, top);
        page.lineTo(right - fold, top);
        page.lineTo(right, top + fold);
        page.lineTo(right, bottom);
        page.lineTo(left, bottom);
        page.closeSubpath();
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), u));
        painter.setBrush(Qt::white);
        painter.drawPath(page);
        QPainterPath corner;
        corner.moveTo(right - fold, top);
        corner.lineTo(right - fold, top + fold);
        corner.lineTo(right, top + fold);
        painter.setBrush(QColor(0xd0, 0xd0, 0xd0));
        painter.drawPath(corner);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon genericFileIcon()
{
    QIcon icon = firstThemed({QStringLiteral("application-x-generic"), QStringLiteral("text-x-generic")});
    if (!icon.isNull())
        return icon;
    // Styles carry built-in pictures that need no theme.
    icon = IconPictures::ofStyle(QStyle::SP_FileIcon);
    return icon.isNull() ? drawnPageIcon() : icon;
}

QIcon unknownItemIcon()
{
    const QIcon icon = firstThemed({QStringLiteral("unknown"), QStringLiteral("application-octet-stream")});
    return icon.isNull() ? genericFileIcon() : icon;
}

QIcon extensionIcon(const QString &key)
{
    // A key with a separator names no extension; matching it would take the
    // type of whatever follows the separator.
    if (key.contains(QLatin1Char('/')) || key.contains(QLatin1Char('\\')))
        return genericFileIcon();
    const TypeIconNames names = typeIconNames(key);
    if (names.icon.isEmpty() && names.generic.isEmpty())
        return genericFileIcon();
    const QIcon icon = firstThemed({names.icon, names.generic});
    return icon.isNull() ? genericFileIcon() : icon;
}

bool themeInstalled(const QStringList &searchPaths, const QString &theme)
{
    for (const QString &dir : searchPaths) {
        if (!dir.startsWith(QLatin1Char(':'))
            && QFileInfo::exists(dir + QLatin1Char('/') + theme + QLatin1String("/index.theme")))
            return true;
    }
    return false;
}

} // namespace

IconLookup::IconLookup() = default;

QIcon IconLookup::iconForKey(const QString &key)
{
    const auto cached = m_cache.constFind(key);
    if (cached != m_cache.cend())
        return *cached;
    ++m_lookups;
    const QIcon icon = lookup(key);
    m_cache.insert(key, icon);
    return icon;
}

QIcon IconLookup::lookup(const QString &key) const
{
    if (key.isEmpty())
        return unknownItemIcon();
    if (key == QLatin1String("."))
        return genericFileIcon();
    if (key.startsWith(QLatin1Char('.')))
        return extensionIcon(key);
    return unknownItemIcon();
}

void IconLookup::ensureIconTheme()
{
    // Runs at every start: a handful of stat() calls, no folder is listed.
    QStringList paths = QIcon::themeSearchPaths();
    QStringList wanted;
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        wanted << data + QLatin1String("/icons");
    wanted << QStringLiteral("/usr/share/icons");
    bool changed = false;
    for (const QString &dir : std::as_const(wanted)) {
        if (!paths.contains(dir) && QFileInfo(dir).isDir()) {
            paths << dir;
            changed = true;
        }
    }
    // Setting the paths makes every themed icon look itself up again.
    if (changed)
        QIcon::setThemeSearchPaths(paths);

    QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor")) {
        // hicolor holds application icons, hardly any for file types.
        for (const QString &candidate : {kPreferredTheme, QStringLiteral("Adwaita")}) {
            if (themeInstalled(paths, candidate)) {
                QIcon::setThemeName(candidate);
                theme = candidate;
                break;
            }
        }
    }
    // Desktop themes such as Adwaita draw most file types as one plain page;
    // types they lack then come from breeze.
    if (theme != kPreferredTheme && QIcon::fallbackThemeName() != kPreferredTheme
        && themeInstalled(paths, kPreferredTheme))
        QIcon::setFallbackThemeName(kPreferredTheme);
}

} // namespace platform
