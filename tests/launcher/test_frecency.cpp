// Opening a shortcut counts for typing: among equal matches the one opened
// more often and more lately comes first, the list's own order and Alt+digit
// never change, and the profile is never rewritten by an opening.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "launcher/Controller.h"
#include "support/ControllerFixture.h"
#include "support/QtPrinters.h"

using namespace testing_support;

namespace {

const QByteArray kProfile = "[Tessaflow]\r\nArrange=1\r\nSView=0\r\n"
                            "0=http://a.example.org|report-a||\r\n"
                            "1=http://b.example.org|report-b||\r\n"
                            "2=http://c.example.org|my report c||\r\n";

class FrecencyTest : public ControllerFixture {
protected:
    qint64 now = 1'800'000'000;
    platform::OpenedStore store{dir.filePath(QStringLiteral("state/tessaflow/opened.txt")), profile};
    shortcuts::Frecency frecency{store, [this] { return now; }};

    void SetUp() override
    {
        view.resize(400, 300);
        parent.resize(400, 300);
        writeProfile(kProfile);
        controller.load();
        controller.offers().setReader([] { return std::vector<platform::Application>{}; });
        controller.setFrecency(&frecency);
    }

    // Types `text`, Enter, as the window does; the filter ends after.
    void open(const QString &text)
    {
        controller.finder().type(text);
        controller.openSelected();
        controller.finder().clear();
    }
    QString firstFor(const QString &text)
    {
        controller.finder().type(text);
        const int row = view.shownRow(1);
        controller.finder().clear();
        return row < 0 ? QString() : controller.model().at(row).caption;
    }
};

TEST_F(FrecencyTest, TheShortcutOpenedMoreOftenComesFirstAmongEqualMatchesOnly)
{
    EXPECT_EQ(firstFor(QStringLiteral("report")), QStringLiteral("report-a")); // nothing opened: list order
    open(QStringLiteral("report-b"));
    open(QStringLiteral("report-b"));
    open(QStringLiteral("my report"));
    open(QStringLiteral("my report"));
    open(QStringLiteral("my report"));
    EXPECT_EQ(opener.opened, (QStringList{"http://b.example.org", "http://b.example.org", "http://c.example.org",
                                          "http://c.example.org", "http://c.example.org"}));
    // "my report c" is opened most, but only matches by a later word: it stays after both.
    controller.finder().type(QStringLiteral("report"));
    EXPECT_EQ(view.shownRow(1), 1);
    EXPECT_EQ(view.shownRow(2), 0);
    EXPECT_EQ(view.shownRow(3), 2);
    controller.finder().clear();
    // Without a filter, the list's own order and Alt+digit stay.
    EXPECT_EQ(view.shownRow(1), 0);
    EXPECT_EQ(view.shownRow(2), 1);
    opener.opened.clear();
    controller.openShown(1);
    EXPECT_EQ(opener.opened, QStringList{"http://a.example.org"});
}

TEST_F(FrecencyTest, MoreRecentBeatsOlderWithEqualCountsAndTheScoresOutliveARestart)
{
    open(QStringLiteral("report-a"));
    now += 7 * 24 * 3600;
    open(QStringLiteral("report-b"));
    EXPECT_EQ(firstFor(QStringLiteral("report")), QStringLiteral("report-b"));
    // Another run reads what this one wrote.
    shortcuts::Frecency again(store, [this] { return now; });
    controller.setFrecency(&again);
    EXPECT_EQ(firstFor(QStringLiteral("report")), QStringLiteral("report-b"));
    // A fourth week without openings changes nothing of the order.
    now += 28 * 24 * 3600;
    EXPECT_EQ(firstFor(QStringLiteral("report")), QStringLiteral("report-b"));
    // Two more openings of the older one count more than one a month old.
    open(QStringLiteral("report-a"));
    open(QStringLiteral("report-a"));
    EXPECT_EQ(firstFor(QStringLiteral("report")), QStringLiteral("report-a"));
}

TEST_F(FrecencyTest, OpeningLeavesTheProfileByteIdentical)
{
    const QDateTime before = QFileInfo(profile).lastModified();
    open(QStringLiteral("report-b"));
    open(QStringLiteral("report-b"));
    controller.openShown(3);
    ASSERT_EQ(opener.opened.size(), 3);
    EXPECT_EQ(readProfile(), kProfile);
    EXPECT_EQ(QFileInfo(profile).lastModified(), before);
    EXPECT_TRUE(QFileInfo(store.path()).isFile());
}

} // namespace
