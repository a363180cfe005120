// The tray menu as D-Bus tray hosts see it, on a private session bus this
// test starts: the menu is served on one connection and driven from another,
// as a panel would drive it.
#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QMap>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <memory>

#include "platform/tray/DBusMenu.h"
#include "support/QtPrinters.h"

namespace {

const QString kInterface = QStringLiteral("com.canonical.dbusmenu");
const QString kPath = QStringLiteral("/MenuBar");

// Signals of the menu object as the host receives them.
class SignalLog : public QObject {
    Q_OBJECT
public:
    QList<QDBusMessage> seen;
public slots:
    void record(const QDBusMessage &message) { seen << message; }
};

class DBusMenuTest : public ::testing::Test {
protected:
    QProcess daemon;
    QString address;
    QMenu menu;
    QAction *restore = nullptr;
    QAction *login = nullptr;
    QAction *exit = nullptr;
    bool loginEntry = false; // what the login entry on disk would say
    QStringList triggered;
    std::unique_ptr<platform::DBusMenu> served;
    SignalLog log;

    void SetUp() override
    {
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                     QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        ASSERT_TRUE(daemon.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return daemon.canReadLine(); }, 5000));
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        ASSERT_TRUE(server().isConnected());
        ASSERT_TRUE(client().isConnected());

        // The program's tray menu: the check mark is read from the login
        // entry before each showing, a click changes the entry.
        restore = menu.addAction(QStringLiteral("&Restore"));
        login = menu.addAction(QStringLiteral("Start at &Login"));
        login->setCheckable(true);
        menu.addSeparator();
        exit = menu.addAction(QStringLiteral("E&xit"));
        QObject::connect(restore, &QAction::triggered, [this] { triggered << QStringLiteral("restore"); });
        QObject::connect(login, &QAction::triggered, [this](bool checked) {
            triggered << QStringLiteral("login");
            loginEntry = checked;
        });
        // Exit ends the program, and with it the menu object.
        QObject::connect(exit, &QAction::triggered, [this] {
            triggered << QStringLiteral("exit");
            served.reset();
        });
        QObject::connect(&menu, &QMenu::aboutToShow, [this] { login->setChecked(loginEntry); });

        served = std::make_unique<platform::DBusMenu>(menu, kPath, server());
        ASSERT_TRUE(served->valid());
        for (const QString &name : {QStringLiteral("ItemsPropertiesUpdated"), QStringLiteral("LayoutUpdated")})
            ASSERT_TRUE(client().connect(server().baseService(), kPath, kInterface, name, &log,
                                         SLOT(record(QDBusMessage))));
    }
    void TearDown() override
    {
        served.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("menu-server"));
        QDBusConnection::disconnectFromBus(QStringLiteral("menu-host"));
        daemon.terminate();
        daemon.waitForFinished(3000);
    }
    QDBusConnection server() { return QDBusConnection::connectToBus(address, QStringLiteral("menu-server")); }
    QDBusConnection client() { return QDBusConnection::connectToBus(address, QStringLiteral("menu-host")); }

    // A call as a host makes it; the event loop runs meanwhile, so the menu
    // (in this same thread) can answer.
    QDBusMessage call(const QString &method, const QVariantList &arguments = {},
                      const QString &interface = kInterface)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(server().baseService(), kPath, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = client().asyncCall(message, 5000);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 6000))
            return QDBusMessage::createError(QDBusError::Timeout, QStringLiteral("no answer"));
        return pending.reply();
    }
    static QDBusMessage::MessageType kind(const QDBusMessage &reply) { return reply.type(); }

    static platform::DBusMenuEvent clicked(int id)
    {
        return {id, QStringLiteral("clicked"), QDBusVariant(0), 0};
    }
    QDBusMessage eventGroup(const QList<platform::DBusMenuEvent> &events)
    {
        return call(QStringLiteral("EventGroup"), {QVariant::fromValue(events)});
    }
    static QList<int> ids(const QDBusMessage &reply, int argument = 0)
    {
        return qdbus_cast<QList<int>>(reply.arguments().value(argument));
    }
    template <typename T>
    static QList<T> decoded(const QDBusMessage &message, int argument)
    {
        return qdbus_cast<QList<T>>(message.arguments().value(argument).value<QDBusArgument>());
    }
    // "id:name=value,…" for each entry of the last ItemsPropertiesUpdated.
    QStringList lastUpdate()
    {
        if (!QTest::qWaitFor([&] { return !log.seen.isEmpty(); }, 5000))
            return {QStringLiteral("(no signal)")};
        const QDBusMessage signal = log.seen.takeLast();
        if (signal.member() != QLatin1String("ItemsPropertiesUpdated"))
            return {signal.member()};
        QStringList out;
        for (const platform::DBusMenuItem &item : decoded<platform::DBusMenuItem>(signal, 0)) {
            QStringList properties;
            for (auto it = item.properties.begin(); it != item.properties.end(); ++it)
                properties << it.key() + u'=' + it.value().toString();
            out << QStringLiteral("%1:%2").arg(item.id).arg(properties.join(u','));
        }
        for (const platform::DBusMenuItemKeys &item : decoded<platform::DBusMenuItemKeys>(signal, 1))
            out << QStringLiteral("%1:-%2").arg(item.id).arg(item.properties.join(u','));
        return out;
    }
};

