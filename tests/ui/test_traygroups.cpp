// The groups in the tray menu, as a D-Bus tray host sees and clicks them on
// a private session bus.
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "platform/tray/DBusMenu.h"
#include "shortcuts/ShortcutModel.h"
#include "support/PrivateBus.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

const QString kInterface = QStringLiteral("com.canonical.dbusmenu");
const QString kPath = QStringLiteral("/MenuBar");

class TrayGroupsTest : public WindowFixture {
protected:
    PrivateBus bus;
    std::unique_ptr<ui::MainWindow> window;
    std::unique_ptr<platform::DBusMenu> served;

    void SetUp() override
    {
        ASSERT_TRUE(bus.started());
        writeProfile("[Tessaflow]\r\nGroups=|Work|R&D\r\n"
                     "0=http://example.org/a|a|15|0\r\n"
                     "1=http://example.org/w|w|15|0|group=Work\r\n");
        window = open();
        served = std::make_unique<platform::DBusMenu>(window->mPopupSys(), kPath, bus.connection("menu-server"));
        ASSERT_TRUE(served->valid());
    }
    void TearDown() override { served.reset(); }

    QDBusMessage call(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(bus.connection("menu-server").baseService(), kPath, kInterface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = bus.connection("menu-host").asyncCall(message, 5000);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 6000))
            return QDBusMessage::createError(QDBusError::Timeout, QStringLiteral("no answer"));
        return pending.reply();
    }
    // The menu's entries as the host lays them out: "id:label" ("-" for a
    // separator).
    QStringList layout()
    {
        const QDBusMessage reply = call(QStringLiteral("GetLayout"), {0, -1, QStringList()});
        if (reply.type() != QDBusMessage::ReplyMessage)
            return {reply.errorMessage()};
        QStringList out;
        for (const QVariant &child : qdbus_cast<platform::DBusMenuLayout>(reply.arguments().value(1)).children) {
            const auto item = qdbus_cast<platform::DBusMenuLayout>(child);
            const bool separator = item.properties.value(QStringLiteral("type")).toString() == u"separator";
            out << QStringLiteral("%1:%2").arg(item.id).arg(
                separator ? QStringLiteral("-") : item.properties.value(QStringLiteral("label")).toString());
        }
        return out;
    }
    QStringList labels()
    {
        QStringList out;
        for (const QString &entry : layout())
            out << entry.section(u':', 1);
        return out;
    }
    QDBusMessage click(const QString &label)
    {
        int id = -1;
        for (const QString &entry : layout())
            if (entry.section(u':', 1) == label)
                id = entry.section(u':', 0, 0).toInt();
        const QList<platform::DBusMenuEvent> events{{id, QStringLiteral("clicked"), QDBusVariant(0), 0}};
        return call(QStringLiteral("EventGroup"), {QVariant::fromValue(events)});
    }
};

TEST_F(TrayGroupsTest, EachGroupIsAnEntryThatBringsTheWindowBackOnIt)
{
    // Titles as shown, an "&" in a name kept as it is.
    EXPECT_EQ(labels(), (QStringList{"_Restore", "Shortcuts", "Work", "R&D", "-", "Start at _Login", "Earlier _Versions\u2026", "-", "_Exit"}));
    ASSERT_EQ(window->controller().shownGroup(), QString());

    window->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isHidden(); }, 2000));
    const QDBusMessage reply = click(QStringLiteral("Work"));
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 5000));
    EXPECT_EQ(window->controller().shownGroup(), QStringLiteral("Work"));
    EXPECT_EQ(window->lstButtons().model()->rowCount(), 1);

    click(QStringLiteral("Shortcuts"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->controller().shownGroup().isEmpty(); }, 5000));
}

TEST_F(TrayGroupsTest, TheEntriesFollowTheGroupsAsTheyChange)
{
    shortcuts::ShortcutModel &model = window->model();
    ASSERT_TRUE(model.renameGroup(QStringLiteral("Work"), QStringLiteral("Play")));
    ASSERT_TRUE(model.moveGroup(2, 0));
    ASSERT_TRUE(model.addGroup(QStringLiteral("New")));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return labels().mid(1, 4) == QStringList{"R&D", "Shortcuts", "Play", "New"}; }, 5000))
        << labels().join(u' ').toStdString();
    // The renamed group's entry shows the group by its new name.
    click(QStringLiteral("Play"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->controller().shownGroup() == u"Play"; }, 5000));

    // Down to one group: no entries, and no separator of theirs.
    ASSERT_TRUE(model.removeGroup(QStringLiteral("R&D"), QStringLiteral("Play")));
    ASSERT_TRUE(model.removeGroup(QStringLiteral("New"), QStringLiteral("Play")));
    ASSERT_TRUE(model.removeGroup(QStringLiteral("Play"), QString()));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return labels() == QStringList{"_Restore", "Start at _Login", "Earlier _Versions\u2026", "-", "_Exit"}; }, 5000))
        << labels().join(u' ').toStdString();
}

} // namespace
