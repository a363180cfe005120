// Loading the whole profile at start-up and writing it back.
#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include "platform/profile/ProfileVersions.h"
#include "platform/widgets/Twips.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;

namespace {

class ConfigTest : public ShortcutFixture {
protected:
    config::IniFile ini{path(QStringLiteral("tsw.ini"))};
    FakeFrame frame;

    QByteArray emptyKeysFrom(int first) const
    {
        QByteArray out;
        for (int k = first; k <= 100; ++k)
            out += QByteArray::number(k) + "=\n";
        return out;
    }
    // A shortcut with its own place as stored, as loading it makes it.
    void addAt(const QString &target, const QString &caption, double left, double top)
    {
        auto shortcut = shortcuts::makeShortcut(target, caption);
        ASSERT_TRUE(shortcut);
        shortcut->left = left;
        shortcut->top = top;
        model.add(*shortcut);
    }
};

TEST_F(ConfigTest, FirstSaveWritesKeysInTheDocumentedOrder)
{
    addAt(QStringLiteral("/tools/editor.exe"), QString(), 360, 240);
    addAt(QStringLiteral("/docs/plan.txt"), QString(), 1560, 240);
    ASSERT_TRUE(save(ini, frame));

    const QByteArray expected = "[Tessaflow]\n"
                                "Top=1440\nLeft=1200\nHeight=4320\nWidth=5760\n"
                                "Arrange=0\nSView=0\n"
                                "0=/tools/editor.exe|editor.exe|360|240\n"
                                "1=/docs/plan.txt|plan.txt|1560|240\n" +
                                emptyKeysFrom(2);
    EXPECT_EQ(readFile(QStringLiteral("tsw.ini")), expected);
}

TEST_F(ConfigTest, GeometryIsWrittenInEveryState)
{
    // Minimised, hidden or maximised, the window hands in its restore bounds.
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\nTop=15\nLeft=30\nHeight=45\nWidth=60\n");
    for (int state : {1, 2, 0}) {
        frame.state = state;
        frame.top = 1440 + state;
        ASSERT_TRUE(save(ini, frame));
        EXPECT_TRUE(readFile(QStringLiteral("tsw.ini"))
                        .startsWith("[Tessaflow]\nTop=" + QByteArray::number(1440 + state) + "\nLeft=1200\nHeight=4320\n"))
            << state;
    }
}

TEST_F(ConfigTest, APositionTheWindowSystemNeverToldIsNotWritten)
{
    // A Wayland window does not know where it is: the stored place stays, the
    // size is kept, and a profile without a place gets none.
    frame.positionKnown = false;
    frame.width = 6000;
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\nTop=15\nLeft=30\nHeight=45\nWidth=60\n");
    ASSERT_TRUE(save(ini, frame));
    EXPECT_TRUE(readFile(QStringLiteral("tsw.ini")).startsWith("[Tessaflow]\nTop=15\nLeft=30\nHeight=4320\nWidth=6000\n"));
    writeFile(QStringLiteral("tsw.ini"), "");
    ASSERT_TRUE(save(ini, frame));
    EXPECT_TRUE(readFile(QStringLiteral("tsw.ini")).startsWith("[Tessaflow]\nHeight=4320\nWidth=6000\nArrange=0\n"));
}

TEST_F(ConfigTest, EmptyListAndLongListsEmptyEveryKeyBeyondTheList)
{
    // An empty list still writes every key up to 100.
    ASSERT_TRUE(save(ini, frame));
    EXPECT_TRUE(readFile(QStringLiteral("tsw.ini")).endsWith(emptyKeysFrom(0)));

    // 120 shortcuts: keys 0..119 hold entries, nothing is emptied.
    for (int i = 0; i < 120; ++i)
        add(QStringLiteral("/t/%1.txt").arg(i));
    ASSERT_TRUE(save(ini, frame));
    platform::ProfileDocument doc;
    ASSERT_TRUE(ini.file().load(doc));
    EXPECT_EQ(doc.value(config::kSection, QStringLiteral("119")).section(QLatin1Char('|'), 0, 1),
              QStringLiteral("/t/119.txt|119.txt"));

    // Shrunk to 2: keys above 100 that are still there are emptied too, so the
    // old entries do not come back at the next start.
    while (model.count() > 2)
        model.remove(model.count() - 1);
    ASSERT_TRUE(save(ini, frame));
    ASSERT_TRUE(ini.file().load(doc));
    EXPECT_EQ(doc.value(config::kSection, QStringLiteral("1")).left(10), QStringLiteral("/t/1.txt|1"));
    for (int k : {2, 100, 101, 119})
        EXPECT_EQ(doc.value(config::kSection, QString::number(k)), QString()) << k;
    EXPECT_FALSE(doc.contains(config::kSection, QStringLiteral("120")));
}

TEST_F(ConfigTest, LoadAppliesEachUsableValueAndSkipsTheRest)
{
    writeFile(QStringLiteral("tsw.ini"), "[Other]\n0=/elsewhere|x|1|1\n"
                                         "[TESSAFLOW]\ntop=abc\nLeft=300\nHeight=4,5e3\nWidth=\n"
                                         "Arrange=7\nSView=1\n");
    EXPECT_EQ(load(ini, frame), 0);
    EXPECT_EQ(frame.top, 1440);   // letters: kept
    EXPECT_EQ(frame.left, 300);
    EXPECT_EQ(frame.height, 4500); // "," read as the decimal separator
    EXPECT_EQ(frame.width, 5760); // empty: kept
    EXPECT_EQ(view.Arrange(), 0); // out of range: kept
    EXPECT_EQ(view.View(), 1);
}

TEST_F(ConfigTest, LoadWithoutAFileChangesNothing)
{
    EXPECT_EQ(load(ini, frame), 0);
    EXPECT_EQ(frame.top, 1440);
    EXPECT_EQ(model.count(), 0);
    EXPECT_FALSE(QFile::exists(ini.path())); // nothing is created at start-up
}

TEST_F(ConfigTest, LoadSkipsUnusableEntriesAndGivesEachShortcutItsOwnIconAndPlace)
{
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\n"
                                         "0=/a/one.txt|one|15|30\n"
                                         "1=x\n"                       // one character: absent
                                         "2=/a/short|only-three|1\n"   // three fields: nothing
                                         "4=/a/two.txt|two|||\n"       // gap before; five fields
                                         "5=/a/three.txt|three|15|30|extra|more\n");
    EXPECT_EQ(load(ini, frame), 3);
    EXPECT_EQ(captions(), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(targets(), (QStringList{"/a/one.txt", "/a/two.txt", "/a/three.txt"}));
    // Every shortcut has its icon, whatever the key numbers were.
    for (const auto &shortcut : model.shortcuts())
        EXPECT_EQ(shortcut.iconKey, QStringLiteral("missing:.txt"));
    EXPECT_EQ(view.placeOf(0), QPointF(15, 30));
    EXPECT_EQ(model.at(2).left, 15.0);
    // Not shown, but the user's own text: kept after the shown entries.
    ASSERT_TRUE(save(ini, frame));
    const QByteArray saved = readFile(QStringLiteral("tsw.ini"));
    EXPECT_TRUE(saved.contains("\n3=/a/short|only-three|1\n")) << saved.constData();
    EXPECT_FALSE(saved.contains("=x\n"));
}

TEST_F(ConfigTest, MoreThan21EntriesSurviveARestart)
{
    for (int i = 0; i < 30; ++i)
        add(QStringLiteral("/docs/%1.txt").arg(i));
    ASSERT_TRUE(save(ini, frame));

    Restarted again(icons);
    EXPECT_EQ(loadInto(again.list, ini, frame), 30);
    EXPECT_EQ(targetsOf(again.model), targets());
}

TEST_F(ConfigTest, EveryNumberedKeyIsReadWhateverTheGapsAndSavedFromZero)
{
    // A hand-edited file: 0-20, then 30-35 after a gap, then one out of order.
    QByteArray file = "[Tessaflow]\n";
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 30, 31, 32, 33, 34, 35, 25})
        file += QByteArray::number(i) + "=/d/" + QByteArray::number(i) + "|c" + QByteArray::number(i) + "||\n";
    file += "040=/d/forty|not a number||\n+7=/d/plus|not a number||\n1234567890=/d/big|too long||\n";
    writeFile(QStringLiteral("tsw.ini"), file);
    EXPECT_EQ(load(ini, frame), 28);
    EXPECT_EQ(captions().mid(20), (QStringList{"c20", "c25", "c30", "c31", "c32", "c33", "c34", "c35"}));

    ASSERT_TRUE(save(ini, frame));
    const QByteArray saved = readFile(QStringLiteral("tsw.ini"));
    EXPECT_TRUE(saved.contains("\n21=/d/25|c25|")) << saved.constData();
    EXPECT_TRUE(saved.contains("\n27=/d/35|c35|"));
    Restarted again(icons);
    EXPECT_EQ(loadInto(again.list, ini, frame), 28);
}