// Every member of the interface, as "method Name(in… -> out…)" with D-Bus signatures.
QStringList membersOf(const QString &xml)
{
    QStringList members;
    QXmlStreamReader reader(xml);
    bool inMenu = false;
    QString current;
    QStringList in, out;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto attribute = [&](const char *name) {
            return reader.attributes().value(QLatin1String(name)).toString();
        };
        const QStringView element = reader.name();
        const bool member = element == QLatin1String("method") || element == QLatin1String("signal");
        if (reader.isStartElement() && element == QLatin1String("interface"))
            inMenu = attribute("name") == kInterface;
        if (!inMenu)
            continue;
        if (reader.isStartElement() && member) {
            current = element.toString() + u' ' + attribute("name");
            in.clear();
            out.clear();
        } else if (reader.isStartElement() && element == QLatin1String("arg")) {
            const bool isOut =
                attribute("direction") == QLatin1String("out") || current.startsWith(QLatin1String("signal"));
            (isOut ? out : in) << attribute("type");
        } else if (reader.isEndElement() && member) {
            members << current + u'(' + in.join(u',') + QStringLiteral(" -> ") + out.join(u',') + u')';
        } else if (reader.isStartElement() && element == QLatin1String("property")) {
            members << QStringLiteral("property %1 %2 %3")
                           .arg(attribute("name"), attribute("type"), attribute("access"));
        }
    }
    return members;
}

TEST_F(DBusMenuTest, IntrospectionListsTheWholeInterfaceWithItsTypes)
{
    const QDBusMessage reply =
        call(QStringLiteral("Introspect"), {}, QStringLiteral("org.freedesktop.DBus.Introspectable"));
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    QStringList members = membersOf(reply.arguments().value(0).toString());
    members.sort();
    QStringList expected{
        QStringLiteral("method AboutToShow(i -> b)"),
        QStringLiteral("method AboutToShowGroup(ai -> ai,ai)"),
        QStringLiteral("method Event(i,s,v,u -> )"),
        QStringLiteral("method EventGroup(a(isvu) -> ai)"),
        QStringLiteral("method GetGroupProperties(ai,as -> a(ia{sv}))"),
        QStringLiteral("method GetLayout(i,i,as -> u,(ia{sv}av))"),
        QStringLiteral("method GetProperty(i,s -> v)"),
        QStringLiteral("property IconThemePath as read"),
        QStringLiteral("property Status s read"),
        QStringLiteral("property TextDirection s read"),
        QStringLiteral("property Version u read"),
        QStringLiteral("signal ItemActivationRequested( -> i,u)"),
        QStringLiteral("signal ItemsPropertiesUpdated( -> a(ia{sv}),a(ias))"),
        QStringLiteral("signal LayoutUpdated( -> u,i)"),
    };
    EXPECT_EQ(members, expected);
}

