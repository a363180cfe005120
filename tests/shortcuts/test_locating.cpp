// Where "Show in Folder" takes a shortcut's target, and what copying it gives.
#include "shortcuts/Locating.h"
#include "support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using shortcuts::FolderPlace;

namespace {

class LocatingTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString at(const QString &name) const { return QDir(dir.path()).absoluteFilePath(name); }
    QString make(const QString &name) const
    {
        QFile file(at(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return file.fileName();
    }
    testing_support::RecordingOpener opener;
};

TEST_F(LocatingTest, AFileOrFolderThatIsThereIsSelectedInItsFolder)
{
    QDir(dir.path()).mkpath(QStringLiteral("sub folder"));
    for (const QString &target : {make(QStringLiteral("report 100%.txt")), at(QStringLiteral("sub folder"))}) {
        SCOPED_TRACE(target.toStdString());
        const FolderPlace place = shortcuts::folderPlaceOf(target);
        EXPECT_EQ(place.kind, FolderPlace::Kind::SelectedInFolder);
        EXPECT_EQ(place.path, target);
    }
    EXPECT_TRUE(shortcuts::ShowInFolder(at(QStringLiteral("sub folder")), opener));
    EXPECT_EQ(opener.shownInFolder, QStringList{at(QStringLiteral("sub folder"))});
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST_F(LocatingTest, ForATargetThatIsGoneTheNearestFolderStillThereOpens)
{
    QDir(dir.path()).mkpath(QStringLiteral("kept"));
    const QString gone = at(QStringLiteral("kept/gone/deeper/notes.txt"));
    const FolderPlace place = shortcuts::folderPlaceOf(gone);
    EXPECT_EQ(place.kind, FolderPlace::Kind::FolderOpened);
    EXPECT_EQ(place.path, at(QStringLiteral("kept")));
    EXPECT_TRUE(shortcuts::ShowInFolder(gone, opener));
    EXPECT_EQ(opener.opened, QStringList{at(QStringLiteral("kept"))});
    EXPECT_TRUE(opener.shownInFolder.isEmpty());
    // A file where a folder was expected does not stop the walk up.
    const QString underAFile = make(QStringLiteral("plain")) + QStringLiteral("/child");
    EXPECT_EQ(shortcuts::folderPlaceOf(underAFile).path, dir.path());
}

TEST_F(LocatingTest, ALinkIsShownNowhere)
{
    for (const char *link : {"https://example.org/", "www.example.org", "mailto:me@example.org"}) {
        EXPECT_EQ(shortcuts::folderPlaceOf(QString::fromLatin1(link)).kind, FolderPlace::Kind::Nowhere) << link;
        EXPECT_FALSE(shortcuts::ShowInFolder(QString::fromLatin1(link), opener)) << link;
    }
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(opener.shownInFolder.isEmpty());
}

TEST_F(LocatingTest, CopyingGivesThePathOrAddressAsTextAndAsAUri)
{
    const QString file = make(QStringLiteral("a #1 & 100%.txt"));
    std::unique_ptr<QMimeData> copied(shortcuts::copiedTarget(file));
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), file);
    EXPECT_EQ(copied->urls(), QList<QUrl>{QUrl::fromLocalFile(file)});
    EXPECT_EQ(copied->urls().first().toLocalFile(), file);

    copied.reset(shortcuts::copiedTarget(QStringLiteral("www.example.org/a b")));
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), QStringLiteral("http://www.example.org/a b"));
    EXPECT_EQ(copied->urls().value(0).host(), QStringLiteral("www.example.org"));

    EXPECT_EQ(shortcuts::copiedTarget(QString()), nullptr);
}

} // namespace