TEST_F(ConfigTest, UnshownEntriesAreWrittenBackUnchangedAfterTheShownOnes)
{
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\n0=/a/1|one||\n1=/a/2|two||\n"
                                         "2=/a/3|three|1\n5=/a/4|four|1|2|extra\n7=x\n");
    EXPECT_EQ(load(ini, frame), 3);
    EXPECT_EQ(captions(), (QStringList{"one", "two", "four"}));
    EXPECT_EQ(list.unshown, QStringList{"/a/3|three|1"});
    model.remove(0);
    ASSERT_TRUE(save(ini, frame));
    const QByteArray saved = readFile(QStringLiteral("tsw.ini"));
    // A later version's field after the four is kept as it was.
    EXPECT_TRUE(saved.contains("\n1=/a/4|four|1|2|extra\n2=/a/3|three|1\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("\n3=\n"));
    EXPECT_TRUE(saved.contains("\n5=\n"));
}

TEST_F(ConfigTest, AsManyEntriesAsTheProfileHoldsAreShown)
{
    // Far more than a run could once show (a 16-bit count of pictures).
    QByteArray file = "[Tessaflow]\n";
    for (int i = 0; i < 32767 + 3; ++i)
        file += QByteArray::number(i) + "=https://example.org/" + QByteArray::number(i) + "|" + QByteArray::number(i) + "||\n";
    writeFile(QStringLiteral("tsw.ini"), file);
    EXPECT_EQ(load(ini, frame), 32770);
    EXPECT_TRUE(list.unshown.isEmpty());
    EXPECT_EQ(model.at(32769).target, QStringLiteral("https://example.org/32769"));
}

TEST_F(ConfigTest, AnUnshownEntryWithAStrayCrComesBackWholeAndNothingTwice)
{
    // Hand-edited: a bare CR inside a line is not a line break.
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\n0=/a/1|one||\n1=hand\rwritten\n2=/a/2|two||\n");
    EXPECT_EQ(load(ini, frame), 2);
    ASSERT_TRUE(save(ini, frame));
    EXPECT_TRUE(readFile(QStringLiteral("tsw.ini")).contains("\n2=hand\rwritten\n"));
    Restarted again(icons);
    EXPECT_EQ(loadInto(again.list, ini, frame), 2);
    EXPECT_EQ(targetsOf(again.model), (QStringList{"/a/1", "/a/2"}));
    EXPECT_EQ(again.list.unshown, QStringList{"hand\rwritten"});
}

TEST_F(ConfigTest, AnotherWritersVersionIsKeptAsAMarkedVersionBeforeASave)
{
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\n0=/a/mine|mine||\n");
    load(ini, frame);
    ASSERT_TRUE(save(ini, frame));
    EXPECT_TRUE(ini.file().takeBackupNotice().isEmpty()) << "our own save is no other version";

    // A second copy changes the shortcut and saves.
    QByteArray theirs = readFile(QStringLiteral("tsw.ini")).replace("/a/mine|mine", "/a/THEM|THEM");
    writeFile(QStringLiteral("tsw.ini"), theirs);
    ASSERT_TRUE(save(ini, frame));
    const QString kept = ini.file().takeBackupNotice();
    EXPECT_TRUE(kept.startsWith(path(QStringLiteral("tsw.versions/"))) && kept.endsWith(QStringLiteral("-other.ini")))
        << kept.toStdString();
    EXPECT_EQ(readFile(QDir(dir.path()).relativeFilePath(kept)), theirs);
    EXPECT_TRUE(readFile(QStringLiteral("tsw.ini")).contains("0=/a/mine|mine|"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("tsw.ini.bak"))));

    // Unchanged since: the next save keeps no copy.
    std::vector<platform::ProfileVersion> before, after;
    ASSERT_TRUE(platform::listVersions(ini.path(), before));
    ASSERT_TRUE(save(ini, frame));
    EXPECT_TRUE(ini.file().takeBackupNotice().isEmpty());
    ASSERT_TRUE(platform::listVersions(ini.path(), after));
    EXPECT_EQ(after.size(), before.size());
}