TEST_F(DBusMenuTest, EventGroupClicksRestoreStartAtLoginAndExitAndNamesUnknownIds)
{
    // As a panel does: AboutToShow, then one EventGroup per click.
    ASSERT_EQ(kind(call(QStringLiteral("AboutToShow"), {0})), QDBusMessage::ReplyMessage);
    QDBusMessage reply = eventGroup({{0, QStringLiteral("opened"), QDBusVariant(0), 0}, clicked(1)});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(ids(reply), QList<int>());
    EXPECT_TRUE(QTest::qWaitFor([&] { return triggered == QStringList{QStringLiteral("restore")}; }, 5000))
        << triggered.join(u' ').toStdString();

    // Start at Login: the entry is written and the host is told of the check mark.
    log.seen.clear();
    reply = eventGroup({clicked(2), clicked(42)});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(ids(reply), QList<int>{42}); // the good one runs, the bad one is named
    ASSERT_TRUE(QTest::qWaitFor([&] { return triggered.size() == 2; }, 5000));
    EXPECT_EQ(triggered.last(), QStringLiteral("login"));
    EXPECT_TRUE(loginEntry);
    EXPECT_EQ(lastUpdate(), QStringList{QStringLiteral("2:toggle-state=1")});

    // Only bad ids: an error, and nothing runs.
    reply = eventGroup({clicked(42), clicked(-1)});
    EXPECT_EQ(kind(reply), QDBusMessage::ErrorMessage);
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    reply = call(QStringLiteral("Event"), {42, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    EXPECT_EQ(kind(reply), QDBusMessage::ErrorMessage);
    // The separator and a disabled entry take no click.
    restore->setEnabled(false);
    reply = eventGroup({clicked(1), clicked(3)});
    EXPECT_EQ(ids(reply), QList<int>());
    restore->setEnabled(true);

    // Exit takes the menu object away once the call has been answered.
    reply = eventGroup({clicked(4)});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !served; }, 5000));
    EXPECT_EQ(triggered, (QStringList{QStringLiteral("restore"), QStringLiteral("login"), QStringLiteral("exit")}));
    EXPECT_EQ(kind(eventGroup({clicked(1)})), QDBusMessage::ErrorMessage);
}

TEST_F(DBusMenuTest, ChangedEntriesAreAnnouncedAsTheyChange)
{
    // The login entry changed behind the menu's back: showing the menu picks it up.
    loginEntry = true;
    QDBusMessage reply = call(QStringLiteral("AboutToShow"), {0});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_TRUE(reply.arguments().value(0).toBool());
    EXPECT_EQ(lastUpdate(), QStringList{QStringLiteral("2:toggle-state=1")});
    reply = call(QStringLiteral("AboutToShow"), {0});
    EXPECT_FALSE(reply.arguments().value(0).toBool()); // nothing new
    // The group form, which xfce4-panel uses, brings the entries up to date too.
    loginEntry = false;
    reply = call(QStringLiteral("AboutToShowGroup"), {QVariant::fromValue(QList<int>{0})});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(ids(reply), QList<int>{0});
    EXPECT_EQ(lastUpdate(), QStringList{QStringLiteral("2:toggle-state=0")});

    // Several changes at once come as one signal.
    log.seen.clear();
    restore->setEnabled(false);
    restore->setText(QStringLiteral("&Back"));
    EXPECT_EQ(lastUpdate(), QStringList{QStringLiteral("1:enabled=false,label=_Back")});
    EXPECT_TRUE(log.seen.isEmpty());
    login->setCheckable(false);
    EXPECT_EQ(lastUpdate(), QStringList{QStringLiteral("2:-toggle-state,toggle-type")});

    // An entry more: a new layout, which GetLayout then gives.
    const uint before = call(QStringLiteral("GetLayout"), {0, -1, QStringList()}).arguments().value(0).toUInt();
    menu.addAction(QStringLiteral("&Options"));
    EXPECT_EQ(lastUpdate(), QStringList{QStringLiteral("LayoutUpdated")});
    reply = call(QStringLiteral("GetLayout"), {0, -1, QStringList{QStringLiteral("label")}});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_GT(reply.arguments().value(0).toUInt(), before);
    const auto layout = qdbus_cast<platform::DBusMenuLayout>(reply.arguments().value(1));
    ASSERT_EQ(layout.children.size(), 5);
    EXPECT_EQ(qdbus_cast<platform::DBusMenuLayout>(layout.children[4]).properties.value(QStringLiteral("label")),
              QStringLiteral("_Options"));
}

