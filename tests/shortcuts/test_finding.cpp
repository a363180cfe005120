// Finding shortcuts by typing: the ranking rules, and the list while a
// filter is on in every view and arrangement.
#include <QTest>

#include "config/Config.h"
#include "shortcuts/Deleting.h"
#include "shortcuts/Finder.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;
using shortcuts::Match;

namespace {

Match match(const QString &typed, const QString &caption, const QString &target = QStringLiteral("/x/zzz"))
{
    const auto item = shortcuts::findable(caption, target);
    return shortcuts::matchOf(shortcuts::foldedForFinding(typed), item.caption, item.targetName);
}

TEST(Finding, EachKindOfMatchRanksInItsPlace)
{
    EXPECT_EQ(match("rep", "Report.pdf"), Match::CaptionStart);
    EXPECT_EQ(match("REP", "report.pdf"), Match::CaptionStart); // letter case
    EXPECT_EQ(match("rep", "my report.txt"), Match::WordStart);
    EXPECT_EQ(match("mr", "my report.txt"), Match::WordStart); // initials
    EXPECT_EQ(match("rt", "my report.txt"), Match::WordStart); // initials from a later word
    EXPECT_EQ(match("rep", "prepare.sh"), Match::CaptionPart);
    EXPECT_EQ(match("nts", "notes.md"), Match::InOrder);
    EXPECT_EQ(match("ete", "Été photos"), Match::CaptionStart); // accents
    EXPECT_EQ(match("été", "ete.txt"), Match::CaptionStart);
    EXPECT_EQ(match("doc", "Files", "/home/me/Documents"), Match::TargetOnly);
    EXPECT_EQ(match("exa", "Start page", "https://www.example.org/start"), Match::TargetOnly); // the host
    EXPECT_EQ(match("start", "Home", "https://example.org/start"), Match::None);                // not the path
    EXPECT_EQ(match("xyz", "notes.md"), Match::None);
    EXPECT_EQ(match("ba", "abc"), Match::None); // letters out of order
    // Other names (an application's generic name and keywords) count by the starts of their words,
    // after any part of the caption and before its scattered letters.
    const QString others = QStringLiteral("web browser\ninternet\n");
    EXPECT_EQ(shortcuts::matchOf("brow", "firefox", "firefox-esr", others), Match::OtherWordStart);
    EXPECT_EQ(shortcuts::matchOf("inter", "firefox", "firefox-esr", others), Match::OtherWordStart);
    EXPECT_EQ(shortcuts::matchOf("fox", "firefox", "firefox-esr", others), Match::CaptionPart);
    EXPECT_EQ(shortcuts::matchOf("rowser", "firefox", "firefox-esr", others), Match::None);
    EXPECT_EQ(shortcuts::matchOf("esr", "firefox", "firefox-esr", others), Match::TargetOnly);
    // Accents, letter case and invisible breaks go; the letters stay.
    EXPECT_EQ(shortcuts::foldedForFinding(QStringLiteral("Ça\u200Bva ÅNGSTRÖM")), QStringLiteral("cava angstrom"));
}

TEST(Finding, BestFirstAndTiesInListOrder)
{
    std::vector<shortcuts::Findable> items;
    for (const char *caption : {"prepare.sh", "zebra.png", "my report.txt", "report 2024.pdf", "Report old", "rxexp"})
        items.push_back(shortcuts::findable(QString::fromUtf8(caption), QStringLiteral("/x/") + caption));
    EXPECT_EQ(shortcuts::rankedMatches(QStringLiteral("rep"), items), (std::vector<int>{3, 4, 2, 0, 5}));
    EXPECT_TRUE(shortcuts::rankedMatches(QStringLiteral("qq"), items).empty());
}

TEST(Finding, SeveralWordsMatchInAnyOrderAndTheWeakestWordDecides)
{
    EXPECT_EQ(match("rep my", "my report 2024"), Match::WordStart);
    EXPECT_EQ(match("2024 report", "my report 2024"), Match::WordStart);
    EXPECT_EQ(match("rep 2024", "prepare 2024.sh"), Match::CaptionPart); // "rep" is only a part
    EXPECT_EQ(match("nts report", "notes report"), Match::InOrder);
    EXPECT_EQ(match("my doc", "my files", "/home/me/Documents"), Match::TargetOnly);
    EXPECT_EQ(match("my qqq", "my report 2024"), Match::None); // every word must match
    // Words typed as the caption starts keep that rank; blanks around them change nothing.
    EXPECT_EQ(match("my rep", "my report 2024"), Match::CaptionStart);
    EXPECT_EQ(match("  rep  ", "my report 2024"), Match::WordStart);
    // All words in the same shortcut, not one here and one there.
    std::vector<shortcuts::Findable> items;
    for (const char *caption : {"my notes", "report 2024", "2024 notes"})
        items.push_back(shortcuts::findable(QString::fromUtf8(caption), QStringLiteral("/x/y")));
    EXPECT_EQ(shortcuts::rankedMatches(QStringLiteral("notes 2024"), items), (std::vector<int>{2}));
    EXPECT_TRUE(shortcuts::rankedMatches(QStringLiteral("my 2024"), items).empty());
}

TEST(Finding, LigaturesAreWrittenOutInWhatIsTypedAndWhatIsFound)
{
    EXPECT_EQ(shortcuts::foldedForFinding(QStringLiteral("Œ œ Æ æ ß ẞ \uFB01 \uFB02 Ĳ ĳ")),
              QStringLiteral("oe oe ae ae ss ss fi fl ij ij"));
    EXPECT_EQ(match("oeuvres", "Œuvres complètes"), Match::CaptionStart);
    EXPECT_EQ(match("œuvres", "OEUVRES.txt"), Match::CaptionStart);
    EXPECT_EQ(match("strasse", "Straße.pdf"), Match::CaptionStart);
    EXPECT_EQ(match("straße", "my strasse"), Match::WordStart);
    EXPECT_EQ(match("aesop", "Æsop"), Match::CaptionStart);
    EXPECT_EQ(match("caesar", "cæsar"), Match::CaptionStart);
    EXPECT_EQ(match("file", "\uFB01le list"), Match::CaptionStart);
    EXPECT_EQ(match("flow", "work\uFB02ow"), Match::CaptionPart);
    EXPECT_EQ(match("ijssel", "Ĳssel"), Match::CaptionStart);
    EXPECT_EQ(match("strasse", "Map", "/x/Straße.pdf"), Match::TargetOnly); // in the target's name too
}

TEST(Finding, OneEditIsAMissingExtraWrongOrSwappedLetter)
{
    struct Case {
        const char *a, *b;
        bool close;
    };
    for (const Case &c : {Case{"notes", "ntoes", true}, Case{"notes", "note", true}, Case{"notes", "notess", true},
                          Case{"notes", "notas", true}, Case{"notes", "xnotes", true}, Case{"ab", "ba", true},
                          Case{"notes", "notes", true}, Case{"", "a", true}, Case{"notes", "ntoas", false},
                          Case{"notes", "nots.", false}, Case{"abc", "cba", false}, Case{"abcd", "ab", false},
                          Case{"abcd", "acbde", false}}) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(shortcuts::withinOneEdit(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.close);
        EXPECT_EQ(shortcuts::withinOneEdit(QString::fromUtf8(c.b), QString::fromUtf8(c.a)), c.close);
    }
}

TEST(Finding, CloseMatchesOnlyWhenNothingMatches)
{
    std::vector<shortcuts::Findable> items;
    for (const auto &[caption, target] : std::vector<std::pair<const char *, const char *>>{
             {"notes.md", "/x/notes.md"}, {"budget.ods", "/x/budget.ods"}, {"my report 2024.pdf", "/x/r.pdf"},
             {"zebra.png", "/x/zebra.png"}, {"Work", "/x/ledger.ods"}, {"vote.txt", "/x/vote.txt"}})
        items.push_back(shortcuts::findable(QString::fromUtf8(caption), QString::fromUtf8(target)));
    const auto close = [&](const char *typed) {
        const shortcuts::Matches found = shortcuts::matchesOrClose(QString::fromUtf8(typed), items);
        EXPECT_EQ(found.close, !found.rows.empty()) << typed;
        return found.rows;
    };
    using Rows = std::vector<int>;
    EXPECT_EQ(close("ntoes"), Rows{0});        // swapped
    EXPECT_EQ(close("nto"), Rows{0});          // the caption's start, while still typing
    EXPECT_EQ(close("budgeet"), Rows{1});      // one letter extra
    EXPECT_EQ(close("zebta"), Rows{3});        // one wrong
    EXPECT_EQ(close("repotr"), Rows{2});       // a later word of the caption
    EXPECT_EQ(close("ldeger"), Rows{4});       // the file name
    EXPECT_EQ(close("ntoes md"), Rows{0});     // per word: one slipped, one matching
    EXPECT_EQ(close("2024 repotr"), Rows{2});
    EXPECT_EQ(close("ntoez"), Rows{});         // two edits
    EXPECT_EQ(close("ntoes qqq"), Rows{});     // every word must match or be close
    // A word shorter than the minimum never matches by a slip ("nx" is one from "no").
    static_assert(shortcuts::kCloseMinLength == 3);
    EXPECT_EQ(close("nx"), Rows{});
    EXPECT_EQ(close("ntoes nx"), Rows{});
    // A real match hides every close one: "note" is one letter from "vote" too.
    const shortcuts::Matches note = shortcuts::matchesOrClose(QStringLiteral("note"), items);
    EXPECT_FALSE(note.close);
    EXPECT_EQ(note.rows, Rows{0});
    // Nor are close ones in the ranked matches.
    EXPECT_TRUE(shortcuts::rankedMatches(QStringLiteral("ntoes"), items).empty());
}

class FinderTest : public ShortcutFixture {
protected:
    shortcuts::Finder finder{list};
    void SetUp() override
    {
        view.resize(420, 300);
        view.show();
        for (const char *name : {"budget.ods", "my report.txt", "notes.md", "prepare.sh", "readme.txt",
                                 "report 2024.pdf", "zebra.png"})
            ASSERT_TRUE(add(touch(QString::fromUtf8(name))));
        QApplication::processEvents();
    }
    // The captions as the view shows them, in its rows' order; faded ones in brackets.
    QStringList shown() const
    {
        QStringList out;
        for (int row = 0; row < view.model()->rowCount(); ++row) {
            const QModelIndex index = view.model()->index(row, 0);
            const QString text = index.data().toString();
            out << ((index.flags() & Qt::ItemIsEnabled) ? text : QLatin1Char('[') + text + QLatin1Char(']'));
        }
        return out;
    }
    std::vector<QRect> places() const
    {
        std::vector<QRect> out;
        for (int row = 0; row < view.count(); ++row)
            out.push_back(view.visualRect(view.indexOf(row)));
        return out;
    }
    QByteArray saved()
    {
        FakeFrame frame;
        EXPECT_TRUE(save(config::IniFile(path(QStringLiteral("tsw.ini"))), frame));
        return readFile(QStringLiteral("tsw.ini"));
    }
};

TEST_F(FinderTest, TypingFiltersEveryViewAndArrangementAndClearingGivesItAllBack)
{
    for (int arrange : {0, 1, 2}) {
        for (int v : {0, 1, 2}) {
            SCOPED_TRACE(QStringLiteral("arrange %1 view %2").arg(arrange).arg(v).toStdString());
            view.setArrange(arrange);
            view.setView(v);
            view.selectRow(6);
            QApplication::processEvents();
            const auto before = places();
            const QByteArray stored = saved();
            view.setFocus();
            QTest::keyClicks(&view, QStringLiteral("rep"));
            EXPECT_EQ(view.filterText(), QStringLiteral("rep"));
            if (arrange == 0 && v != 2)
                EXPECT_EQ(shown(), (QStringList{"[budget.ods]", "my report.txt", "[notes.md]", "prepare.sh",
                                                "[readme.txt]", "report 2024.pdf", "[zebra.png]"}));
            else
                EXPECT_EQ(shown(), (QStringList{"report 2024.pdf", "my report.txt", "prepare.sh"}));
            // The best match is selected; Down and Ctrl+N go on through the matches, Up and Ctrl+P back.
            EXPECT_EQ(view.selectedRow(), 5);
            QTest::keyClick(&view, Qt::Key_Down);
            EXPECT_EQ(view.selectedRow(), 1);
            QTest::keyClick(&view, Qt::Key_N, Qt::ControlModifier);
            EXPECT_EQ(view.selectedRow(), 3);
            QTest::keyClick(&view, Qt::Key_P, Qt::ControlModifier);
            EXPECT_EQ(view.selectedRow(), 1);
            EXPECT_EQ(view.shownRow(1), 5);
            EXPECT_EQ(view.shownRow(3), 3);
            EXPECT_EQ(view.shownRow(4), -1);
            // A save while filtered writes what the whole list holds.
            EXPECT_EQ(saved(), stored);
            QTest::keyClick(&view, Qt::Key_Backspace);
            EXPECT_EQ(finder.text(), QStringLiteral("re"));
            QTest::keyClick(&view, Qt::Key_Escape);
            EXPECT_TRUE(finder.text().isEmpty());
            EXPECT_FALSE(view.filtered());
            QApplication::processEvents();
            EXPECT_EQ(places(), before);
            EXPECT_EQ(view.selectedRow(), 6);
            EXPECT_EQ(saved(), stored);
        }
    }
}

TEST_F(FinderTest, DeletingWhileFilteredKeepsTheFilterAndAViewChangeEndsIt)
{
    view.setArrange(1);
    QTest::keyClicks(&view, QStringLiteral("rep"));
    ASSERT_TRUE(model.remove(1));
    EXPECT_EQ(shown(), (QStringList{"report 2024.pdf", "prepare.sh"}));
    EXPECT_EQ(view.shownRow(2), 2);
    // Added while the filter is on: not shown until it ends.
    ASSERT_TRUE(add(touch(QStringLiteral("report 2025.pdf"))));
    EXPECT_EQ(shown(), (QStringList{"report 2024.pdf", "prepare.sh"}));
    QTest::keyClicks(&view, QStringLiteral("o"));
    // Typing again finds among every shortcut, the one added meanwhile too.
    EXPECT_EQ(shown(), (QStringList{"report 2024.pdf", "report 2025.pdf"}));
    // Escape with nothing typed asks for the window to go away.
    bool dismissed = false;
    QObject::connect(&finder, &shortcuts::Finder::dismissed, [&] { dismissed = true; });
    view.setView(2);
    EXPECT_FALSE(view.filtered());
    EXPECT_TRUE(finder.text().isEmpty());
    EXPECT_TRUE(view.filterText().isEmpty());
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_TRUE(dismissed);
}

TEST_F(FinderTest, NoMatchSaysWhatWasTypedInTheList)
{
    for (int arrange : {0, 1}) {
        SCOPED_TRACE(arrange);
        view.setArrange(arrange);
        QTest::keyClicks(&view, QStringLiteral("rxq"));
        EXPECT_TRUE(view.showsNoMatch());
        EXPECT_EQ(view.noMatchText(), QStringLiteral("No shortcut matches \u201Crxq\u201D"));
        EXPECT_EQ(view.selectedRow(), -1);
        QTest::keyClick(&view, Qt::Key_Backspace); // "rx" finds "my report.txt" and "readme.txt"
        EXPECT_FALSE(view.showsNoMatch());
        EXPECT_EQ(view.selectedRow(), 1);
        QTest::keyClick(&view, Qt::Key_Escape);
    }
}

TEST_F(FinderTest, CloseMatchesAreShownAndSaidToBeClose)
{
    view.setCountText(shortcuts::countText);
    view.setArrange(1);
    QTest::keyClicks(&view, QStringLiteral("ntoes"));
    EXPECT_TRUE(finder.showsCloseMatches());
    EXPECT_EQ(shown(), QStringList{"notes.md"});
    EXPECT_EQ(view.selectedRow(), 2);
    EXPECT_EQ(view.filterText(), QStringLiteral("ntoes \u2014 no exact match; close matches:"));
    EXPECT_EQ(view.accessibleDescription(), QStringLiteral("No exact match; 1 close match"));
    // A real match again: the line is the text typed, the description the count.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_FALSE(finder.showsCloseMatches());
    EXPECT_EQ(view.filterText(), QStringLiteral("n"));
    EXPECT_TRUE(view.accessibleDescription().endsWith(QStringLiteral(" of 7 shortcuts match")))
        << view.accessibleDescription().toStdString();
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(finder.showsCloseMatches());
}

} // namespace
