// Making shortcuts: captions, targets, icons and positions.
#include <QSet>
#include <QDir>
#include <QImage>

#include "support/ShortcutFixture.h"

using namespace testing_support;
using shortcuts::AddButton;

namespace {

using AddButtonTest = ShortcutFixtureInTempDir;

TEST_F(AddButtonTest, FileShortcutGetsFileNameCaptionAbsoluteTargetAndTypeIcon)
{
    const QString report = touch(QStringLiteral("Docs/Report.final.txt"));
    ASSERT_TRUE(AddButton(list, report, QString(), list.nextImageIndex()));
    EXPECT_EQ(view.Text(1), QStringLiteral("Report.final.txt"));
    EXPECT_EQ(programs.List(0), report);
    EXPECT_EQ(large.image(1).cacheKey(), lookup.iconForKey(QStringLiteral(".txt")).cacheKey());

    // A relative path: absolute target, caption from the text as passed.
    ASSERT_TRUE(AddButton(list, QStringLiteral("Docs/../Docs/Report.final.txt"), QString(), list.nextImageIndex()));
    EXPECT_EQ(programs.List(1), QDir(dir.path()).filePath(QStringLiteral("Docs/Report.final.txt")));
    EXPECT_EQ(view.Text(2), QStringLiteral("Report.final.txt"));

    // A given name wins over the file name.
    ASSERT_TRUE(AddButton(list, report, QStringLiteral("Quarterly"), list.nextImageIndex()));
    EXPECT_EQ(view.Text(3), QStringLiteral("Quarterly"));
}

// The largest alpha of an icon drawn at 32 x 32.
int opacityOf(const QIcon &icon)
{
    const QImage image = icon.pixmap(32, 32).toImage();
    int most = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            most = std::max(most, qAlpha(image.pixel(x, y)));
    return most;
}

TEST_F(AddButtonTest, IconsSayWhatTheTargetIs)
{
    platform::IconLookup::ensureIconTheme();
    QDir(dir.path()).mkdir(QStringLiteral("Games"));
    const QString noext = touch(QStringLiteral("Makefile"));
    const QString program = touch(QStringLiteral("run"), "#!/bin/sh\n");
    QFile(program).setPermissions(QFile::permissions(program) | QFileDevice::ExeOwner);
    const QString entry = touch(QStringLiteral("editor.desktop"),
                                "[Desktop Entry]\nType=Application\nName=Text Editor\nIcon=user-home\nExec=ed\n");
    AddButton(list, path(QStringLiteral("Games")) + QLatin1Char('/'), QString(), 1);
    AddButton(list, path(QStringLiteral("missing.txt")), QString(), 2);
    AddButton(list, QStringLiteral("http://example.com/"), QString(), 3);
    AddButton(list, noext, QString(), 4);
    AddButton(list, program, QString(), 5);
    AddButton(list, entry, QString(), 6);
    AddButton(list, entry, QStringLiteral("Kept"), 7);
    const QString script = touch(QStringLiteral("build.sh"), "#!/bin/sh\n");
    QFile(script).setPermissions(QFile::permissions(script) | QFileDevice::ExeOwner);
    AddButton(list, script, QString(), 8);
    EXPECT_EQ(captions(),
              (QStringList{"Games", "missing.txt", "example.com", "Makefile", "run", "Text Editor", "Kept", "build.sh"}));
    EXPECT_EQ(programs.List(0), path(QStringLiteral("Games")));
    EXPECT_EQ(large.image(1).name(), QStringLiteral("inode-directory"));
    EXPECT_EQ(small.image(4).cacheKey(), lookup.iconForKey(QStringLiteral(".")).cacheKey());
    EXPECT_EQ(large.image(5).name(), QStringLiteral("application-x-executable"));
    EXPECT_EQ(large.image(8).name(), QStringLiteral("application-x-shellscript")); // a type of its own
    // The entry's own icon.
    EXPECT_EQ(large.image(6).name(), QStringLiteral("user-home"));
    // Web addresses: the handler's icon, else a web page.
    EXPECT_FALSE(large.image(3).isNull());
    EXPECT_NE(large.image(3).cacheKey(), lookup.iconForKey(QString()).cacheKey());
    // A missing file: its type's icon, dimmed to about 40 %.
    const int usual = opacityOf(lookup.iconForKey(QStringLiteral(".txt")));
    EXPECT_NEAR(opacityOf(large.image(2)), usual * 0.4, 8);
    EXPECT_NEAR(opacityOf(large.image(5)), 255, 8);
    // Drawn at the screen's density, not scaled up from 32 pixels.
    EXPECT_EQ(large.image(2).pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    EXPECT_EQ(large.Count(), 8);
    EXPECT_EQ(small.Count(), 8);

    // Gone and back again: the icons follow at the next refresh.
    QFile::remove(program);
    touch(QStringLiteral("missing.txt"));
    shortcuts::RefreshIcons(list);
    EXPECT_LT(opacityOf(large.image(5)), 160);
    EXPECT_EQ(large.image(2).cacheKey(), lookup.iconForKey(QStringLiteral(".txt")).cacheKey());
    EXPECT_EQ(captions().size(), 8);
}

TEST_F(AddButtonTest, WebAddressesAreKeptAsTypedInAnyCase)
{
    // Even a file of that name in the current folder does not make it a path.
    touch(QStringLiteral("www.example.com"));
    for (const QString &url : {QStringLiteral("http://example.com"), QStringLiteral("HTTP://EXAMPLE.COM/x"),
                               QStringLiteral("https://example.com/a/b.html"), QStringLiteral("ftp://host/file"),
                               QStringLiteral("www.example.com"), QStringLiteral("WWW.Example.org")})
        ASSERT_TRUE(AddButton(list, url, QString(), list.nextImageIndex())) << url.toStdString();
    EXPECT_EQ(programs.items(),
              (QStringList{"http://example.com", "HTTP://EXAMPLE.COM/x", "https://example.com/a/b.html",
                           "ftp://host/file", "www.example.com", "WWW.Example.org"}));
    EXPECT_EQ(view.Text(3), QStringLiteral("b.html"));
    // Not a scheme: a relative path.
    ASSERT_TRUE(AddButton(list, QStringLiteral("example.com"), QString(), list.nextImageIndex()));
    EXPECT_EQ(programs.List(6), path(QStringLiteral("example.com")));
}

TEST_F(AddButtonTest, DuplicateCaptionsBothAppearAndListsStayPaired)
{
    const QString a = touch(QStringLiteral("one/readme.txt"));
    const QString b = touch(QStringLiteral("two/readme.txt"));
    ASSERT_TRUE(AddButton(list, a, QString(), 1));
    ASSERT_TRUE(AddButton(list, b, QString(), 2));
    ASSERT_TRUE(AddButton(list, a, QString(), 3));
    EXPECT_EQ(captions(), (QStringList{"readme.txt", "readme.txt", "readme.txt"}));
    EXPECT_EQ(programs.items(), (QStringList{a, b, a}));
    EXPECT_NE(view.Key(1), view.Key(2));
    EXPECT_NE(view.Key(2), view.Key(3));

    // Keys freed by a delete are found again; no two items ever share one.
    ASSERT_TRUE(view.Remove(2));
    programs.RemoveItem(1);
    ASSERT_TRUE(AddButton(list, b, QString(), 4));
    ASSERT_TRUE(AddButton(list, a, QString(), 5));
    QSet<QString> keys;
    for (int i = 1; i <= view.Count(); ++i)
        keys.insert(view.Key(i));
    EXPECT_EQ(keys.size(), 4);
    EXPECT_EQ(programs.items(), (QStringList{a, a, b, a}));
}

TEST_F(AddButtonTest, AnAddThatCannotFormATargetAddsToNeitherList)
{
    EXPECT_FALSE(AddButton(list, QString(), QStringLiteral("nothing"), 1));
    EXPECT_EQ(view.Count(), 0);
    EXPECT_EQ(programs.ListCount(), 0);
}

TEST_F(AddButtonTest, PositionsApplyOnlyWhenIconsArePlacedByHand)
{
    ASSERT_TRUE(AddButton(list, QStringLiteral("/a"), QString(), 1, QString(), QStringLiteral("1200")));
    EXPECT_EQ(view.Top(1), 1200);
    const double autoLeft = view.Left(1); // chosen by the list
    ASSERT_TRUE(AddButton(list, QStringLiteral("/b"), QString(), 2, QStringLiteral("abc"), QStringLiteral("600")));
    EXPECT_EQ(view.Top(2), 600); // a bad left does not stop the top
    EXPECT_GE(autoLeft, 0);

    view.resize(300, 200);
    view.setArrange(2);
    ASSERT_TRUE(AddButton(list, QStringLiteral("/c"), QString(), 3, QStringLiteral("9000"), QStringLiteral("9000")));
    EXPECT_LT(view.Left(3), 9000);
    EXPECT_LT(view.Top(3), 9000);
}

TEST_F(AddButtonTest, TheImageLimitRefusesFurtherAddsCleanly)
{
    const QIcon icon = lookup.iconForKey(QString());
    while (large.Count() < shortcuts::kMaxImages) {
        large.Add(icon);
        small.Add(icon);
    }
    EXPECT_FALSE(AddButton(list, QStringLiteral("/a"), QString(), list.nextImageIndex()));
    EXPECT_EQ(view.Count(), 0);
    EXPECT_EQ(programs.ListCount(), 0);
    EXPECT_EQ(large.Count(), shortcuts::kMaxImages);
}

} // namespace
