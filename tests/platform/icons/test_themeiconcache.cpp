#include "platform/icons/ThemeIconCache.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/icons/IconLookup.h"

using platform::cachedThemeIcon;
using platform::typeIconNames;

namespace {

QImage picture(const QIcon &icon, int size, qreal dpr)
{
    return icon.pixmap(QSize(size, size), dpr).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QStringList filesUnder(const QString &dir, const QString &pattern)
{
    QStringList files;
    QDirIterator it(dir, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

class ThemeIconCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // scripts/deps.sh installs breeze; without it these checks mean nothing.
        ASSERT_TRUE(QFileInfo::exists(QStringLiteral("/usr/share/icons/breeze/index.theme")));
        platform::IconLookup::ensureIconTheme();
        ASSERT_TRUE(m_root.isValid());
        m_cache = m_root.path() + QStringLiteral("/cache");
    }
    QTemporaryDir m_root;
    QString m_cache;
};

TEST_F(ThemeIconCacheTest, WarmCacheDrawsWhatTheThemeDraws)
{
    const QString name = QStringLiteral("application-pdf");
    const QIcon theme = QIcon::fromTheme(name);
    ASSERT_FALSE(theme.isNull());
    // The first use draws from the theme and stores; a later one, as in the
    // next start, reads what was stored.
    for (int run = 0; run < 2; ++run) {
        const QIcon icon = cachedThemeIcon(name, m_cache);
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.name(), theme.name());
        for (const int size : {16, 32})
            for (const qreal dpr : {1.0, 2.0})
                EXPECT_EQ(picture(icon, size, dpr), picture(theme, size, dpr)) << run << " " << size << "@" << dpr;
    }
    EXPECT_EQ(filesUnder(m_cache, QStringLiteral("application-pdf-*")).size(), 4);
    EXPECT_TRUE(cachedThemeIcon(QStringLiteral("tessaflow-no-such-icon"), m_cache).isNull());
    EXPECT_TRUE(cachedThemeIcon(QStringLiteral("tessaflow-no-such-icon"), m_cache).isNull());
}

TEST_F(ThemeIconCacheTest, DamagedEntriesFallBackToTheTheme)
{
    const QString name = QStringLiteral("text-x-python");
    const QIcon theme = QIcon::fromTheme(name);
    const QImage expected = picture(theme, 32, 1.0);
    picture(cachedThemeIcon(name, m_cache), 32, 1.0);
    const QStringList entries = filesUnder(m_cache, name + QStringLiteral("-32x32*"));
    ASSERT_EQ(entries.size(), 1);
    const QByteArray good = [&] { QFile f(entries[0]); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }();
    ASSERT_FALSE(good.isEmpty());
    // Garbage, a cut-off copy, an empty file, a picture larger than asked for.
    QByteArray larger = good;
    larger[8] = char(200);
    for (const QByteArray &damaged : {QByteArray("not a picture"), good.left(good.size() / 2), QByteArray(), larger}) {
        QFile file(entries[0]);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        EXPECT_EQ(picture(cachedThemeIcon(name, m_cache), 32, 1.0), expected);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), good) << "the entry is stored again";
    }
    // A damaged note of the name falls back to the theme as well.
    const QStringList notes = filesUnder(m_cache, name + QStringLiteral(".has"));
    ASSERT_EQ(notes.size(), 1);
    QFile note(notes[0]);
    ASSERT_TRUE(note.open(QIODevice::WriteOnly | QIODevice::Truncate));
    note.write("../../x y");
    note.close();
    EXPECT_EQ(cachedThemeIcon(name, m_cache).name(), theme.name());
}

TEST_F(ThemeIconCacheTest, AnythingButAFileInTheCacheIsIgnoredNeverWaitedOn)
{
    // Opening a FIFO to read it would wait for a writer for good.
    auto fifoAt = [](const QString &path) { return QFile::remove(path) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; };
    const QString name = QStringLiteral("text-x-python");
    const QImage expected = picture(QIcon::fromTheme(name), 32, 1.0);
    picture(cachedThemeIcon(name, m_cache), 32, 1.0);
    const QStringList entries = filesUnder(m_cache, name + QStringLiteral("-32x32*"));
    ASSERT_EQ(entries.size(), 1);
    ASSERT_TRUE(fifoAt(entries[0]));
    EXPECT_EQ(picture(cachedThemeIcon(name, m_cache), 32, 1.0), expected);

    typeIconNames(QStringLiteral(".pdf"), m_cache);
    const QStringList names = filesUnder(m_cache, QStringLiteral("pdf.names"));
    ASSERT_EQ(names.size(), 1);
    ASSERT_TRUE(fifoAt(names[0]));
    EXPECT_EQ(typeIconNames(QStringLiteral(".pdf"), m_cache).icon, QStringLiteral("application-pdf"));
}

TEST_F(ThemeIconCacheTest, TypeNamesMatchTheMimeDatabase)
{
    QMimeDatabase db;
    for (const char *extension : {".pdf", ".tar.gz", ".tessaflow-no-such-type"}) {
        const QMimeType mime = db.mimeTypeForFile(QLatin1Char('x') + QLatin1String(extension), QMimeDatabase::MatchExtension);
        const QString icon = mime.isDefault() ? QString() : mime.iconName();
        for (int run = 0; run < 2; ++run)
            EXPECT_EQ(typeIconNames(QLatin1String(extension), m_cache).icon, icon) << extension << run;
    }
    const QStringList notes = filesUnder(m_cache, QStringLiteral("pdf.names"));
    ASSERT_EQ(notes.size(), 1);
    QFile note(notes[0]);
    ASSERT_TRUE(note.open(QIODevice::WriteOnly | QIODevice::Truncate));
    note.write("../evil\n");
    note.close();
    EXPECT_EQ(typeIconNames(QStringLiteral(".pdf"), m_cache).icon, QStringLiteral("application-pdf"));
}

TEST_F(ThemeIconCacheTest, NothingIsWrittenOutsideTheCacheFolder)
{
    for (const char *name : {"../../escaped", "a/../../escaped", "/tmp/escaped", "..", "application-pdf"})
        cachedThemeIcon(QLatin1String(name), m_cache).pixmap(32, 32);
    for (const char *extension : {"./../../escaped", "./x/../../escaped", ".pdf"})
        typeIconNames(QLatin1String(extension), m_cache);
    QDirIterator it(m_root.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    int inside = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        EXPECT_TRUE(path.startsWith(m_cache)) << path.toStdString();
        inside += path.startsWith(m_cache);
    }
    EXPECT_GT(inside, 0);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/escaped")));
}

} // namespace
