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
#include "support/DesktopRecorders.h"
#include "support/QtPrinters.h"
#include "support/Recorders.h"

using namespace testing_support;

namespace {

struct NoFrame : config::WindowFrame {
    int frameState() const override { return 0; }
    double frameTop() const override { return 600; }
    double frameLeft() const override { return 900; }
    double frameHeight() const override { return 3000; }
    double frameWidth() const override { return 4000; }
    void setFrame(std::optional<double>, std::optional<double>, std::optional<double>, std::optional<double>) override {}
};

const QByteArray kProfile = "[Tessaflow]\r\nArrange=1\r\nSView=0\r\n"
                            "0=http://a.example.org|report-a||\r\n"
                            "1=http://b.example.org|report-b||\r\n"
                            "2=http://c.example.org|my report c||\r\n";

class FrecencyTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    RecordingOpener opener;
    RecordingClipboard clipboard;
    RecordingFileChooser fileChooser;
    platform::IconLookup icons;
    platform::Autostart autostart{dir.filePath(QStringLiteral("autostart/tessaflow.desktop")),
                                  dir.filePath(QStringLiteral("bin/tessaflow"))};
    QWidget parent;
    platform::ListView view{&parent};
    NoFrame frame;
    QString ini = dir.filePath(QStringLiteral("tsw.ini"));
    launcher::Controller controller{ini, {dialogs, opener, clipboard, fileChooser, autostart, icons}, view, frame,
                                    parent};
    qint64 now = 1'800'000'000;
    platform::OpenedStore store{dir.filePath(QStringLiteral("state/tessaflow/opened.txt")), ini};
    shortcuts::Frecency frecency{store, [this] { return now; }};

    void SetUp() override
    {
        view.resize(400, 300);
        parent.resize(400, 300);
        QFile profile(ini);
        ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
        profile.write(kProfile);
        profile.close();
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
    const QDateTime before = QFileInfo(ini).lastModified();
    open(QStringLiteral("report-b"));
    open(QStringLiteral("report-b"));
    controller.openShown(3);
    ASSERT_EQ(opener.opened.size(), 3);
    QFile profile(ini);
    ASSERT_TRUE(profile.open(QIODevice::ReadOnly));
    EXPECT_EQ(profile.readAll(), kProfile);
    EXPECT_EQ(QFileInfo(ini).lastModified(), before);
    EXPECT_TRUE(QFileInfo(store.path()).isFile());
}

} // namespace
