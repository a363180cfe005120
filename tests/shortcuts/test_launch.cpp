// Opening shortcuts: which text reaches the desktop's open.
#include <QDir>

#include "shortcuts/Launch.h"
#include "support/Recorders.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;
using shortcuts::launchTarget;

namespace {

class LaunchTest : public ShortcutFixtureInTempDir {
protected:
    RecordingOpener opener;
};

TEST_F(LaunchTest, OnlyExistingFilesWithoutAWebPrefixAreMadeAbsolute)
{
    touch(QStringLiteral("notes.txt"));
    touch(QStringLiteral("www.site"));
    touch(QStringLiteral("Www.site"));
    touch(QStringLiteral("ww"));
    touch(QStringLiteral("HTTP:/page"));
    QDir(dir.path()).mkdir(QStringLiteral("folder"));

    EXPECT_EQ(launchTarget(QStringLiteral("notes.txt")), path(QStringLiteral("notes.txt")));
    EXPECT_EQ(launchTarget(QStringLiteral("./notes.txt")), path(QStringLiteral("notes.txt")));
    // "www" and "http://" are recognised exactly as written, even over a file.
    EXPECT_EQ(launchTarget(QStringLiteral("www.site")), QStringLiteral("www.site"));
    EXPECT_EQ(launchTarget(QStringLiteral("Www.site")), path(QStringLiteral("Www.site")));
    EXPECT_EQ(launchTarget(QStringLiteral("HTTP:/page")), path(QStringLiteral("HTTP:/page")));
    EXPECT_EQ(launchTarget(QStringLiteral("ww")), path(QStringLiteral("ww"))); // shorter than the prefix
    // Folders and missing paths go on unchanged.
    EXPECT_EQ(launchTarget(QStringLiteral("folder")), QStringLiteral("folder"));
    EXPECT_EQ(launchTarget(QStringLiteral("missing.txt")), QStringLiteral("missing.txt"));
    EXPECT_EQ(launchTarget(QStringLiteral("http://example.com/notes.txt")), QStringLiteral("http://example.com/notes.txt"));
    EXPECT_EQ(launchTarget(QStringLiteral("HTTPS://EXAMPLE.COM")), QStringLiteral("HTTPS://EXAMPLE.COM"));
    EXPECT_EQ(launchTarget(QString()), QString());
}

TEST_F(LaunchTest, TheSelectedItemOpensItsOwnTargetAfterDeletionsInTheMiddle)
{
    const QStringList files = {touch(QStringLiteral("a.txt")), touch(QStringLiteral("b.txt")),
                               touch(QStringLiteral("c.txt")), touch(QStringLiteral("d.txt"))};
    for (const QString &f : files)
        add(f);

    EXPECT_FALSE(shortcuts::OpenSelected(list, opener)); // nothing selected: nothing opens
    EXPECT_TRUE(opener.opened.isEmpty());

    // Delete the second: the former third is now row 1 and still opens c.txt.
    model.remove(1);
    view.selectRow(1);
    EXPECT_TRUE(shortcuts::OpenSelected(list, opener));
    view.selectRow(2);
    EXPECT_TRUE(shortcuts::OpenSelected(list, opener));
    EXPECT_EQ(opener.opened, (QStringList{files[2], files[3]}));
    EXPECT_EQ(model.count(), 3); // launching changes no list
}

} // namespace
