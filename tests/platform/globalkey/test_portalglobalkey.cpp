// The show/hide key through the desktop portal, against a stand-in portal on
// a private session bus that activates nothing.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/globalkey/PortalGlobalKey.h"
#include "support/QtPrinters.h"
#include "support/StandInPortal.h"

namespace {

using platform::KeyState;

class PortalTest : public ::testing::Test {
protected:
    testing_support::StandInPortal portal;
    std::vector<KeyState> states;
    QStringList tokens;

    void SetUp() override { ASSERT_TRUE(portal.busStarted()); }
    void listen(platform::PortalGlobalKey &key)
    {
        key.onReport([this](const KeyState &state) { states.push_back(state); });
        key.onPressed([this](const QString &token) { tokens << token; });
    }
    bool reports(size_t count) { return QTest::qWaitFor([&] { return states.size() >= count; }, 5000); }
    std::string log() const { return portal.logged().join(u'\n').toStdString(); }
};

TEST_F(PortalTest, ABoundKeyIsReportedWithTheDesktopsTriggerAndItsActivationPressesIt)
{
    ASSERT_TRUE(portal.start());
    platform::PortalGlobalKey key(portal.bus());
    listen(key);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(reports(1));
    EXPECT_EQ(states[0], (KeyState{QString(), QStringLiteral("Ctrl+Alt+K")}));
    EXPECT_TRUE(portal.logged().contains(QStringLiteral("bind tessaflow toggle|CTRL+ALT+k|Show or hide Tessaflow")))
        << log();
    // The answer named the trigger: nothing more to ask.
    EXPECT_TRUE(portal.logged().filter(QStringLiteral("list ")).isEmpty()) << log();

    const QDBusMessage pressed = portal.act(QStringLiteral("Press"));
    ASSERT_NE(pressed.type(), QDBusMessage::ErrorMessage) << pressed.errorMessage().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tokens.isEmpty(); }, 5000));
    EXPECT_EQ(tokens, QStringList{QStringLiteral("standin-token")});

    // Other keys are bound again in the same session, which closes only
    // when the program is done with it.
    key.set(QKeySequence(QStringLiteral("Meta+Space")));
    ASSERT_TRUE(reports(2));
    EXPECT_EQ(states[1], (KeyState{QString(), QStringLiteral("Meta+Space")}));
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    ASSERT_TRUE(reports(3));
    EXPECT_EQ(states[2], (KeyState{QString(), QStringLiteral("Ctrl+Alt+J")}));
    EXPECT_TRUE(portal.logged().contains(QStringLiteral("bind tessaflow toggle|LOGO+space|Show or hide Tessaflow")))
        << log();
    EXPECT_EQ(portal.logged().filter(QStringLiteral("session ")), QStringList{QStringLiteral("session tessaflow")})
        << log();
    EXPECT_EQ(portal.logged().filter(QStringLiteral("bind ")).size(), 3) << log();
    EXPECT_TRUE(portal.logged().filter(QStringLiteral("close ")).isEmpty()) << log();
}

TEST_F(PortalTest, TheSessionIsClosedWhenTheProgramIsDoneWithItAndOpenedAgainForTheNextKey)
{
    ASSERT_TRUE(portal.start());
    {
        platform::PortalGlobalKey key(portal.bus());
        listen(key);
        key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
        ASSERT_TRUE(reports(1));
        // No key wanted: the desktop is let to free it.
        key.set(QKeySequence());
        ASSERT_TRUE(QTest::qWaitFor([&] { return portal.logged().contains(QStringLiteral("close tessaflow")); }, 5000));
        key.set(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return states.back().trigger == QStringLiteral("Ctrl+Alt+J"); }, 5000));
    }
    // And at the end.
    EXPECT_TRUE(QTest::qWaitFor([&] { return portal.logged().filter(QStringLiteral("close ")).size() == 2; }, 5000))
        << log();
    EXPECT_EQ(portal.logged().filter(QStringLiteral("session ")).size(), 2) << log();
}

TEST_F(PortalTest, KeysChangedFasterThanThePortalAnswersEndWithTheLastOneBound)
{
    ASSERT_TRUE(portal.start());
    platform::PortalGlobalKey key(portal.bus());
    listen(key);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+L")));
    ASSERT_TRUE(reports(1));
    // Only the last key is reported; the ones given up say nothing.
    EXPECT_EQ(states.back(), (KeyState{QString(), QStringLiteral("Ctrl+Alt+L")})) << log();
    EXPECT_EQ(states.size(), 1u);
    EXPECT_TRUE(portal.logged().filter(QStringLiteral("CTRL+ALT+j")).isEmpty()) << log();
    EXPECT_EQ(portal.logged().filter(QStringLiteral("session ")), QStringList{QStringLiteral("session tessaflow")})
        << log();
}