TEST_F(ConfigTest, PipesAndNonAsciiTextRoundTrip)
{
    const QString url = QStringLiteral("https://example.com/a|b?q=%7C");
    const QString caption = QStringLiteral("Grüße | 東京");
    addAt(url, caption, 0, 0);
    addAt(QStringLiteral("/plain/file.txt"), QString(), 1275, 0); // beside the first, not over it
    ASSERT_TRUE(save(ini, frame));
    const QByteArray file = readFile(QStringLiteral("tsw.ini"));
    EXPECT_TRUE(file.contains("1=/plain/file.txt|file.txt|1275|0\n")); // no "|" : the plain format

    Restarted again(icons);
    EXPECT_EQ(loadInto(again.list, ini, frame), 2);
    EXPECT_EQ(again.model.at(0).target, url);
    EXPECT_EQ(again.model.at(0).caption, caption);
}

TEST_F(ConfigTest, NamesWithLineBreaksAndLeadingBlanksRoundTrip)
{
    // Both are legal in Linux file names; neither may break the profile's lines.
    const QString target = QStringLiteral("  /odd/two\nlines.txt");
    add(QStringLiteral("http://x.org/"), QStringLiteral("first\r\nsecond"));
    // As a file dropped with such a name would be stored.
    model.add(shortcuts::Shortcut{target, QStringLiteral("two\nlines.txt")});
    ASSERT_TRUE(save(ini, frame));

    Restarted again(icons);
    EXPECT_EQ(loadInto(again.list, ini, frame), 2);
    EXPECT_EQ(again.model.at(0).caption, QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(again.model.at(1).caption, QStringLiteral("two\nlines.txt"));
}

TEST_F(ConfigTest, IconsWrittenByHandOnOneSpotAreSavedWhereTheyAreShownAndStayThere)
{
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\nArrange=0\nSView=0\n"
                                         "0=/a/1.txt|1|0|0\n1=/a/2.txt|2|0|0\n2=/a/3.txt|3|0|0\n"
                                         "3=/a/4.txt|4|0|0\n4=/a/5.txt|5|0|0\n");
    view.resize(400, 300);
    ASSERT_EQ(load(ini, frame), 5);
    ASSERT_TRUE(save(ini, frame));
    // Each entry "N=target|caption|left|top": the places as the list shows them.
    auto places = [this] {
        QStringList out;
        for (const QString &line : QString::fromUtf8(readFile(QStringLiteral("tsw.ini"))).split(QLatin1Char('\n')))
            if (line.contains(QLatin1String("/a/")))
                out << line.section(QLatin1Char('|'), 2, 3);
        return out;
    };
    const QStringList first = places();
    ASSERT_EQ(first.size(), 5);
    EXPECT_EQ(first.count(QStringLiteral("0|0")), 1) << first.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(QSet<QString>(first.begin(), first.end()).size(), 5);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(view.placeOf(row), QPointF(view.visualRect(view.indexOf(row)).topLeft()) * platform::twipsPerPixel(view));

    // The next start, in a window of another width, shows and saves the same.
    Restarted again(icons);
    again.view.resize(170, 500);
    ASSERT_EQ(loadInto(again.list, ini, frame), 5);
    ASSERT_TRUE(saveFrom(again.list, ini, frame));
    EXPECT_EQ(places(), first);
}

