#include "platform/icons/ThemeIconCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QMimeDatabase>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryFile>
#include <QStandardPaths>

#include <QtEndian>
#include <QtMath>

#include "platform/xdg/RegularFile.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// Names become file names: only plain ones are cached, so none can reach
// outside the cache folder; anything else is served by the theme directly.
bool plainName(const QString &name)
{
    if (name.isEmpty() || name.size() > 128 || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-'
                        || u == '_' || u == '.' || u == '+';
        if (!ok)
            return false;
    }
    return true;
}

// When a file or folder was last changed, one stat() call; "-" if it is
// not there. Starts look at these for every icon, so no QFileInfo, which
// asks twice.
QByteArray changed(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QByteArrayLiteral("-\n");
    return QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' + QByteArray::number(qint64(info.st_mtim.tv_nsec))
           + '\n';
}

// The folder for the theme in use: its name, and a hash of everything that
// changes which picture the theme gives (the folders searched, the fallback
// theme, and when the themes' folders and index files last changed, which
// installing, updating or re-indexing a theme does). A few stat() calls, no
// folder is listed.
QString themeFolder(const QString &root)
{
    const QString theme = QIcon::themeName();
    if (!plainName(theme))
        return {};
    const QStringList themes{theme, QIcon::fallbackThemeName()};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString &t : themes)
        hash.addData(t.toUtf8() + '\n');
    for (const QString &dir : QIcon::themeSearchPaths()) {
        hash.addData(dir.toUtf8() + '\n');
        if (dir.startsWith(QLatin1Char(':')))
            continue;
        for (const QString &t : themes) {
            if (t.isEmpty())
                continue;
            const QString folder = dir + QLatin1Char('/') + t;
            const QByteArray stamp = changed(folder);
            hash.addData(stamp);
            if (stamp != "-\n")
                hash.addData(changed(folder + QLatin1String("/index.theme")));
        }
    }
    return root + QLatin1Char('/') + theme + QLatin1Char('-')
           + QString::fromLatin1(hash.result().toHex().left(16));
}

// A picture on disk: a magic line, width and height, then the premultiplied
// ARGB pixels as the raster engine draws them, all little-endian. Reading it
// is one small read and a copy: no image plugin is loaded and nothing is
// decoded, which is most of what a PNG would cost here.
constexpr char kMagic[8] = {'T', 'F', 'I', 'C', 'O', 'N', '1', '\n'};
constexpr int kHeader = 16;

QByteArray encodePicture(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype pixels = qsizetype(image.width()) * image.height();
    QByteArray data(kHeader + pixels * 4, Qt::Uninitialized);
    std::memcpy(data.data(), kMagic, sizeof kMagic);
    qToLittleEndian<quint32>(quint32(image.width()), data.data() + 8);
    qToLittleEndian<quint32>(quint32(image.height()), data.data() + 12);
    char *out = data.data() + kHeader;
    for (int y = 0; y < image.height(); ++y, out += image.width() * 4)
        qToLittleEndian<quint32>(image.constScanLine(y), image.width(), out);
    return data;
}

// A null image unless `data` is a whole picture no larger than `limit`.
QImage decodePicture(const QByteArray &data, const QSize &limit)
{
    if (data.size() < kHeader || std::memcmp(data.constData(), kMagic, sizeof kMagic) != 0)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(data.constData() + 8);
    const quint32 height = qFromLittleEndian<quint32>(data.constData() + 12);
    if (width == 0 || height == 0 || width > quint32(limit.width()) || height > quint32(limit.height())
        || data.size() != kHeader + qsizetype(width) * height * 4)
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const char *in = data.constData() + kHeader;
    for (int y = 0; y < image.height(); ++y, in += width * 4)
        qFromLittleEndian<quint32>(in, width, image.scanLine(y));
    return image;
}

// Written whole under a temporary name and renamed into place, so a reader
// sees the old entry or the new one, never part of one. Not synced to disk:
// an entry lost or cut short by a crash is read as damaged and drawn again.
// A cache that cannot be written only costs the next start the theme's work.
void writeAtomically(const QString &path, const QByteArray &data)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return;
    QTemporaryFile file(path + QLatin1String(".XXXXXX"));
    file.setAutoRemove(true);
    if (!file.open() || file.write(data) != data.size() || !file.flush())
        return;
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) == 0)
        file.setAutoRemove(false);
}

// Only a regular file is an entry: anything else found in the folder (a
// FIFO would block the start for good) is ignored and drawn afresh.
QByteArray readSmallFile(const QString &path, qint64 limit)
{
    QByteArray data;
    if (readRegularFile(path, limit + 1, &data) != FileRead::Done || data.size() > limit)
        return {};
    return data;
}

bool isRegularFile(const QString &path, struct stat *info)
{
    return ::stat(QFile::encodeName(path).constData(), info) == 0 && S_ISREG(info->st_mode);
}

class CachedThemeIconEngine : public QIconEngine {
public:
    CachedThemeIconEngine(const QString &name, const QString &answers, const QString &folder, const QIcon &themed)
        : m_name(name), m_answers(answers), m_folder(folder), m_themed(themed)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, picture(rect.size(), dpr, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        const QPixmap pixmap = picture(size, dpr, mode, state);
        return pixmap.isNull() ? QSize() : pixmap.deviceIndependentSize().toSize();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return picture(size, 1.0, mode, state);
    }

    // QIcon::pixmap asks for `size` in device pixels.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        if (!(scale > 0))
            scale = 1.0;
        const QSize logical(qRound(size.width() / scale), qRound(size.height() / scale));
        return picture(logical, scale, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return themed().availableSizes(mode, state);
    }

