// The applications typing offers after the shortcuts: the best few matches,
// none a shortcut opens already, and the index read only when a search
// begins, once a search, in the background.
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

#include "platform/icons/IconLookup.h"
#include "shortcuts/OfferedApplications.h"
#include "support/QtPrinters.h"

using namespace shortcuts;

namespace {

platform::Application app(const QString &name, const QStringList &keywords = {})
{
    platform::Application a;
    a.id = name.toLower().remove(u' ') + QStringLiteral(".desktop");
    a.path = QStringLiteral("/usr/share/applications/") + a.id;
    a.name = name;
    a.keywords = keywords;
    a.program = name.toLower().remove(u' ');
    return a;
}

class OfferedApplicationsTest : public ::testing::Test {
protected:
    platform::IconLookup lookup;
    Icons icons{lookup};
    QStringList shortcutTargets;
    OfferedApplications offers{icons, [this] { return shortcutTargets; }};
    std::shared_ptr<std::atomic<int>> reads = std::make_shared<std::atomic<int>>(0);

    void install(std::vector<platform::Application> apps)
    {
        offers.setReader([apps, reads = reads] {
            ++*reads;
            return apps;
        });
    }
    // Types `text` and waits for the index a new search reads.
    void typeAndWait(const QString &text)
    {
        offers.setTyped(text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !offers.reading(); }));
        QCoreApplication::processEvents();
    }
    QStringList offered() const
    {
        QStringList out;
        for (int row = 0; row < offers.rowCount(); ++row)
            out << offers.index(row, 0).data(Qt::AccessibleTextRole).toString();
        return out;
    }
};

TEST_F(OfferedApplicationsTest, BestFewMatchesRankedAsShortcutsAreMarkedAsApplications)
{
    std::vector<platform::Application> apps = {app("Text Editor", {"notes"}), app("Notes"), app("Calculator")};
    for (int i = 0; i < 10; ++i)
        apps.push_back(app(QStringLiteral("Nothing %1").arg(i)));
    install(apps);
    typeAndWait(QStringLiteral("note"));
    // The name's start before a keyword, as for shortcuts.
    EXPECT_EQ(offered(), (QStringList{"Notes", "Text Editor"}));
    const QModelIndex first = offers.index(0, 0);
    EXPECT_EQ(first.data(Qt::DisplayRole).toString(), "Notes\nApplication");
    EXPECT_EQ(first.data(Qt::AccessibleDescriptionRole).toString(), "Application");
    EXPECT_EQ(offers.entryPath(0), "/usr/share/applications/notes.desktop");
    EXPECT_EQ(offers.entryPath(2), QString());
    // Chosen only: never dragged, renamed or dropped on.
    EXPECT_EQ(offers.flags(first) & (Qt::ItemIsDragEnabled | Qt::ItemIsEditable | Qt::ItemIsDropEnabled), 0);

    offers.setTyped(QStringLiteral("no"));
    EXPECT_EQ(offers.rowCount(), OfferedApplications::kMostOffered);
    EXPECT_EQ(offered().first(), "Notes");
    offers.setTyped(QStringLiteral("nox"));
    EXPECT_EQ(offers.rowCount(), 0);
}

TEST_F(OfferedApplicationsTest, AnApplicationAShortcutOpensIsFoundAsTheShortcutAlone)
{
    shortcutTargets = {QStringLiteral("/usr/share/applications/notes.desktop")};
    install({app("Notes"), app("Notepad")});
    typeAndWait(QStringLiteral("note"));
    EXPECT_EQ(offered(), QStringList{"Notepad"});
}

TEST_F(OfferedApplicationsTest, TheIndexIsReadWhenASearchBeginsAndOnceASearch)
{
    install({app("Notes"), app("Clock")});
    // Nothing is read before anything is typed.
    QCoreApplication::processEvents();
    EXPECT_EQ(*reads, 0);
    typeAndWait(QStringLiteral("n"));
    EXPECT_EQ(*reads, 1);
    EXPECT_EQ(offered(), QStringList{"Notes"});
    for (const char *more : {"no", "not", "no", "c"})
        typeAndWait(QString::fromLatin1(more));
    EXPECT_EQ(*reads, 1);
    EXPECT_EQ(offered(), QStringList{"Clock"});

    // The next search reads it again, and finds what was installed since;
    // until that is in, the last index answers.
    offers.setTyped(QString());
    EXPECT_EQ(offers.rowCount(), 0);
    install({app("Notes"), app("Clock"), app("Nautilus")});
    QSignalSpy read(&offers, &OfferedApplications::indexRead);
    offers.setTyped(QStringLiteral("n"));
    EXPECT_TRUE(offers.reading() || read.count() == 1);
    ASSERT_TRUE(read.count() == 1 || read.wait());
    EXPECT_EQ(*reads, 2);
    EXPECT_EQ(offered(), (QStringList{"Nautilus", "Notes"}));
}

TEST_F(OfferedApplicationsTest, OffNothingIsOfferedAndTheIndexNeverRead)
{
    install({app("Notes")});
    offers.setEnabled(false);
    offers.setTyped(QStringLiteral("n"));
    EXPECT_FALSE(offers.reading());
    QCoreApplication::processEvents();
    EXPECT_EQ(*reads, 0);
    EXPECT_EQ(offers.rowCount(), 0);
    // On again: the next search reads it.
    offers.setEnabled(true);
    offers.setTyped(QString());
    typeAndWait(QStringLiteral("n"));
    EXPECT_EQ(offered(), QStringList{"Notes"});
    // Off in the middle of a search: what was offered goes.
    offers.setEnabled(false);
    EXPECT_EQ(offers.rowCount(), 0);
}

} // namespace