TEST_F(ConfigTest, ArrangementIsAppliedBeforeEntriesSoStoredPositionsAreIgnored)
{
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\nArrange=1\n0=/a/one.txt|one|9000|9000\n");
    view.resize(400, 300);
    EXPECT_EQ(load(ini, frame), 1);
    EXPECT_EQ(view.Arrange(), 1);
    EXPECT_FALSE(model.at(0).left);
    EXPECT_LT(view.placeOf(0).x(), 9000);
    EXPECT_LT(view.placeOf(0).y(), 9000);
}

TEST_F(ConfigTest, OtherSectionsAndCommentsSurviveASave)
{
    writeFile(QStringLiteral("tsw.ini"), "; kept\r\n[Other]\r\nkey=value\r\n[Tessaflow]\r\nArrange=0\r\n");
    ASSERT_TRUE(save(ini, frame));
    const QByteArray file = readFile(QStringLiteral("tsw.ini"));
    EXPECT_TRUE(file.startsWith("; kept\r\n[Other]\r\nkey=value\r\n[Tessaflow]\r\nArrange=0\r\nTop=1440\r\n"))
        << file.left(100).constData();
}

TEST_F(ConfigTest, FindingApplicationsIsStoredOnlyOnceTurnedOff)
{
    const auto saveWith = [&](bool find) {
        return config::Save_Config(ini, frame, {0, 0, find}, model.shortcuts(), [](int) { return QPointF(); }, {});
    };
    const auto loaded = [&] {
        config::ListLook look{0, 0, false};
        std::vector<shortcuts::Shortcut> shortcuts;
        QStringList unshown;
        config::Load_Config(ini, frame, look, shortcuts, unshown);
        return look.findApplications;
    };
    // On, as by default: a profile saved again stays exactly as it was.
    ASSERT_TRUE(saveWith(true));
    const QByteArray before = readFile(QStringLiteral("tsw.ini"));
    EXPECT_FALSE(before.contains("FindApplications"));
    EXPECT_TRUE(loaded());
    ASSERT_TRUE(saveWith(loaded()));
    EXPECT_EQ(readFile(QStringLiteral("tsw.ini")), before);

    // Off: one key, which an older reader passes over.
    ASSERT_TRUE(saveWith(false));
    EXPECT_TRUE(readFile(QStringLiteral("tsw.ini")).contains("\nFindApplications=0\n"));
    EXPECT_FALSE(loaded());
    // On again: said so where the key stands.
    ASSERT_TRUE(saveWith(true));
    EXPECT_TRUE(readFile(QStringLiteral("tsw.ini")).contains("\nFindApplications=1\n"));
    EXPECT_TRUE(loaded());
    // Anything but 0 written by hand leaves it on.
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\nFindApplications=no\n");
    EXPECT_TRUE(loaded());
    writeFile(QStringLiteral("tsw.ini"), "[Tessaflow]\nFindApplications= 0 \n");
    EXPECT_FALSE(loaded());
}

TEST_F(ConfigTest, AFailedSaveIsReported)
{
    // A folder that cannot exist (its parent is a file) fails even for root.
    touch(QStringLiteral("blocker"));
    const config::IniFile blocked(path(QStringLiteral("blocker/tsw.ini")));
    QString reason;
    EXPECT_FALSE(save(blocked, frame, &reason));
    EXPECT_FALSE(reason.isEmpty());
}

} // namespace
