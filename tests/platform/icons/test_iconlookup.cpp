#include "platform/icons/IconLookup.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QProxyStyle>
#include <QSet>
#include <QStyleFactory>
#include <gtest/gtest.h>

using platform::IconLookup;

namespace {

QImage rendered(const QIcon &icon, int size) { return icon.pixmap(size, size).toImage(); }

bool breezeInstalled()
{
    return QFileInfo::exists(QStringLiteral("/usr/share/icons/breeze/index.theme"));
}

// Every test leaves the process-wide theme settings as it found them.
class IconLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_theme = QIcon::themeName();
        m_fallback = QIcon::fallbackThemeName();
        m_paths = QIcon::themeSearchPaths();
    }
    void TearDown() override
    {
        QIcon::setThemeSearchPaths(m_paths);
        QIcon::setThemeName(m_theme);
        QIcon::setFallbackThemeName(m_fallback);
    }
    // scripts/deps.sh installs the theme; without it these checks mean nothing.
    static void requireBreeze()
    {
        ASSERT_TRUE(breezeInstalled()) << "breeze-icon-theme is not installed";
        IconLookup::ensureIconTheme();
    }

    QString m_theme, m_fallback;
    QStringList m_paths;
};

TEST_F(IconLookupTest, ChoosesAThemeWhenNoneIsSetAndKeepsTheDesktopOne)
{
    ASSERT_TRUE(breezeInstalled());
    QIcon::setThemeSearchPaths({QStringLiteral(":/icons")});
    QIcon::setThemeName(QString());
    QIcon::setFallbackThemeName(QString());
    IconLookup::ensureIconTheme();
    EXPECT_TRUE(QIcon::themeSearchPaths().contains(QStringLiteral("/usr/share/icons")));
    EXPECT_TRUE(QIcon::themeSearchPaths().contains(QStringLiteral(":/icons")));
    EXPECT_EQ(QIcon::themeName(), "breeze");

    QIcon::setThemeName(QStringLiteral("hicolor"));
    IconLookup::ensureIconTheme();
    EXPECT_EQ(QIcon::themeName(), "breeze");

    // A desktop theme stays; breeze only fills in what it lacks.
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    IconLookup::ensureIconTheme();
    EXPECT_EQ(QIcon::themeName(), "Adwaita");
    EXPECT_EQ(QIcon::fallbackThemeName(), "breeze");
    IconLookup icons;
    EXPECT_EQ(icons.iconForKey(QStringLiteral(".pdf")).name(), "application-pdf");
}

TEST_F(IconLookupTest, TypesGetTheirOwnUsableIcons)
{
    requireBreeze();
    IconLookup icons;
    const QStringList keys{".pdf", ".txt", ".png", ".html", ".sh", ".desktop", ".mp3", ".", ""};
    QSet<QString> names;
    QSet<QByteArray> pictures;
    for (const QString &key : keys) {
        const QIcon icon = icons.iconForKey(key);
        ASSERT_FALSE(icon.isNull()) << key.toStdString();
        const QImage large = rendered(icon, 32), small = rendered(icon, 16);
        ASSERT_FALSE(large.isNull()) << key.toStdString();
        ASSERT_FALSE(small.isNull()) << key.toStdString();
        EXPECT_EQ(large.size(), QSize(32, 32)) << key.toStdString();
        EXPECT_EQ(small.size(), QSize(16, 16)) << key.toStdString();
        names.insert(icon.name());
        // breeze draws plain text as its generic page, so ".txt" may look like ".".
        if (key != QLatin1String(".txt"))
            pictures.insert(QByteArray(reinterpret_cast<const char *>(large.constBits()), large.sizeInBytes()));
    }
    EXPECT_EQ(names.size(), keys.size());
    EXPECT_EQ(pictures.size(), keys.size() - 1);

    // Unknown extensions and keys that name no extension get the generic page.
    for (const char *key : {".tessaflow-no-such-type", ".bashrc", "./etc/passwd.pdf"})
        EXPECT_EQ(icons.iconForKey(QLatin1String(key)).name(), icons.iconForKey(QStringLiteral(".")).name()) << key;
}

TEST_F(IconLookupTest, TypeWithoutItsOwnPictureUsesItsGenericOne)
{
    requireBreeze();
    // Whichever registered type the theme happens to draw only generically.
    QMimeDatabase db;
    QString suffix, genericName;
    for (const QMimeType &mime : db.allMimeTypes()) {
        const QString candidate = mime.preferredSuffix();
        if (candidate.isEmpty() || candidate.contains(QLatin1Char('.'))
            || db.mimeTypeForFile(QStringLiteral("x.") + candidate, QMimeDatabase::MatchExtension) != mime)
            continue;
        if (QIcon::fromTheme(mime.iconName()).isNull() && !QIcon::fromTheme(mime.genericIconName()).isNull()) {
            suffix = candidate;
            // The theme may answer with a shorter name ("font" for "font-x-generic").
            genericName = QIcon::fromTheme(mime.genericIconName()).name();
            break;
        }
    }
    if (suffix.isEmpty())
        GTEST_SKIP() << "the theme draws every type with a picture of its own";
    IconLookup icons;
    EXPECT_EQ(icons.iconForKey(QLatin1Char('.') + suffix).name(), genericName) << suffix.toStdString();
}

TEST_F(IconLookupTest, EachKeyIsLookedUpOnce)
{
    requireBreeze();
    IconLookup icons;
    const QIcon first = icons.iconForKey(QStringLiteral(".pdf"));
    EXPECT_EQ(icons.iconForKey(QStringLiteral(".pdf")).cacheKey(), first.cacheKey());
    for (const char *key : {"", ".", ".pdf", "", "."})
        icons.iconForKey(QLatin1String(key));
    EXPECT_EQ(icons.lookups(), 3);
}

// A style that has no file icon of its own.
class BareStyle : public QProxyStyle {
public:
    BareStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        return which == SP_FileIcon ? QIcon() : QProxyStyle::standardIcon(which, option, widget);
    }
};

TEST_F(IconLookupTest, NeverNullWithoutAnyThemeOrStyleIcon)
{
    QIcon::setThemeName(QStringLiteral("tessaflow-no-such-theme"));
    QIcon::setFallbackThemeName(QString());
    ASSERT_TRUE(QIcon::fromTheme(QStringLiteral("application-pdf")).isNull());
    QApplication::setStyle(new BareStyle);
    IconLookup icons;
    for (const char *key : {".pdf", ".txt", ".", "", ".tessaflow-no-such-type"}) {
        const QIcon icon = icons.iconForKey(QLatin1String(key));
        EXPECT_FALSE(icon.isNull()) << key;
        EXPECT_FALSE(rendered(icon, 32).isNull()) << key;
        EXPECT_FALSE(rendered(icon, 16).isNull()) << key;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
}

} // namespace
