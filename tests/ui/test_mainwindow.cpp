// The main window from start-up to shutdown.
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QScreen>
#include <QRegularExpression>
#include <QFileInfo>
#include <csignal>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "platform/process/SignalWatcher.h"
#include "ui/MainWindow.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, FirstStartShowsTheDesignedEmptyWindowWithItsTrayIcon)
{
    auto window = open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessaflow by tessaflow.org - v1.1.0"));
    EXPECT_EQ(window->size(), QSize(346, 232)); // 5190 x 3480 twips at 96 dpi
    EXPECT_EQ(window->lstButtons().geometry(), window->rect()); // fills the client area
    EXPECT_EQ(window->lstButtons().toolTip(), QStringLiteral("Drag & Drop files to Add"));
    EXPECT_TRUE(window->lstButtons().acceptDrops());
    EXPECT_EQ(window->lstButtons().count(), 0);
    EXPECT_FALSE(window->windowIcon().isNull());
    // The raw pixels it is read from are the PNG's, the picture that is installed.
    EXPECT_EQ(window->windowIcon().pixmap(64, 64).toImage().convertToFormat(QImage::Format_RGB32),
              QImage(QStringLiteral(":/tessaflow/tessaflow-64.png")).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(tray.adds, 1);
    EXPECT_EQ(tray.tip, QStringLiteral("Tessaflow"));
    EXPECT_FALSE(QFile::exists(profile)); // nothing is written at start-up

    window->resize(500, 400);
    QApplication::processEvents();
    EXPECT_EQ(window->lstButtons().geometry(), window->rect());
}

TEST_F(MainWindowTest, ASaveBeforeTheWindowIsFramedKeepsTheStoredGeometryWhichFollowsOnceItIs)
{
    writeProfile("[Tessaflow]\nTop=1500\nLeft=1800\nHeight=4500\nWidth=6000\n0=http://a.org|a||\n");
    ui::MainWindow window(profile, services());
    window.start();
    // Read at once, without waiting for the window system.
    EXPECT_EQ(window.model().count(), 1);
    ASSERT_TRUE(window.frame().waiting()) << "framed before start() returned: nothing to check here";
    window.controller().save();
    EXPECT_TRUE(readProfile().startsWith("[Tessaflow]\nTop=1500\nLeft=1800\nHeight=4500\nWidth=6000\n"))
        << readProfile().constData();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry() == QRect(120, 100, 400, 300); }))
        << window.frameGeometry().x() << "," << window.frameGeometry().y();
    EXPECT_FALSE(window.frame().waiting());
    window.close();
}

TEST_F(MainWindowTest, StoredGeometryShortcutsAndSettingsComeBack)
{
    writeProfile("[Tessaflow]\nTop=1500\nLeft=1800\nHeight=4500\nWidth=6000\nArrange=0\nSView=1\n"
                 "0=/nowhere/a.txt|a.txt|300|150\n1=http://example.com|Example||\n");
    auto window = open();
    EXPECT_EQ(window->frameGeometry(), QRect(120, 100, 400, 300));
    EXPECT_DOUBLE_EQ(window->frame().frameTop(), 1500);
    EXPECT_EQ(window->lstButtons().View(), 1);
    ASSERT_EQ(window->lstButtons().count(), 2);
    EXPECT_EQ(window->lstButtons().placeOf(0).x(), 300);
    EXPECT_EQ(window->model().at(1).target, QStringLiteral("http://example.com"));

    window->close();
    const QByteArray saved = readProfile();
    EXPECT_TRUE(saved.startsWith("[Tessaflow]\nTop=1500\nLeft=1800\nHeight=4500\nWidth=6000\nArrange=0\nSView=1\n"
                                 "0=/nowhere/a.txt|a.txt|300|150\n"))
        << saved.left(200).constData();
}

TEST_F(MainWindowTest, GeometryOffEveryScreenKeepsOnlyTheSize)
{
    writeProfile("[Tessaflow]\nTop=-90000\nLeft=900000\nHeight=4500\nWidth=6000\n");
    auto window = open();
    EXPECT_EQ(window->frameGeometry().size(), QSize(400, 300));
    bool reachable = false;
    for (QScreen *screen : QGuiApplication::screens())
        reachable = reachable || screen->geometry().intersects(window->frameGeometry());
    EXPECT_TRUE(reachable);
}

TEST_F(MainWindowTest, GeometryPartlyOffScreenIsBroughtInAndAFittingOneIsKept)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Half off the right edge, and larger than the screen.
    writeProfile(QStringLiteral("[Tessaflow]\nTop=1500\nLeft=%1\nHeight=4500\nWidth=6000\n")
                     .arg((screen.right() - 200) * 15)
                     .toUtf8());
    auto window = open();
    EXPECT_EQ(window->frameGeometry(), QRect(screen.right() - 399, 100, 400, 300));
    writeProfile(QStringLiteral("[Tessaflow]\nTop=-300\nLeft=0\nHeight=%1\nWidth=%2\n")
                     .arg((screen.height() + 50) * 15)
                     .arg((screen.width() + 10) * 15)
                     .toUtf8());
    window = open();
    EXPECT_EQ(window->frameGeometry(), screen);
    writeProfile("[Tessaflow]\nTop=1500\nLeft=1800\nHeight=4500\nWidth=6000\n");
    window = open();
    EXPECT_EQ(window->frameGeometry(), QRect(120, 100, 400, 300));
}

