// The score of openings: how it decays, how it orders matches of one kind
// and never across kinds, and how it is kept.
#include <QFileInfo>
#include <QHash>
#include <cmath>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "shortcuts/Finding.h"
#include "shortcuts/Frecency.h"
#include "support/QtPrinters.h"

namespace {

constexpr qint64 kWeek = 7 * 24 * 3600;
constexpr qint64 kT0 = 1'800'000'000;

TEST(Frecency, TheScoreHalvesEveryFourWeeks)
{
    const shortcuts::Opened four{4, kT0};
    EXPECT_DOUBLE_EQ(shortcuts::decayedScore(four, kT0), 4);
    EXPECT_DOUBLE_EQ(shortcuts::decayedScore(four, kT0 + 4 * kWeek), 2);
    EXPECT_DOUBLE_EQ(shortcuts::decayedScore(four, kT0 + 8 * kWeek), 1);
    EXPECT_NEAR(shortcuts::decayedScore(four, kT0 + 2 * kWeek), 4 / std::sqrt(2.0), 1e-9);
    // A clock gone backwards decays nothing, and grows nothing either.
    EXPECT_DOUBLE_EQ(shortcuts::decayedScore(four, kT0 - kWeek), 4);
    // An opening adds 1 to the score decayed to now.
    const shortcuts::Opened again = shortcuts::openedOnce(four, kT0 + 4 * kWeek);
    EXPECT_DOUBLE_EQ(again.score, 3);
    EXPECT_EQ(again.at, kT0 + 4 * kWeek);
    EXPECT_DOUBLE_EQ(shortcuts::openedOnce({}, kT0).score, 1);
}

struct Case {
    const char *what;
    std::vector<const char *> captions;
    QHash<QString, double> scores; // by caption; others unknown
    const char *typed;
    std::vector<int> expected;
};

TEST(Frecency, PreferenceOrdersWithinAKindOnly)
{
    const std::vector<Case> cases = {
        {"unknown targets keep list order", {"report a", "report b", "report c"}, {}, "report", {0, 1, 2}},
        {"more opened first", {"report a", "report b", "report c"}, {{"report c", 2}, {"report b", 1}}, "report",
         {2, 1, 0}},
        {"ties keep list order", {"report a", "report b", "report c"}, {{"report b", 1}, {"report c", 1}},
         "report", {1, 2, 0}},
        {"a better kind stays first however often the other was opened",
         {"my report", "report", "prepare"}, {{"my report", 100}, {"prepare", 50}}, "rep", {1, 0, 2}},
        {"close matches are one kind", {"report x", "report y", "report z"}, {{"report z", 3}}, "reprot", {2, 0, 1}},
    };
    for (const Case &c : cases) {
        std::vector<shortcuts::Findable> items;
        QStringList captions;
        for (const char *caption : c.captions) {
            captions << QString::fromUtf8(caption);
            items.push_back(shortcuts::findable(captions.back(), QStringLiteral("/x/") + captions.back()));
        }
        const shortcuts::Preference preference = [&](int row) { return c.scores.value(captions[row]); };
        EXPECT_EQ(shortcuts::matchesOrClose(QString::fromUtf8(c.typed), items, preference).rows, c.expected)
            << c.what;
    }
}

TEST(Frecency, OpeningsAreKeptForListedTargetsAndReadOnlyWhenAsked)
{
    QTemporaryDir dir;
    platform::OpenedStore store(dir.filePath(QStringLiteral("state/opened.txt")));
    qint64 now = kT0;
    shortcuts::Frecency frecency(store, [&] { return now; });
    EXPECT_FALSE(QFileInfo::exists(store.path())); // nothing written before an opening
    std::vector<shortcuts::Shortcut> listed(2);
    listed[0].target = QStringLiteral("/x/a");
    listed[1].target = QStringLiteral("/x/b");
    frecency.opened(QStringLiteral("/x/a"), listed);
    frecency.opened(QStringLiteral("/x/gone"), listed); // its own opening is kept
    now += 4 * kWeek;
    frecency.opened(QStringLiteral("/x/b"), listed);
    EXPECT_DOUBLE_EQ(frecency.score(QStringLiteral("/x/a")), 0.5);
    EXPECT_DOUBLE_EQ(frecency.score(QStringLiteral("/x/b")), 1);
    EXPECT_DOUBLE_EQ(frecency.score(QStringLiteral("/x/never")), 0);

    // Another run: the same scores, and a target no longer listed is gone.
    shortcuts::Frecency next(store, [&] { return now; });
    EXPECT_DOUBLE_EQ(next.score(QStringLiteral("/x/a")), 0.5);
    EXPECT_DOUBLE_EQ(next.score(QStringLiteral("/x/b")), 1);
    EXPECT_DOUBLE_EQ(next.score(QStringLiteral("/x/gone")), 0);
    // Read when first asked, not when made: a file written meanwhile counts.
    shortcuts::Frecency later(store, [&] { return now; });
    ASSERT_TRUE(store.write({{QStringLiteral("/x/a"), 8, kT0}}));
    EXPECT_DOUBLE_EQ(later.score(QStringLiteral("/x/a")), 4);
}

} // namespace