    QString iconName() override { return m_answers; }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("tessaflow-cached-theme"); }
    QIconEngine *clone() const override { return new CachedThemeIconEngine(*this); }

private:
    const QIcon &themed()
    {
        if (m_themed.isNull())
            m_themed = QIcon::fromTheme(m_name);
        return m_themed;
    }

    QPixmap picture(const QSize &size, qreal dpr, QIcon::Mode mode, QIcon::State state)
    {
        if (size.isEmpty())
            return {};
        if (mode != QIcon::Normal || state != QIcon::Off) // styled from the normal one: not the theme's alone
            return themed().pixmap(size, dpr, mode, state);
        const QString key = QStringLiteral("%1-%2x%3@%4")
                                .arg(m_name)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(qRound(dpr * 100));
        const auto found = m_pixmaps.constFind(key);
        if (found != m_pixmaps.cend())
            return *found;
        const QString path = m_folder + QLatin1Char('/') + key + QLatin1String(".argb");
        const QSize device(qCeil(size.width() * dpr), qCeil(size.height() * dpr));
        const qint64 limit = kHeader + qint64(device.width()) * device.height() * 4;
        QImage image = decodePicture(readSmallFile(path, limit), device);
        QPixmap pixmap;
        if (!image.isNull()) {
            pixmap = QPixmap::fromImage(std::move(image));
            pixmap.setDevicePixelRatio(dpr);
        } else { // not cached yet, or unreadable: the theme draws it
            pixmap = themed().pixmap(size, dpr);
            if (!pixmap.isNull())
                writeAtomically(path, encodePicture(pixmap.toImage()));
        }
        m_pixmaps.insert(key, pixmap);
        return pixmap;
    }

    QString m_name;
    QString m_answers; // the name the theme's icon gives
    QString m_folder;
    QIcon m_themed;
    QHash<QString, QPixmap> m_pixmaps;
};

QString defaultFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QLatin1String("/tessaflow/icons");
}

// The folder for the MIME database's current state: the times its caches
// were last rebuilt, which installing or removing a type changes.
QString typesFolder(const QString &root)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        hash.addData(dir.toUtf8() + '\n' + changed(dir + QLatin1String("/mime/mime.cache")));
    return root + QLatin1String("/types-") + QString::fromLatin1(hash.result().toHex().left(16));
}

TypeIconNames lookUpTypeIconNames(const QString &extension)
{
    // MatchExtension only compares glob patterns with the name: no file is read.
    const QMimeType mime =
        QMimeDatabase().mimeTypeForFile(QLatin1Char('x') + extension, QMimeDatabase::MatchExtension);
    if (!mime.isValid() || mime.isDefault())
        return {};
    return {mime.iconName(), mime.genericIconName()};
}

} // namespace

QIcon cachedThemeIcon(const QString &name) { return cachedThemeIcon(name, defaultFolder()); }

TypeIconNames typeIconNames(const QString &extension) { return typeIconNames(extension, defaultFolder()); }

TypeIconNames typeIconNames(const QString &extension, const QString &folder)
{
    const QString bare = extension.mid(1);
    if (!extension.startsWith(QLatin1Char('.')) || !plainName(bare) || folder.isEmpty())
        return lookUpTypeIconNames(extension);
    const QString path = typesFolder(folder) + QLatin1Char('/') + bare + QLatin1String(".names");
    // Two lines: the icon name and the generic icon name, each plain or empty.
    const QList<QByteArray> lines = readSmallFile(path, 1024).split('\n');
    if (lines.size() == 3 && lines[2].isEmpty()) {
        const TypeIconNames names{QString::fromLatin1(lines[0]), QString::fromLatin1(lines[1])};
        if ((names.icon.isEmpty() || plainName(names.icon)) && (names.generic.isEmpty() || plainName(names.generic))
            && names.icon.isEmpty() == names.generic.isEmpty())
            return names;
    }
    const TypeIconNames names = lookUpTypeIconNames(extension);
    if ((names.icon.isEmpty() || plainName(names.icon)) && (names.generic.isEmpty() || plainName(names.generic)))
        writeAtomically(path, names.icon.toLatin1() + '\n' + names.generic.toLatin1() + '\n');
    return names;
}

QIcon cachedThemeIcon(const QString &name, const QString &folder)
{
    if (!qGuiApp || !plainName(name) || folder.isEmpty())
        return QIcon::fromTheme(name);
    const QString theme = themeFolder(folder);
    if (theme.isEmpty())
        return QIcon::fromTheme(name);
    // Whether the theme has the icon at all, and the name it answers to (a
    // theme may give "font" for "font-x-generic"), is kept beside its
    // pictures, so a warm start never has to look the name up in the theme.
    const QString has = theme + QLatin1Char('/') + name + QLatin1String(".has");
    const QString lacks = theme + QLatin1Char('/') + name + QLatin1String(".lacks");
    struct stat hasInfo {};
    if (isRegularFile(has, &hasInfo)) {
        // Empty when the name is the one asked for, as it nearly always is.
        const QString known = hasInfo.st_size == 0 ? name : QString::fromLatin1(readSmallFile(has, 256));
        if (plainName(known))
            return QIcon(new CachedThemeIconEngine(name, known, theme, QIcon()));
    }
    if (struct stat lacksInfo {}; isRegularFile(lacks, &lacksInfo))
        return {};
    const QIcon themed = QIcon::fromTheme(name);
    if (themed.isNull()) {
        writeAtomically(lacks, QByteArray());
        return {};
    }
    const QString answers = plainName(themed.name()) ? themed.name() : name;
    writeAtomically(has, answers == name ? QByteArray() : answers.toLatin1());
    return QIcon(new CachedThemeIconEngine(name, answers, theme, themed));
}

} // namespace platform