TEST_F(DBusMenuTest, PropertiesAreReadByIdAndUnknownIdsAreRefused)
{
    QDBusMessage reply = call(QStringLiteral("GetProperty"), {2, QStringLiteral("label")});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(reply.arguments().value(0).value<QDBusVariant>().variant(), QStringLiteral("Start at _Login"));
    EXPECT_EQ(kind(call(QStringLiteral("GetProperty"), {9, QStringLiteral("label")})), QDBusMessage::ErrorMessage);
    // A property the entry lacks is answered at once, not left to the caller's time-out.
    for (const auto &[id, name] : {std::pair{2, QStringLiteral("icon-name")}, std::pair{3, QStringLiteral("label")},
                                   std::pair{0, QStringLiteral("toggle-state")}}) {
        reply = call(QStringLiteral("GetProperty"), {id, name});
        EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"))
            << id << ' ' << name.toStdString() << ' ' << reply.errorMessage().toStdString();
    }
    EXPECT_EQ(kind(call(QStringLiteral("GetLayout"), {9, -1, QStringList()})), QDBusMessage::ErrorMessage);

    // No ids: every entry; unknown ids are left out.
    reply = call(QStringLiteral("GetGroupProperties"),
                 {QVariant::fromValue(QList<int>()), QStringList{QStringLiteral("type")}});
    QList<int> listed;
    for (const platform::DBusMenuItem &item : decoded<platform::DBusMenuItem>(reply, 0))
        listed << item.id;
    EXPECT_EQ(listed, (QList<int>{1, 2, 3, 4}));
    reply = call(QStringLiteral("GetGroupProperties"), {QVariant::fromValue(QList<int>{3, 9}), QStringList()});
    const auto items = decoded<platform::DBusMenuItem>(reply, 0);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].properties.value(QStringLiteral("type")), QStringLiteral("separator"));

    reply = call(QStringLiteral("AboutToShowGroup"), {QVariant::fromValue(QList<int>{0, 9})});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(ids(reply, 1), QList<int>{9});
    EXPECT_EQ(kind(call(QStringLiteral("AboutToShowGroup"), {QVariant::fromValue(QList<int>{9})})),
              QDBusMessage::ErrorMessage);
}

TEST_F(DBusMenuTest, RepeatedIdsAreAnsweredOnceAndFloodsAreRefusedWhileTheMenuKeepsAnswering)
{
    // An entry named over and over comes back once, in the order first named.
    QList<int> repeated(1000, 2);
    repeated << 9 << 1 << 2;
    QDBusMessage reply = call(QStringLiteral("GetGroupProperties"),
                              {QVariant::fromValue(repeated), QStringList{QStringLiteral("label")}});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    QList<int> listed;
    for (const platform::DBusMenuItem &item : decoded<platform::DBusMenuItem>(reply, 0))
        listed << item.id;
    EXPECT_EQ(listed, (QList<int>{2, 1}));

    // The root named a thousand times is brought up to date once; a bad id is named once.
    int showings = 0;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] { ++showings; });
    loginEntry = true;
    QList<int> roots(1000, 0);
    roots << 9 << 9;
    reply = call(QStringLiteral("AboutToShowGroup"), {QVariant::fromValue(roots)});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(showings, 1);
    EXPECT_EQ(ids(reply), QList<int>{0});
    EXPECT_EQ(ids(reply, 1), QList<int>{9});

    // A million ids: refused, not built into a reply too large for the bus.
    const QList<int> flood(1000000, 2);
    reply = call(QStringLiteral("GetGroupProperties"), {QVariant::fromValue(flood), QStringList()});
    EXPECT_EQ(kind(reply), QDBusMessage::ErrorMessage);
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.LimitsExceeded"));
    reply = call(QStringLiteral("AboutToShowGroup"), {QVariant::fromValue(QList<int>(100000, 0))});
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.LimitsExceeded"));
    EXPECT_EQ(showings, 1);
    const QList<platform::DBusMenuEvent> clicks(100000, clicked(1));
    EXPECT_EQ(eventGroup(clicks).errorName(), QStringLiteral("org.freedesktop.DBus.Error.LimitsExceeded"));

    // Still on the bus, and answering.
    EXPECT_TRUE(server().isConnected());
    reply = call(QStringLiteral("GetProperty"), {1, QStringLiteral("label")});
    ASSERT_EQ(kind(reply), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(reply.arguments().value(0).value<QDBusVariant>().variant(), QStringLiteral("_Restore"));
    QApplication::processEvents();
    EXPECT_TRUE(triggered.isEmpty());
}

} // namespace

#include "test_dbusmenu.moc"