TEST_F(PortalTest, AKeyChangedWhileARequestIsUnderWayWaitsForItsAnswerAndOnlyTheLatestIsAsked)
{
    ASSERT_TRUE(portal.start());
    platform::PortalGlobalKey key(portal.bus());
    listen(key);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(reports(1));
    ASSERT_NE(portal.act(QStringLiteral("Mute"), {true}).type(), QDBusMessage::ErrorMessage);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !portal.logged().filter(QStringLiteral("CTRL+ALT+j")).isEmpty(); }, 5000));
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+L")));
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+M")));
    // Nothing more is asked while the portal has not answered: the stand-in
    // takes calls in order, so a call sent meanwhile would be in before this one.
    ASSERT_NE(portal.act(QStringLiteral("Press")).type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(portal.logged().filter(QStringLiteral("bind ")).size(), 2) << log();

    ASSERT_NE(portal.act(QStringLiteral("Mute"), {false}).type(), QDBusMessage::ErrorMessage);
    ASSERT_TRUE(QTest::qWaitFor([&] { return states.back().trigger == QStringLiteral("Ctrl+Alt+M"); }, 5000)) << log();
    EXPECT_TRUE(portal.logged().filter(QStringLiteral("CTRL+ALT+l")).isEmpty()) << log();
    EXPECT_EQ(portal.logged().filter(QStringLiteral("bind ")).size(), 3) << log();
    EXPECT_EQ(portal.logged().filter(QStringLiteral("session ")).size(), 1) << log();
    // The keys given up on the way were never reported.
    for (const KeyState &state : states)
        EXPECT_NE(state.trigger, QStringLiteral("Ctrl+Alt+J"));
}

TEST_F(PortalTest, EveryRequestsMatchRuleIsRemovedSoManyChangesLeaveTheBusAsOne)
{
    // The desktop that lets the user choose takes three requests for the
    // first key and two for each next one.
    ASSERT_TRUE(portal.start({QStringLiteral("--user-chooses")}));
    const QString me = portal.bus().baseService();
    const int before = portal.matchRules(me);
    ASSERT_GE(before, 0) << "the bus counts no match rules";
    platform::PortalGlobalKey key(portal.bus());
    listen(key);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(reports(1));
    const int afterOne = portal.matchRules(me);
    // Activated, ShortcutsChanged and the portal's name (Qt's own watch and
    // the key's): nothing per request.
    EXPECT_LE(afterOne - before, 4);
    for (int i = 0; i < 200; ++i) {
        key.set(QKeySequence(i % 2 ? QStringLiteral("Ctrl+Alt+K") : QStringLiteral("Ctrl+Alt+J")));
        ASSERT_TRUE(reports(i + 2));
    }
    EXPECT_EQ(portal.matchRules(me), afterOne);
    EXPECT_EQ(portal.logged().filter(QStringLiteral("session ")).size(), 1) << log();
}

TEST_F(PortalTest, AnUnansweredRequestIsGivenUpClosedAndSaidAndTheNextKeyStillWorks)
{
    ASSERT_TRUE(portal.start());
    platform::PortalGlobalKey key(portal.bus(), std::chrono::milliseconds(300));
    listen(key);
    const QString me = portal.bus().baseService();
    const int before = portal.matchRules(me);
    // The session is never confirmed: the Request is closed, and so is the
    // session the portal may have opened, which frees its name for the next try.
    ASSERT_NE(portal.act(QStringLiteral("Mute"), {true}).type(), QDBusMessage::ErrorMessage);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(reports(1));
    EXPECT_TRUE(states[0].problem.startsWith(QStringLiteral("The desktop portal did not answer in time.")))
        << states[0].problem.toStdString();
    EXPECT_TRUE(states[0].problem.contains(QStringLiteral("\"tessaflow --toggle\"")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.logged().contains(QStringLiteral("close tessaflow")); }, 5000))
        << log();
    EXPECT_TRUE(portal.logged().contains(QStringLiteral("abandon tessaflow1"))) << log();
    EXPECT_EQ(portal.matchRules(me), before);

    ASSERT_NE(portal.act(QStringLiteral("Mute"), {false}).type(), QDBusMessage::ErrorMessage);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    ASSERT_TRUE(reports(2));
    EXPECT_EQ(states[1], (KeyState{QString(), QStringLiteral("Ctrl+Alt+J")})) << log();
    const int bound = portal.matchRules(me);

    // A bind that is never answered, in the open session.
    ASSERT_NE(portal.act(QStringLiteral("Mute"), {true}).type(), QDBusMessage::ErrorMessage);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+L")));
    ASSERT_TRUE(reports(3));
    EXPECT_TRUE(states[2].problem.startsWith(QStringLiteral("The desktop portal did not answer in time.")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return portal.logged().filter(QStringLiteral("abandon ")).size() == 2; }, 5000))
        << log();
    EXPECT_EQ(portal.matchRules(me), bound);
    ASSERT_NE(portal.act(QStringLiteral("Mute"), {false}).type(), QDBusMessage::ErrorMessage);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+M")));
    ASSERT_TRUE(reports(4));
    EXPECT_EQ(states[3], (KeyState{QString(), QStringLiteral("Ctrl+Alt+M")})) << log();
    EXPECT_EQ(portal.logged().filter(QStringLiteral("session ")).size(), 2) << log();
}

