// Making shortcuts and keeping them: captions, targets, icons, positions,
// and what the model tells the views that read it.
#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>

#include "platform/widgets/ItemRoles.h"
#include "platform/widgets/Twips.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;

namespace {

using ShortcutModelTest = ShortcutFixtureInTempDir;

TEST_F(ShortcutModelTest, FileShortcutGetsFileNameCaptionAbsoluteTargetAndTypeIcon)
{
    const QString report = touch(QStringLiteral("Docs/Report.final.txt"));
    ASSERT_TRUE(add(report));
    EXPECT_EQ(model.at(0).caption, QStringLiteral("Report.final.txt"));
    EXPECT_EQ(model.at(0).target, report);
    EXPECT_EQ(model.at(0).icon.cacheKey(), lookup.iconForKey(QStringLiteral(".txt")).cacheKey());
    EXPECT_EQ(model.at(0).iconKey, QStringLiteral(".txt"));

    // A relative path: absolute target, caption from the text as passed.
    ASSERT_TRUE(add(QStringLiteral("Docs/../Docs/Report.final.txt")));
    EXPECT_EQ(model.at(1).target, QDir(dir.path()).filePath(QStringLiteral("Docs/Report.final.txt")));
    EXPECT_EQ(model.at(1).caption, QStringLiteral("Report.final.txt"));

    // A given name wins over the file name.
    ASSERT_TRUE(add(report, QStringLiteral("Quarterly")));
    EXPECT_EQ(model.at(2).caption, QStringLiteral("Quarterly"));
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

TEST_F(ShortcutModelTest, IconsSayWhatTheTargetIs)
{
    platform::IconLookup::ensureIconTheme();
    QDir(dir.path()).mkdir(QStringLiteral("Games"));
    const QString noext = touch(QStringLiteral("Makefile"));
    const QString program = touch(QStringLiteral("run"), "#!/bin/sh\n");
    QFile(program).setPermissions(QFile::permissions(program) | QFileDevice::ExeOwner);
    const QString entry = touch(QStringLiteral("editor.desktop"),
                                "[Desktop Entry]\nType=Application\nName=Text Editor\nIcon=user-home\nExec=ed\n");
    add(path(QStringLiteral("Games")) + QLatin1Char('/'));
    add(path(QStringLiteral("missing.txt")));
    add(QStringLiteral("http://example.com/"));
    add(noext);
    add(program);
    add(entry);
    add(entry, QStringLiteral("Kept"));
    const QString script = touch(QStringLiteral("build.sh"), "#!/bin/sh\n");
    QFile(script).setPermissions(QFile::permissions(script) | QFileDevice::ExeOwner);
    add(script);
    auto icon = [&](int row) { return model.index(row).data(Qt::DecorationRole).value<QIcon>(); };
    EXPECT_EQ(captions(),
              (QStringList{"Games", "missing.txt", "example.com", "Makefile", "run", "Text Editor", "Kept", "build.sh"}));
    EXPECT_EQ(model.at(0).target, path(QStringLiteral("Games")));
    EXPECT_EQ(icon(0).name(), QStringLiteral("inode-directory"));
    EXPECT_EQ(icon(3).cacheKey(), lookup.iconForKey(QStringLiteral(".")).cacheKey());
    EXPECT_EQ(icon(4).name(), QStringLiteral("application-x-executable"));
    EXPECT_EQ(icon(7).name(), QStringLiteral("application-x-shellscript")); // a type of its own
    // The entry's own icon.
    EXPECT_EQ(icon(5).name(), QStringLiteral("user-home"));
    // Web addresses: the handler's icon, else a web page.
    EXPECT_FALSE(icon(2).isNull());
    EXPECT_NE(icon(2).cacheKey(), lookup.iconForKey(QString()).cacheKey());
    // A missing file: its type's icon, dimmed to about 40 %.
    const int usual = opacityOf(lookup.iconForKey(QStringLiteral(".txt")));
    EXPECT_NEAR(opacityOf(icon(1)), usual * 0.4, 8);
    EXPECT_NEAR(opacityOf(icon(4)), 255, 8);
    // Drawn at the screen's density, not scaled up from 32 pixels.
    EXPECT_EQ(icon(1).pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    // One icon per kind of target: the same kind shares it.
    EXPECT_EQ(icon(5).cacheKey(), icon(6).cacheKey());

    // Gone and back again: the icons follow at the next refresh, and the
    // views hear of exactly those rows.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QFile::remove(program);
    touch(QStringLiteral("missing.txt"));
    model.refreshIcons();
    EXPECT_LT(opacityOf(icon(4)), 160);
    EXPECT_EQ(icon(1).cacheKey(), lookup.iconForKey(QStringLiteral(".txt")).cacheKey());
    EXPECT_EQ(captions().size(), 8);
    ASSERT_EQ(changed.count(), 2);
    for (int i : {0, 1}) {
        const int row = i == 0 ? 1 : 4;
        EXPECT_EQ(changed.at(i).at(0).value<QModelIndex>().row(), row);
        EXPECT_EQ(changed.at(i).at(1).value<QModelIndex>().row(), row);
        EXPECT_EQ(changed.at(i).at(2).value<QList<int>>(), QList<int>{Qt::DecorationRole});
    }
}

TEST_F(ShortcutModelTest, ARefreshAnnouncesOnlyTheRowsWhoseIconChanged)
{
    QStringList files;
    for (int i = 0; i < 6; ++i) {
        files << touch(QStringLiteral("f%1.txt").arg(i));
        ASSERT_TRUE(add(files.last()));
    }
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    // Nothing changed: nothing to redraw, however often it is asked.
    model.refreshIcons();
    model.refreshIcons();
    EXPECT_EQ(changed.count(), 0);

    // Two neighbours and one apart go missing: one run and one row.
    for (int row : {1, 2, 4})
        QFile::remove(files[row]);
    model.refreshIcons();
    ASSERT_EQ(changed.count(), 2);
    auto range = [&](int i) {
        return std::pair(changed.at(i).at(0).value<QModelIndex>().row(), changed.at(i).at(1).value<QModelIndex>().row());
    };
    EXPECT_EQ(range(0), std::pair(1, 2));
    EXPECT_EQ(range(1), std::pair(4, 4));
    EXPECT_EQ(model.at(2).iconKey, QStringLiteral("missing:.txt"));
    changed.clear();
    model.refreshIcons();
    EXPECT_EQ(changed.count(), 0) << "still missing is no change";

    // The last one comes back.
    touch(QStringLiteral("f4.txt"));
    model.refreshIcons();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(range(0), std::pair(4, 4));
    EXPECT_EQ(model.at(4).iconKey, QStringLiteral(".txt"));
    EXPECT_EQ(model.at(4).icon.cacheKey(), lookup.iconForKey(QStringLiteral(".txt")).cacheKey());
}

TEST_F(ShortcutModelTest, WebAddressesAreKeptAsTypedInAnyCase)
{
    // Even a file of that name in the current folder does not make it a path.
    touch(QStringLiteral("www.example.com"));
    for (const QString &url : {QStringLiteral("http://example.com"), QStringLiteral("HTTP://EXAMPLE.COM/x"),
                               QStringLiteral("https://example.com/a/b.html"), QStringLiteral("ftp://host/file"),
                               QStringLiteral("www.example.com"), QStringLiteral("WWW.Example.org")})
        ASSERT_TRUE(add(url)) << url.toStdString();
    EXPECT_EQ(targets(),
              (QStringList{"http://example.com", "HTTP://EXAMPLE.COM/x", "https://example.com/a/b.html",
                           "ftp://host/file", "www.example.com", "WWW.Example.org"}));
    EXPECT_EQ(model.at(2).caption, QStringLiteral("b.html"));
    // Not a scheme: a relative path.
    ASSERT_TRUE(add(QStringLiteral("example.com")));
    EXPECT_EQ(model.at(6).target, path(QStringLiteral("example.com")));
}

TEST_F(ShortcutModelTest, DuplicateCaptionsAndTargetsAreEachTheirOwnShortcut)
{
    const QString a = touch(QStringLiteral("one/readme.txt"));
    const QString b = touch(QStringLiteral("two/readme.txt"));
    ASSERT_TRUE(add(a));
    ASSERT_TRUE(add(b));
    ASSERT_TRUE(add(a));
    EXPECT_EQ(captions(), (QStringList{"readme.txt", "readme.txt", "readme.txt"}));
    EXPECT_EQ(targets(), (QStringList{a, b, a}));
    ASSERT_TRUE(model.remove(1));
    EXPECT_FALSE(model.remove(2));
    EXPECT_FALSE(model.remove(-1));
    ASSERT_TRUE(add(b));
    EXPECT_EQ(targets(), (QStringList{a, a, b}));
}

TEST_F(ShortcutModelTest, AnAddThatCannotFormATargetAddsNothing)
{
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    EXPECT_FALSE(add(QString(), QStringLiteral("nothing")));
    EXPECT_EQ(model.count(), 0);
    EXPECT_EQ(inserted.count(), 0);
}

TEST_F(ShortcutModelTest, OwnPlacesCountOnlyWhileIconsArePlacedByHand)
{
    view.resize(300, 200);
    auto one = shortcuts::makeShortcut(QStringLiteral("/a"));
    ASSERT_TRUE(one);
    one->top = 1200; // the left is left to the list
    model.add(*one);
    EXPECT_EQ(view.placeOf(0).y(), 1200);
    EXPECT_GE(view.placeOf(0).x(), 0);
    // The left the list chose is the shortcut's own from then on.
    ASSERT_TRUE(model.at(0).left);
    EXPECT_EQ(*model.at(0).left, view.placeOf(0).x());

    view.setArrange(2);
    auto far = shortcuts::makeShortcut(QStringLiteral("/c"));
    far->left = far->top = 9000;
    model.add(*far);
    EXPECT_LT(view.placeOf(1).x(), 9000);
    EXPECT_LT(view.placeOf(1).y(), 9000);
}

TEST_F(ShortcutModelTest, ThereIsNoLimitToTheNumberOfShortcuts)
{
    // More than a 16-bit picture number could count, each with its own
    // caption, target and icon, in one batch.
    std::vector<shortcuts::Shortcut> many;
    for (int i = 0; i < 32767 + 2; ++i)
        many.push_back(*shortcuts::makeShortcut(QStringLiteral("https://example.org/%1").arg(i), QString::number(i)));
    model.add(std::move(many));
    ASSERT_EQ(model.count(), 32769);
    EXPECT_EQ(model.at(32768).caption, QStringLiteral("32768"));
    EXPECT_EQ(model.at(32768).target, QStringLiteral("https://example.org/32768"));
    EXPECT_FALSE(model.index(32768).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(view.count(), 32769);
}

TEST_F(ShortcutModelTest, RolesRenamingAndWhatADragCarries)
{
    const QString file = touch(QStringLiteral("a.txt"));
    add(file, QStringLiteral("A"));
    add(path(QStringLiteral("gone.txt")));
    add(QStringLiteral("https://example.org/"));
    const QModelIndex first = model.index(0);
    EXPECT_EQ(first.data(platform::ItemRole::Detail).toString(), file);
    EXPECT_EQ(model.index(1).data(platform::ItemRole::Detail).toString(),
              path(QStringLiteral("gone.txt")) + QStringLiteral("\nThis file or folder is missing."));
    EXPECT_FALSE(first.data(platform::ItemRole::Left).isValid());

    // Renamed in place: an empty caption is refused, a new one kept and told.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_FALSE(model.setData(first, QStringLiteral("  "), Qt::EditRole));
    EXPECT_TRUE(model.setData(first, QStringLiteral("B"), Qt::EditRole));
    EXPECT_EQ(model.at(0).caption, QStringLiteral("B"));
    EXPECT_EQ(changed.count(), 1);
    // The view's note of where it shows an icon is kept, and told nobody.
    EXPECT_TRUE(model.setData(first, QPoint(3, 4), platform::ItemRole::ShownAt));
    EXPECT_EQ(model.at(0).shown, QPoint(3, 4));
    EXPECT_EQ(changed.count(), 1);

    // Dragged out, in the list's order, each shortcut carries its target.
    std::unique_ptr<QMimeData> data(model.mimeData({model.index(2), first}));
    ASSERT_TRUE(data);
    ASSERT_EQ(data->urls().size(), 2);
    EXPECT_EQ(data->urls().at(0).toLocalFile(), file);
    EXPECT_EQ(data->urls().at(1), QUrl(QStringLiteral("https://example.org/")));
}

TEST_F(ShortcutModelTest, AnEditKeepsThePlaceAndAnnouncesOneChangeOfWhatIsShown)
{
    const QString file = touch(QStringLiteral("a.txt"));
    const QString image = path(QStringLiteral("own.png"));
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(image));
    add(file, QStringLiteral("A"));
    ASSERT_TRUE(model.setData(model.index(0), 360.0, platform::ItemRole::Left));
    const QString kindKey = model.at(0).iconKey;

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    shortcuts::Shortcut edited = model.at(0);
    edited.caption = QStringLiteral("B");
    edited.comment = QStringLiteral("Weekly report");
    edited.iconName = image;
    edited.left = 9999.0; // not the edit's to move
    ASSERT_TRUE(model.edit(0, edited));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.at(0).caption, QStringLiteral("B"));
    EXPECT_EQ(model.at(0).left, 360.0);
    EXPECT_NE(model.at(0).iconKey, kindKey);
    EXPECT_EQ(model.index(0).data(platform::ItemRole::Comment).toString(), QStringLiteral("Weekly report"));

    // The comment first in the tooltip and in what screen readers hear.
    const QModelIndex shown = view.model()->index(0, 0);
    EXPECT_TRUE(shown.data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("Weekly report\nB\n" ) + file))
        << shown.data(Qt::ToolTipRole).toString().toStdString();
    EXPECT_EQ(shown.data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Weekly report\n") + file);

    // Back to automatic: the kind's icon again; a blank caption is refused.
    edited = model.at(0);
    edited.iconName.clear();
    edited.comment.clear();
    ASSERT_TRUE(model.edit(0, edited));
    EXPECT_EQ(model.at(0).iconKey, kindKey);
    EXPECT_EQ(view.model()->index(0, 0).data(Qt::AccessibleDescriptionRole).toString(), file);
    edited.caption = QStringLiteral(" ");
    EXPECT_FALSE(model.edit(0, edited));
    EXPECT_FALSE(model.edit(1, model.at(0)));
    EXPECT_EQ(model.at(0).caption, QStringLiteral("B"));
}

} // namespace