TEST_F(MainWindowTest, MinimisingHidesToTheTrayOnlyWhenThereIsOne)
{
    for (bool host : {true, false}) {
        tray.hostPresent = host;
        auto window = open();
        window->showMinimized();
        QTest::qWait(20);
        EXPECT_EQ(window->isHidden(), host) << host;
        EXPECT_TRUE(tray.shown);
        EXPECT_EQ(window->frame().frameState(), 1);
    }
}

TEST_F(MainWindowTest, ClosingSavesOnceAndRemovesTheTrayIcon)
{
    auto window = open();
    QSignalSpy unloaded(window.get(), &ui::MainWindow::unloaded);
    window->close();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(tray.removes, 1);
    EXPECT_TRUE(readProfile().startsWith("[Tessaflow]\nTop="));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindowTest, ClosingWhileMaximisedWritesTheNormalGeometry)
{
    writeProfile("[Tessaflow]\nTop=15\nLeft=30\nHeight=4500\nWidth=6000\n");
    auto window = open();
    window->showMaximized();
    QApplication::processEvents();
    window->close();
    EXPECT_TRUE(readProfile().startsWith("[Tessaflow]\nTop=15\nLeft=30\nHeight=4500\nWidth=6000\nArrange="));
}

TEST_F(MainWindowTest, SigtermEndsTheProgramWithTheUsualSave)
{
    auto window = open();
    window->showMinimized(); // even from the tray
    QTest::qWait(20);
    platform::SignalWatcher watcher;
    QObject::connect(&watcher, &platform::SignalWatcher::terminationRequested, window.get(),
                     &ui::MainWindow::closeOnSignal);
    QSignalSpy unloaded(window.get(), &ui::MainWindow::unloaded);
    ::raise(SIGTERM);
    EXPECT_TRUE(unloaded.wait(2000));
    EXPECT_EQ(tray.removes, 1);
    EXPECT_TRUE(readProfile().contains("Arrange=0"));
}

TEST_F(MainWindowTest, ASignalBeforeTheProfileIsLoadedEndsWithoutASave)
{
    const QByteArray stored = "[Tessaflow]\n0=http://a.org|a||\n1=http://b.org|b||\n";
    writeProfile(stored);
    ui::MainWindow window(profile, services());
    QSignalSpy unloaded(&window, &ui::MainWindow::unloaded);
    window.closeOnSignal(); // before it started
    window.start();
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(tray.adds, 0);
    EXPECT_EQ(readProfile(), stored);
}

TEST_F(MainWindowTest, AProfileThatIsNoPlainFileIsReportedOnceAndNeverWritten)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(profile).constData(), 0600), 0);
    auto window = open(); // returns: the FIFO is never opened
    shortcuts::addShortcut(window->model(), QStringLiteral("http://example.com"));
    EXPECT_FALSE(window->controller().save());
    window->close();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("not a regular file")));
    EXPECT_TRUE(QFileInfo(profile).isFile() == false && QFileInfo::exists(profile));
}

TEST_F(MainWindowTest, EachVersionAnotherCopySavedIsKeptAndTheUserToldEachTime)
{
    writeProfile("[Tessaflow]\n0=http://mine.org|mine||\n");
    auto window = open();
    const char *versions[] = {"[Tessaflow]\n0=http://theirs.org|theirs||\n", "[Tessaflow]\n0=http://again.org|x||\n"};
    QStringList kept;
    for (int i = 0; i < 2; ++i) {
        writeProfile(versions[i]);
        ASSERT_TRUE(window->controller().save());
        ASSERT_EQ(dialogs.shown.size(), size_t(i + 1));
        const QRegularExpression path(QRegularExpression::escape(dir.filePath(QStringLiteral("tsw.versions/")))
                                      + QStringLiteral("[^ ]*-other\\.ini"));
        const QString told = path.match(dialogs.shown[i].text).captured();
        ASSERT_FALSE(told.isEmpty()) << dialogs.shown[i].text.toStdString();
        kept << told;
    }
    ASSERT_NE(kept[0], kept[1]);
    for (int i = 0; i < 2; ++i) {
        QFile version(kept[i]);
        ASSERT_TRUE(version.open(QIODevice::ReadOnly));
        EXPECT_EQ(version.readAll(), versions[i]);
    }
    EXPECT_TRUE(readProfile().contains("0=http://mine.org|mine|"));
}

TEST_F(MainWindowTest, AFailedSaveIsShownOnceAndTheShortcutsStay)
{
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    profile = dir.filePath(QStringLiteral("blocker/tsw.ini"));
    auto window = open();
    shortcuts::addShortcut(window->model(), QStringLiteral("http://example.com"));
    EXPECT_FALSE(window->controller().save());
    EXPECT_FALSE(window->controller().save());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Tessaflow"));
    EXPECT_TRUE(dialogs.shown[0].text.contains(profile));
    EXPECT_EQ(window->lstButtons().count(), 1);
}

} // namespace
