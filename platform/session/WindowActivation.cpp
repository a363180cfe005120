#include "platform/session/WindowActivation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <xcb/xcb.h>

namespace platform {

namespace {

constexpr int kSettleMs = 150;
// How long the desktop has to make the window active before it asks for
// attention instead.
constexpr int kActiveWithinMs = 500;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The X server's present time: a property changed on a window of a private
// connection, and the time of the change read back.
quint32 serverTime()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return 0;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
    quint32 time = 0;
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const bool property = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        if (property)
            time = reinterpret_cast<xcb_property_notify_event_t *>(event)->time;
        std::free(event);
        if (property)
            break;
    }
    xcb_disconnect(connection);
    return time;
}

void activateOnX11(QWidget &window, const QString &token)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const quint32 time = startupIdTime(token) ? startupIdTime(token) : serverTime();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window.winId());
    message.type = atom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 1; // from an application
    message.data.data32[1] = time;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

} // namespace

quint32 startupIdTime(const QString &token)
{
    const qsizetype at = token.lastIndexOf(QLatin1String("_TIME"));
    if (at < 0)
        return 0;
    bool ok = false;
    const quint32 time = token.mid(at + 5).toUInt(&ok);
    return ok ? time : 0;
}

DesktopActivation::DesktopActivation(Alert alert, QString platform)
    : m_alert(alert ? std::move(alert) : Alert([](QWidget &window) { QApplication::alert(&window); })),
      m_platform(std::move(platform))
{
}

void DesktopActivation::activate(QWidget &window, const QString &token)
{
    const QString platform = m_platform.isEmpty() ? QGuiApplication::platformName() : m_platform;
    const bool wayland = platform.startsWith(QLatin1String("wayland"));
    // Qt's Wayland client hands this token to the compositor with the request.
    if (wayland && !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    window.activateWindow();
    // A token is good for one request: never left for a later one, nor for
    // the programs the launcher starts.
    if (wayland)
        qunsetenv("XDG_ACTIVATION_TOKEN");
    if (platform == QLatin1String("xcb"))
        activateOnX11(window, token);
    // Hidden and shown again at once, the window can get the keyboard back
    // before Qt noticed it had lost it: Qt then keys it but never calls it
    // active again, and shortcuts such as Enter do nothing. Put right once
    // the window system has answered.
    QPointer<QWidget> shown(&window);
    QTimer::singleShot(kSettleMs, &window, [shown] {
        if (shown && QGuiApplication::focusWindow() == shown->windowHandle() && !shown->isActiveWindow())
            QApplication::setActiveWindow(shown);
    });
    // Without a token a Wayland compositor keeps the window where it is.
    if (wayland && token.isEmpty()) {
        m_alert(window);
        return;
    }
    // Refused (focus stealing prevention, a token that has expired): the
    // window at least asks for attention. Active for a moment counts too: the
    // user may have gone on to another window since.
    auto becameActive = std::make_shared<bool>(window.isActiveWindow());
    const QMetaObject::Connection watch = QObject::connect(
        qGuiApp, &QGuiApplication::focusWindowChanged, &window, [shown, becameActive](QWindow *focus) {
            if (shown && focus && focus == shown->windowHandle())
                *becameActive = true;
        });
    QTimer::singleShot(kActiveWithinMs, &window, [alert = m_alert, shown, becameActive, watch] {
        QObject::disconnect(watch);
        if (shown && shown->isVisible() && !shown->isMinimized() && !*becameActive && !shown->isActiveWindow())
            alert(*shown);
    });
}

} // namespace platform
