// Bringing the window forward: which user time an X11 request carries, asking
// for attention where the desktop refuses, and the end of a handed-over
// launch's startup notification.
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "platform/session/StartupNotification.h"
#include "platform/session/WindowActivation.h"
#include "support/QtPrinters.h"

namespace {

TEST(WindowActivation, TheTimeAStartupIdCarries)
{
    EXPECT_EQ(platform::startupIdTime(QStringLiteral("_TIME1234")), 1234u);
    EXPECT_EQ(platform::startupIdTime(QStringLiteral("kde-host-42-0_TIME98765")), 98765u);
    EXPECT_EQ(platform::startupIdTime(QStringLiteral("wayland-token")), 0u);
    EXPECT_EQ(platform::startupIdTime(QStringLiteral("x_TIMEsoon")), 0u);
}

TEST(WindowActivation, WithoutATokenTheRequestCarriesTheLastInputOrNone)
{
    EXPECT_EQ(platform::activationTime(QStringLiteral("panel-7_TIME500"), 900), 500u); // the launch's own
    EXPECT_EQ(platform::activationTime(QString(), 900), 900u);
    EXPECT_EQ(platform::activationTime(QStringLiteral("id-without-time"), 900), 900u);
    EXPECT_EQ(platform::activationTime(QString(), 0), 0u); // none known: never the present time

    // What the running copy sends: the latest press it took, then a key's token.
    std::vector<quint32> sent;
    platform::DesktopActivation activation([](QWidget &) {}, QStringLiteral("xcb"),
                                           [&sent](QWidget &, quint32 time) { sent.push_back(time); });
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    activation.activate(window, QString());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    press.setTimestamp(4000);
    QCoreApplication::sendEvent(&window, &press);
    QKeyEvent older(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    older.setTimestamp(3000); // out of order: the latest stays
    QCoreApplication::sendEvent(&window, &older);
    activation.activate(window, QString());
    activation.activate(window, QStringLiteral("_TIME7000"));
    activation.activate(window, QString()); // the key's press counts as input
    EXPECT_EQ(sent, (std::vector<quint32>{0, 4000, 7000, 7000}));
    EXPECT_EQ(activation.lastInput(), 7000u);
}

TEST(WindowActivation, AsksForAttentionWhereTheWindowCannotComeForward)
{
    // Refused: the window takes no focus, as under focus stealing prevention.
    // On X11 a stand-in manager grants requests no older than the user's
    // last click on another window, at time 100.
    const struct {
        const char *platform, *token;
        bool refused, hiddenAgain;
        int alerts;
    } rows[] = {
        {"xcb", "_TIME150", false, false, 0},
        {"xcb", "_TIME5", false, false, 1}, // an expired launch
        {"xcb", "", false, false, 1},       // a plain second start
        {"xcb", "_TIME150", true, false, 1},
        {"xcb", "", true, true, 0}, // put away again: nothing to look at
        {"wayland", "token-1", false, false, 0},
        {"wayland", "token-2", true, false, 1},
        {"wayland", "", false, false, 1}, // no token: the compositor will not raise it
    };
    std::vector<std::unique_ptr<QWidget>> windows;
    std::vector<int> alerts(std::size(rows));
    QWidget elsewhere; // where the user is when the request comes
    const auto manager = [](QWidget &window, quint32 time) {
        if (time >= 100)
            window.activateWindow();
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto &row = rows[i];
        windows.push_back(std::make_unique<QWidget>());
        QWidget &window = *windows.back();
        if (row.refused)
            window.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        window.show();
        QCoreApplication::processEvents();
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere)) << i;
        platform::DesktopActivation activation([&alerts, i](QWidget &) { ++alerts[i]; },
                                               QString::fromLatin1(row.platform), manager);
        activation.activate(window, QString::fromLatin1(row.token));
        EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN")) << i; // never left for what it starts
        if (row.hiddenAgain)
            window.hide();
    }
    QTest::qWait(800);
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(alerts[i], rows[i].alerts) << "row " << i;
}

TEST(WindowActivation, AMinimisedWindowIsLeftForTheRequestToBringBack)
{
    // Mapped by the program, a minimised window would take the focus by
    // the mapping (xfwm4 gives it); the request alone may bring it back.
    std::vector<quint32> sent;
    int alerts = 0;
    platform::DesktopActivation activation([&alerts](QWidget &) { ++alerts; }, QStringLiteral("xcb"),
                                           [&sent](QWidget &, quint32 time) { sent.push_back(time); });
    QWidget window;
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    QWidget elsewhere; // where the user is
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_FALSE(activation.prepare(window, QStringLiteral("_TIME50")));
    activation.activate(window, QStringLiteral("_TIME50"));
    EXPECT_EQ(sent, std::vector<quint32>{50}); // at once: it will not be on screen before
    // Refused, it stays minimised and asks for attention all the same.
    EXPECT_TRUE(QTest::qWaitFor([&] { return alerts == 1; }, 2000));

    // Hidden, or shown: the program shows it itself.
    QWidget hidden;
    EXPECT_TRUE(activation.prepare(hidden, QString()));
    EXPECT_TRUE(activation.prepare(elsewhere, QString()));
    // Elsewhere than X11 the desktop decides as it will.
    platform::DesktopActivation wayland([](QWidget &) {}, QStringLiteral("wayland"));
    EXPECT_TRUE(wayland.prepare(window, QStringLiteral("token")));
}

TEST(StartupNotification, AHandedOverLaunchIsRemovedByItsId)
{
    EXPECT_EQ(platform::startupRemoveText(QStringLiteral("xfce4-panel-1234-host-tessaflow-0_TIME98765")),
              QByteArray("remove: ID=xfce4-panel-1234-host-tessaflow-0_TIME98765"));
    // Blanks, quotes and backslashes are quoted and escaped.
    EXPECT_EQ(platform::startupRemoveText(QStringLiteral("a b\"c\\d")),
              QByteArray(R"(remove: ID="a b\"c\\d")"));

    // Pieces of 20 bytes; the text ends with a NUL, the last piece is padded.
    const QByteArray text = platform::startupRemoveText(QStringLiteral("launcher-42_TIME7"));
    const QList<QByteArray> pieces = platform::startupInfoPieces(text);
    ASSERT_EQ(pieces.size(), 2); // 28 bytes and the NUL
    for (const QByteArray &piece : pieces)
        EXPECT_EQ(piece.size(), 20);
    const QByteArray joined = pieces.join();
    EXPECT_EQ(joined.left(text.size()), text);
    EXPECT_EQ(joined.mid(text.size()), QByteArray(40 - text.size(), '\0'));
    // A text of exactly 20 bytes needs a second piece for its NUL.
    EXPECT_EQ(platform::startupInfoPieces(QByteArray(20, 'x')).size(), 2);
    EXPECT_FALSE(platform::endStartupNotification(QString())); // nothing to end
}

} // namespace