TEST_F(PortalTest, APortalThatStopsIsSaidAndWhenItIsBackTheKeyIsBoundAgain)
{
    ASSERT_TRUE(portal.start());
    platform::PortalGlobalKey key(portal.bus());
    listen(key);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(reports(1));
    ASSERT_EQ(states[0], (KeyState{QString(), QStringLiteral("Ctrl+Alt+K")}));

    portal.stop();
    ASSERT_TRUE(reports(2));
    EXPECT_TRUE(states[1].problem.startsWith(QStringLiteral("The desktop portal stopped"))) << states[1].problem.toStdString();
    EXPECT_TRUE(states[1].trigger.isEmpty());

    ASSERT_TRUE(portal.start());
    ASSERT_TRUE(reports(3));
    EXPECT_EQ(states[2], (KeyState{QString(), QStringLiteral("Ctrl+Alt+K")})) << log();
    // The old session went with the old portal: a new one, bound anew.
    EXPECT_EQ(portal.logged().filter(QStringLiteral("session ")).size(), 2) << log();
    EXPECT_EQ(portal.logged().filter(QStringLiteral("bind tessaflow toggle|CTRL+ALT+k")).size(), 2) << log();
    ASSERT_NE(portal.act(QStringLiteral("Press")).type(), QDBusMessage::ErrorMessage);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tokens.size() == 1; }, 5000));
}

TEST_F(PortalTest, ADesktopThatLetsTheUserChooseIsReportedAsNotBoundUntilTheUserDoes)
{
    ASSERT_TRUE(portal.start({QStringLiteral("--user-chooses")}));
    platform::PortalGlobalKey key(portal.bus());
    listen(key);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(reports(1));
    // Answered with no shortcut: the program asks what the desktop has, and
    // it has no trigger for it.
    EXPECT_TRUE(portal.logged().contains(QStringLiteral("list tessaflow"))) << log();
    EXPECT_TRUE(states[0].trigger.isEmpty());
    EXPECT_TRUE(states[0].problem.startsWith(QStringLiteral("The desktop did not bind the key.")))
        << states[0].problem.toStdString();
    EXPECT_TRUE(states[0].problem.contains(QStringLiteral("System Settings \u2192 Shortcuts")));
    EXPECT_TRUE(states[0].problem.contains(QStringLiteral("\u201cShow or hide Tessaflow\u201d")));

    // The user picks a key there: the desktop tells, and the program reports it.
    const QDBusMessage chose = portal.act(QStringLiteral("Choose"), {QStringLiteral("Meta+T")});
    ASSERT_NE(chose.type(), QDBusMessage::ErrorMessage) << chose.errorMessage().toStdString();
    ASSERT_TRUE(reports(2));
    EXPECT_EQ(states[1], (KeyState{QString(), QStringLiteral("Meta+T")}));

    // A new key asked for here: the desktop keeps the user's choice, since the
    // session has the same token, and the program shows that one.
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    ASSERT_TRUE(reports(3));
    EXPECT_EQ(states[2], (KeyState{QString(), QStringLiteral("Meta+T")})) << log();
}

TEST_F(PortalTest, ARestartedProgramFindsTheKeyTheUserChoseBefore)
{
    ASSERT_TRUE(portal.start({QStringLiteral("--user-chooses")}));
    {
        platform::PortalGlobalKey key(portal.bus());
        listen(key);
        key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
        ASSERT_TRUE(reports(1));
        ASSERT_NE(portal.act(QStringLiteral("Choose"), {QStringLiteral("Meta+T")}).type(),
                  QDBusMessage::ErrorMessage);
        ASSERT_TRUE(reports(2));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.logged().contains(QStringLiteral("close tessaflow")); }, 5000));
    platform::PortalGlobalKey again(portal.bus());
    listen(again);
    again.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(reports(3));
    EXPECT_EQ(states[2], (KeyState{QString(), QStringLiteral("Meta+T")})) << log();
}

TEST_F(PortalTest, WithoutThePortalOrItsInterfaceTheUserIsToldToBindTheToggleCommand)
{
    ASSERT_TRUE(portal.start({QStringLiteral("--no-shortcuts")}));
    {
        platform::PortalGlobalKey key(portal.bus());
        listen(key);
        key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
        ASSERT_TRUE(reports(1));
    }
    EXPECT_TRUE(states[0].problem.startsWith(QStringLiteral("The desktop portal here has no global shortcuts.")))
        << states[0].problem.toStdString();
    EXPECT_TRUE(states[0].problem.contains(QStringLiteral("\"tessaflow --toggle\""))) << states[0].problem.toStdString();

    portal.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !portal.registered(); }, 5000));
    platform::PortalGlobalKey key(portal.bus());
    listen(key);
    key.set(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    ASSERT_TRUE(reports(2));
    // Nothing on this bus is started on demand, whatever the machine has installed.
    EXPECT_TRUE(states[1].problem.startsWith(QStringLiteral("No desktop portal answers here.")))
        << states[1].problem.toStdString();
    // No key asks nothing and reports nothing wrong.
    key.set(QKeySequence());
    EXPECT_EQ(states.back(), KeyState{});
}

} // namespace
