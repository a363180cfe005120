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

    // Another key: the session is closed and opened anew under the same
    // token (the stand-in refuses a second session of one name while the
    // first is open), and binds it.
    key.set(QKeySequence(QStringLiteral("Meta+Space")));
    ASSERT_TRUE(reports(2));
    EXPECT_EQ(states[1], (KeyState{QString(), QStringLiteral("Meta+Space")}));
    EXPECT_EQ(portal.logged().filter(QStringLiteral("session ")),
              (QStringList{QStringLiteral("session tessaflow"), QStringLiteral("session tessaflow")}));
    EXPECT_TRUE(portal.logged().contains(QStringLiteral("close tessaflow")));
    EXPECT_TRUE(portal.logged().contains(QStringLiteral("bind tessaflow toggle|LOGO+space|Show or hide Tessaflow")))
        << log();
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
